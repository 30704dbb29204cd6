// The allocation-fault hook as the heaps consult it (set through ce::test in cetest.h).
#pragma once

#include "windef.h"

namespace ce::kernel {

// True when the hook refuses this allocation on `heap`; the refusal is counted.
bool allocationRefused(HANDLE heap);
// Tells the hook an allocation on `heap` succeeded, so that skipped ones are counted down.
void allocationSucceeded(HANDLE heap);

}  // namespace ce::kernel
