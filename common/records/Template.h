// A record template: the ordered fields that shape a ListItem, looked up by tag.
#pragma once

#include <windows.h>

#include "records/TemplateField.h"

namespace Nevo {

class App;
class ListItem;
class Sequence;

class Template {
public:
    explicit Template(App* app = nullptr);
    // Deletes the fields, last first, and gives the sequence back to the pool.
    ~Template();
    // Copies share the field sequence: only one of the two may be destroyed.
    Template(const Template&) = default;
    Template& operator=(const Template&) = default;

    Sequence* getFields() const { return m_fields; }
    int fieldCount() const;
    // The template owns the field from then on.
    void addField(TemplateField* field);
    void addField(TemplateField::Type type, DWORD tag, const WCHAR* caption);

    // Lookups by tag reach the first field with that tag only.
    int indexOf(DWORD tag) const;
    TemplateField* getField(DWORD tag, int* index) const;

    // The raw slot: a number, or the address of the string or 8-byte block; null when the
    // tag is not in the template or the item holds no values yet.
    void* getItemData(const ListItem* item, DWORD tag) const;
    // A tag that is not in the template is ignored.
    void setItemData(ListItem* item, DWORD tag, const void* value) const;
    void freeItem(ListItem* item) const;

    App* getApp() const;

private:
    Sequence* m_fields;
    App* m_app;
};

}  // namespace Nevo
