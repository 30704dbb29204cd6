// One record found to repeat a value: the property as PropItem formats it, the record's OID,
// whether the user tagged it, and the whole value, which decides what counts as a repeat.
#pragma once

#include <windbase.h>

#include "reader/PropItem.h"

namespace Orvane {

class DupItem : public PropItem {
public:
    DupItem(Nevo::Template* shape, const CEPROPVAL* value, CEOID record);
    ~DupItem() override;
    DupItem(const DupItem&) = delete;
    DupItem& operator=(const DupItem&) = delete;

    // One line: the value text.
    int getLine1Text(LPWSTR buffer, int capacity) override;
    int getLine2Text(LPWSTR buffer, int capacity) override;
    // Tagged entries are drawn in red.
    int beginDraw(Nevo::Theme* theme, const DRAWITEMSTRUCT* item) override;

    DWORD getFirstWord() const { return m_firstWord; }
    CEOID getRecordOid() const { return m_record; }
    int isTagged() const { return m_tagged; }
    void setTagged(int tagged) { m_tagged = tagged; }
    // The whole value of a string (without terminator), R8, FILETIME or BLOB; none (and
    // size 0) for the types whose first word is their value.
    const BYTE* getValue() const { return m_value; }
    DWORD getValueSize() const { return m_valueSize; }

private:
    void copyValue(const CEPROPVAL* value);

    DWORD m_firstWord;
    int m_tagged;
    CEOID m_record;
    // The bytes of a string (without its terminator), double, file time or BLOB; the shown
    // text stops at 127 characters or 63 bytes, the comparison does not.
    BYTE* m_value;
    DWORD m_valueSize;
};

}  // namespace Orvane
