// The record browser's model: one open database kept on a record, and one PropItem per
// property of that record ("No record" when there is none to read).
#pragma once

#include <windbase.h>

#include "records/ArrayListModel.h"

namespace Nevo {
class CeDatabase;
}

namespace Orvane {

class DupList;

class PropList : public Nevo::ArrayListModel {
public:
    // Takes the open database, positioned on the record to show, and reads that record.
    explicit PropList(Nevo::CeDatabase* database);
    // Closes and destroys the database.
    ~PropList() override;
    PropList(const PropList&) = delete;
    PropList& operator=(const PropList&) = delete;

    // Reads the record at the database's position again, with the sort keys.
    void refresh();
    // The moves read the new record only when the seek succeeded; the result is the seek's
    // (nonzero: moved). A failed move leaves the items as they were.
    CEOID moveFirst();
    CEOID moveLast();
    int moveNext();
    int movePrevious();
    // Opens the database again in the order of sort key `sortIndex` (the default order when
    // the database has none) and reads its first record.
    void reopen(UINT sortIndex);

    // The record shown: the one read last, 0 when there was none. A failed move keeps it,
    // as it keeps the items.
    CEOID getCurrentOid() const { return m_shownOid; }
    WORD getSortKeyCount() const { return m_sortKeyCount; }
    CEPROPID getSortKey(UINT index) const { return index < m_sortKeyCount ? m_sortKeys[index] : 0; }
    int isNoRecord() const { return m_noRecord; }

    // The records that repeat the value of the property at `index`, or none. The browser
    // shows the first record of the first sort order afterwards. The caller owns the list.
    DupList* checkDuplicates(UINT index);

    // Two rows of text per line.
    void measureItem(HDC dc, UINT* width, UINT* height) override;

private:
    void loadSortKeys();
    void releaseSortKeys();
    int isSortKey(CEPROPID propid) const;

    Nevo::CeDatabase* m_database;
    CEPROPID* m_sortKeys;
    WORD m_sortKeyCount;
    int m_noRecord;
    CEOID m_shownOid;
};

}  // namespace Orvane
