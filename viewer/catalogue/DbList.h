// The catalogue: one DbItem per database of the object store, in the order last chosen
// (by name at first), read again on refresh.
#pragma once

#include <windows.h>

#include "records/ArrayListModel.h"

namespace Nevo {
class CeDatabase;
}

namespace Orvane {

class DbList : public Nevo::ArrayListModel {
public:
    // Sorted by name, then filled.
    DbList();
    ~DbList() override = default;
    DbList(const DbList&) = delete;
    DbList& operator=(const DbList&) = delete;

    // Rebuilds the whole list from the store; entries with equal keys end up in the reverse
    // of the store's enumeration order.
    void refresh();
    // Asks the user (a Yes/No box owned by `owner`) and deletes the database at `index`,
    // then reads the list again. A refusal by the store is reported with its error code.
    void deleteDatabase(UINT index, HWND owner);
    // The database at `index` opened by name in its default order, for the caller to own;
    // none when there is no entry there or it cannot be opened ("Can't open database" is
    // then shown, owned by `owner`).
    Nevo::CeDatabase* openDatabase(UINT index, HWND owner);

    // Three rows of text per entry: the name and two of information.
    void measureItem(HDC dc, UINT* width, UINT* height) override;

    // The sort keys the catalogue offers (with no options: ascending, case-sensitive).
    static constexpr DWORD c_byName = 1;
    static constexpr DWORD c_bySize = 6;
    static constexpr DWORD c_byRecords = 3;
};

}  // namespace Orvane
