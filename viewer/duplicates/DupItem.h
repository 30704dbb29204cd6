// One record found to repeat a value: the record's OID, whether the user tagged it, and the
// whole value, which decides what counts as a repeat and is shown as PropItem formats it.
#pragma once

#include <windbase.h>

#include "duplicates/DupValue.h"
#include "reader/PropItem.h"

namespace Orvane {

class DupItem : public PropItem {
public:
    DupItem(Nevo::Template* shape, const CEPROPVAL* value, CEOID record);
    ~DupItem() override;
    DupItem(const DupItem&) = delete;
    DupItem& operator=(const DupItem&) = delete;

    // One line: the value text, formatted as it is drawn.
    int getLine1Text(LPWSTR buffer, int capacity) override;
    int getLine2Text(LPWSTR buffer, int capacity) override;
    // Tagged entries are drawn in red.
    int beginDraw(Nevo::Theme* theme, const DRAWITEMSTRUCT* item) override;

    CEOID getRecordOid() const { return m_record; }
    int isTagged() const { return m_tagged; }
    void setTagged(int tagged) { m_tagged = tagged; }
    // The whole value, which decides what counts as a repeat; the shown text stops at 127
    // characters or 63 bytes, the comparison does not.
    const DupValue& value() const { return m_value.value(); }

private:
    CEPROPVAL shownProperty(WCHAR (&text)[c_valueCapacity]) const;

    int m_tagged;
    CEOID m_record;
    CEPROPID m_propid;
    KeptValue m_value;
};

}  // namespace Orvane
