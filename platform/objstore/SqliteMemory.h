// SQLite's allocations go through the platform's allocation-fault hook, so that tests can
// make the store's own memory run out as they make a heap's.
#pragma once

#include "windef.h"

namespace ce::objstore {

// Installs the routing before SQLite's first use in the process; later calls do nothing.
// Called by everything in the store that opens a connection.
void routeSqliteAllocations();
// The pseudo-heap the hook sees SQLite's allocations on.
HANDLE sqliteHeap();

}  // namespace ce::objstore
