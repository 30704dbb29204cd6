// The base of every list entry: one pointer-sized slot per template field, in field order,
// created on the first write. Subclasses draw themselves.
#pragma once

#include <windows.h>

namespace Nevo {

class Template;

class ListItem {
public:
    // Frees the field values and the slot array through the template, if there is one.
    virtual ~ListItem();
    virtual void draw(const DRAWITEMSTRUCT* drawItem) = 0;

    // Copies share the slot array: only one of the two may be destroyed.
    ListItem(const ListItem&) = default;
    ListItem& operator=(const ListItem&) = default;

    Template* getTemplate() const { return m_template; }
    void** getData() const { return m_data; }
    // Replaces the array address; the old array is not freed.
    void setData(void** data) { m_data = data; }
    void* getDataField(int index) const;
    // Stores the raw value, creating the zeroed array first; the old value is not freed.
    void setDataField(int index, void* value);

    void* getItemData(DWORD tag) const;
    void setItemData(DWORD tag, const void* value);

protected:
    explicit ListItem(Template* shape);

private:
    Template* m_template;
    void** m_data = nullptr;
};

}  // namespace Nevo
