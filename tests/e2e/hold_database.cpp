// hold_database NAME SECONDS: keeps a database of the volume (CE_STORE) open for SECONDS, as
// another program on the handheld would, so that deleting it is refused. Prints "open" once
// it holds the database; exits 2 when it cannot open it.
// hold_database --lock SECONDS: holds the whole volume file (CE_STORE) in an exclusive
// transaction for SECONDS, as a program stuck in a long change would: no other process can
// read or write it meanwhile. Prints "locked" once it holds the lock; exits 2 when it cannot
// take it. Ends early, releasing the lock, on SIGTERM.
#include <sqlite3.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cewchar.h"
#include "windows.h"
#include "windbase.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;

int holdVolumeLock(int seconds) {
    const char* path = std::getenv("CE_STORE");
    if (!path || !*path) {
        std::fprintf(stderr, "hold_database: --lock needs CE_STORE\n");
        return 2;
    }
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path, &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_busy_timeout(db, 5000);
    // Exclusive locking mode keeps even readers out of a write-ahead-logged file; the read
    // makes the lock real before "locked" is said.
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE; SELECT count(*) FROM records;",
                          nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        std::fprintf(stderr, "hold_database: %s: %s\n", path, db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
        sqlite3_close(db);
        return 2;
    }
    std::signal(SIGTERM, [](int) { g_stop = 1; });
    std::puts("locked");
    std::fflush(stdout);
    for (int tenths = 0; tenths < seconds * 10 && !g_stop; ++tenths) Sleep(100);
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: hold_database NAME SECONDS | hold_database --lock SECONDS\n");
        return 1;
    }
    if (std::strcmp(argv[1], "--lock") == 0) return holdVolumeLock(std::atoi(argv[2]));
    std::u16string name = ce::fromUtf8(argv[1]);
    CEOID oid = 0;
    HANDLE database = CeOpenDatabaseEx(nullptr, &oid, name.c_str(), 0, 0, nullptr);
    if (database == INVALID_HANDLE_VALUE) return 2;
    std::puts("open");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(std::atoi(argv[2])) * 1000);
    CloseHandle(database);
    return 0;
}
