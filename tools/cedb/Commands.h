// The cedb commands. Each takes the words after its name and returns the exit code: 0 done,
// 1 a usage error, 2 refused (bad input, a missing database, a bad volume): nothing written.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace cedb {

constexpr int c_exitOk = 0;
constexpr int c_exitUsage = 1;
constexpr int c_exitRefused = 2;

struct Console {
    std::ostream& out;
    std::ostream& err;
    // The volume was named by --store or CE_STORE rather than being the default one.
    bool namedStore = false;

    // Prints "cedb: message" to standard error and returns the exit code.
    int fail(int code, const std::string& message) const;
};

using Words = std::vector<std::string>;

int runInit(const Words& words, const Console& console);
int runList(const Words& words, const Console& console);
int runCreate(const Words& words, const Console& console);
int runRemove(const Words& words, const Console& console);
int runShow(const Words& words, const Console& console);
int runPut(const Words& words, const Console& console);
int runImport(const Words& words, const Console& console);
int runExport(const Words& words, const Console& console);

// Opens the volume the commands work on; false after printing why it is refused.
// Commands that only read or delete must not leave an empty volume behind a mistyped path.
enum class StoreUse { CreateIfMissing, MustExist };
bool openStore(const Console& console, StoreUse use = StoreUse::CreateIfMissing);

}  // namespace cedb
