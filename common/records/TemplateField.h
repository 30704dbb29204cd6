// One field of a record template: its value type, its tag and an optional caption. The
// field also knows how an item slot of its type is stored, freed and compared.
#pragma once

#include <windows.h>

namespace Nevo {

class ListItem;

class TemplateField {
public:
    enum Type : DWORD { Raw = 0, Number = 1, String = 2, FileTime = 3 };

    // A null caption stays null; an empty one becomes the shared empty string.
    TemplateField(Type type, DWORD tag, const WCHAR* caption);
    ~TemplateField();
    // Copies share the caption: only one of the two may be destroyed.
    TemplateField(const TemplateField&) = default;
    TemplateField& operator=(const TemplateField&) = default;

    Type getType() const { return m_type; }
    DWORD getTag() const { return m_tag; }
    const WCHAR* getCaption() const { return m_caption; }

    // Frees the slot's old value, then stores `value` as this type requires: a copy of a
    // string or of the 8 bytes of a FILETIME, or the number itself.
    void setItemField(ListItem* item, int index, const void* value) const;
    void freeItemField(ListItem* item, int index) const;
    // Orders two slot values under ListModel::SortOption bits; only the sign matters.
    int compare(const void* a, const void* b, DWORD options) const;

private:
    static int compareStrings(const WCHAR* a, const WCHAR* b, DWORD options);
    static int compareFileTimes(const void* a, const void* b);

    Type m_type;
    DWORD m_tag;
    WCHAR* m_caption;
};

}  // namespace Nevo
