// hold_database NAME SECONDS: keeps a database of the volume (CE_STORE) open for SECONDS, as
// another program on the handheld would, so that deleting it is refused. Prints "open" once
// it holds the database; exits 2 when it cannot open it.
#include <cstdio>
#include <cstdlib>

#include "cewchar.h"
#include "windows.h"
#include "windbase.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: hold_database NAME SECONDS\n");
        return 1;
    }
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
