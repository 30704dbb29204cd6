// A volume someone else changed behind the store's back, as the crafted cases of
// tests/tools/crafted are: the input is SQL run on a copy of base.json's volume, which is
// then opened and read whole. Mutating SQL reaches the store's own checks far more often
// than mutating the bytes of a SQLite file does.
#include <sqlite3.h>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

#include "Commands.h"
#include "VolumeReading.h"
#include "ceobjstore.h"

namespace {

namespace fs = std::filesystem;

// Made once per process by cedb import.
const fs::path& baseVolume() {
    static const fs::path path = [] {
        fs::path volume = fuzz::scratchFolder() / "base.vol";
        std::ostringstream out, err;
        cedb::Console console{out, err, true};
        ce::objstore::setVolumePath(volume.string());
        if (cedb::runImport({ORVANE_FUZZ_BASE_JSON}, console) != cedb::c_exitOk) {
            std::cerr << "cannot make the base volume: " << err.str();
            std::abort();
        }
        ce::objstore::closeVolume();
        // A copy of the file alone must hold everything: the log is folded in at close.
        if (fs::exists(volume.string() + "-wal")) {
            std::cerr << "the base volume's log was not folded in at close\n";
            std::abort();
        }
        return volume;
    }();
    return path;
}

// The SQL may change the volume only: no other file, no unbounded work.
int authorize(void*, int action, const char*, const char*, const char*, const char*) {
    return action == SQLITE_ATTACH || action == SQLITE_DETACH ? SQLITE_DENY : SQLITE_OK;
}

int stopLongWork(void* steps) {
    return ++*static_cast<int*>(steps) > 2000;
}

void runSql(const fs::path& volume, const std::string& sql) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(volume.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_limit(db, SQLITE_LIMIT_LENGTH, 1 << 20);
        sqlite3_limit(db, SQLITE_LIMIT_SQL_LENGTH, 1 << 16);
        sqlite3_set_authorizer(db, authorize, nullptr);
        int steps = 0;
        sqlite3_progress_handler(db, 100, stopLongWork, &steps);
        sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    }
    sqlite3_close(db);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fs::path& base = baseVolume();
    fs::path volume = fuzz::scratchFolder() / "input.vol";
    std::error_code error;
    if (fs::copy_file(base, volume, fs::copy_options::overwrite_existing, error)) {
        runSql(volume, std::string(reinterpret_cast<const char*>(data), size));
        fuzz::openAndReadVolume(volume);
    }
    fuzz::emptyScratch(base);
    return 0;
}
