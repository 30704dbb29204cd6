// The duplicate finder's benchmarks: the finder on the object store in sorted and unsorted
// mode, and SQLite's GROUP BY on an indexed and on a plain table of the same values, under
// names that pair them for the ratio table.
#pragma once

#include <string>

#include <sqlite3.h>

#include "DupVolume.h"

namespace bench {

// The baseline tables of one case; the indexed one stands against the sorted mode.
struct DupBaseline {
    sqlite3* indexed = nullptr;
    sqlite3* plain = nullptr;
};

// Runs each side once, untimed: empty when the finder in both modes and both tables count
// the same repeats and each mode is the one asked for; otherwise what differs, in words.
std::string dupDisagreement(const DupCase& dupCase, const DupBaseline& baseline);

// "<engine>/<Sorted|Unsorted>/<label>", engine "store" or "sqlite", in records per second.
void registerDupFinder(const DupCase& dupCase, const DupBaseline& baseline);

}  // namespace bench
