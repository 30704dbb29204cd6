#include "catalogue/DbList.h"

#include <algorithm>

#include "catalogue/DbItem.h"
#include "ceobjstore.h"
#include "cewchar.h"
#include "core/Debug.h"
#include "core/FixedFormat.h"
#include "db/CeDatabase.h"

namespace Orvane {

namespace {

// The box tells only an error number; whoever started the program also gets the volume's
// own one-line reason (which file, and why) on stderr. The reason is the failed call's when
// the volume's was cleared before it. Keeps the last error for the box.
void logVolumeProblem(bool evenWithoutReason) {
    DWORD error = GetLastError();
    std::string reason = ce::objstore::lastVolumeError();
    if (reason.empty() && evenWithoutReason) reason = ce::objstore::volumePath() + ": error " + std::to_string(error);
    // SQLite's integrity report may span lines; the log tells it on one.
    std::replace(reason.begin(), reason.end(), '\n', ' ');
    if (!reason.empty()) Nevo::log_stringf(u"%s\n", ce::fromUtf8(reason).c_str());
    SetLastError(error);
}

}  // namespace

DbList::DbList() {
    sort(c_byName, Ascending);
    refresh();
}

void DbList::refresh() {
    // Deletes each item once and tells the observers the list is empty.
    clear();
    ce::objstore::clearVolumeError();
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
        logVolumeProblem(true);
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
    ce::objstore::clearVolumeError();
    if (!CeDeleteDatabase(entry->getOid())) {
        // A database another program holds open is no fault of the volume: only the box.
        logVolumeProblem(false);
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
