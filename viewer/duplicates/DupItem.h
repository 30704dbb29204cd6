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

    // 0 when both hold the same value in full: strings code unit by code unit over their
    // whole length, R8 and FILETIME by all 8 bytes, BLOBs by length and every byte, the
    // other types by their value. Only zero or not matters.
    static int compareValues(const DupItem* a, const DupItem* b);

    DWORD getFirstWord() const { return m_firstWord; }
    CEOID getRecordOid() const { return m_record; }
    int isTagged() const { return m_tagged; }
    void setTagged(int tagged) { m_tagged = tagged; }

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
