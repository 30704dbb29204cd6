// A handheld's databases, as rows to show.
#include "RowList.h"

namespace showcase {

RowList::RowList() :
    m_rows{{u"Contacts Database", u"124 records, 18,432 bytes"},
           {u"Appointments Database", u"37 records, 6,144 bytes"},
           {u"Tasks Database", u"12 records, 2,048 bytes"},
           {u"Inbox", u"58 records, 40,960 bytes"},
           {u"Notes", u"9 records, 1,536 bytes"},
           {u"Call Log", u"211 records, 12,800 bytes"},
           {u"Speed Dial", u"6 records, 512 bytes"}} {}

bool RowList::moveSelection(int delta) {
    return select(m_selected + delta);
}

bool RowList::select(int index) {
    if (index < 0 || index >= static_cast<int>(m_rows.size()) || index == m_selected) return false;
    m_selected = index;
    return true;
}

void RowList::toggleTag() {
    if (m_rows.empty()) return;
    m_rows[static_cast<size_t>(m_selected)].tagged = !m_rows[static_cast<size_t>(m_selected)].tagged;
}

void RowList::removeSelected() {
    if (m_rows.empty()) return;
    m_rows.erase(m_rows.begin() + m_selected);
    if (m_selected >= static_cast<int>(m_rows.size()) && m_selected > 0) --m_selected;
}

}  // namespace showcase
