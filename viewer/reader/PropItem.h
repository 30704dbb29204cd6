// One property of a record as the record browser lists it: its id, type name and value
// text, and whether the database has a sort order on it.
#pragma once

#include <windbase.h>

#include "items/TextItem.h"

namespace Orvane {

class PropItem : public TextItem {
public:
    // The three fields of the property models' template, by tag.
    enum Tag : DWORD { TagPropid = 0, TagTypeName = 1, TagValueText = 2 };
    static void addFields(Nevo::Template* shape);

    // Without a value the fields stay empty.
    PropItem(Nevo::Template* shape, const CEPROPVAL* value, int indexed);
    ~PropItem() override = default;
    PropItem(const PropItem&) = delete;
    PropItem& operator=(const PropItem&) = delete;

    void formatProperty(const CEPROPVAL* value);

    // "Prop id 0x%x (%s) %s": id, type name, and "[indexed]" or nothing.
    int getLine1Text(LPWSTR buffer, int capacity) override;
    // The value text.
    int getLine2Text(LPWSTR buffer, int capacity) override;

    CEPROPID getPropid() const;
    const WCHAR* getTypeName() const;
    const WCHAR* getValueText() const;
    int isIndexed() const { return m_indexed; }

    static constexpr int c_valueCapacity = 128;

private:
    const WCHAR* stringField(DWORD tag) const;

    int m_indexed;
};

}  // namespace Orvane
