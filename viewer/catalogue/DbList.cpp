#include "catalogue/DbList.h"

#include "catalogue/DbItem.h"
#include "core/Debug.h"
#include "core/FixedFormat.h"
#include "db/CeDatabase.h"

namespace Orvane {

DbList::DbList() {
    sort(c_byName, Ascending);
    refresh();
}

void DbList::refresh() {
    // Deletes each item once and tells the observers the list is empty.
    clear();
    HANDLE found = CeFindFirstDatabaseEx(nullptr, 0);
    bool complete = false;
    while (found != INVALID_HANDLE_VALUE) {
        CEOID oid = CeFindNextDatabaseEx(found, nullptr);
        if (!oid) {
            complete = GetLastError() == ERROR_NO_MORE_ITEMS;
            break;
        }
        addItem(new DbItem(getTemplate(), oid));
    }
    // A volume that cannot be read (locked, damaged, missing) is not an empty one: say so.
    DWORD error = GetLastError();
    if (found != INVALID_HANDLE_VALUE) CloseHandle(found);
    notify(NotifyListChanged, reinterpret_cast<WPARAM>(this), 0);
    if (!complete) {
        SetLastError(error);
        Nevo::Debug::reportError(u"Can't read the database list");
    }
}

void DbList::deleteDatabase(UINT index, HWND owner) {
    // The array does not check its indexes; a selection may be past a shortened list.
    if (index >= size()) return;
    auto* entry = static_cast<DbItem*>(at(index));
    WCHAR question[256];
    Nevo::printFixed(question, 256, u"Are you sure you wish to delete db \"%s\"? This can't be undone.",
                   entry->getName());
    if (MessageBoxW(owner, question, u"Confirm Operation", MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) != IDYES)
        return;
    if (!CeDeleteDatabase(entry->getOid())) {
        Nevo::Debug::reportError(u"CeDeleteDatabase");
        return;
    }
    refresh();
}

Nevo::CeDatabase* DbList::openDatabase(UINT index, HWND owner) {
    if (index >= size()) return nullptr;
    auto* entry = static_cast<DbItem*>(at(index));
    auto* database = new Nevo::CeDatabase(0, nullptr);
    // By name: the entry's OID may be stale since the last refresh.
    database->open(entry->getName(), 0, nullptr);
    if (database->isOpen()) return database;
    delete database;
    MessageBoxW(owner, u"Can't open database", u"Error", MB_OK | MB_ICONSTOP);
    return nullptr;
}

void DbList::measureItem(HDC dc, UINT* width, UINT* height) {
    ListModel::measureItem(dc, width, height);
    *height *= 3;
}

}  // namespace Orvane
