// Hooks for tests and scripts: make chosen allocations fail, seed Random, answer message
// boxes. None of these exist on the handheld; nothing outside tests and the presenters calls
// them.
#pragma once

#include <functional>
#include <string>

#include "windef.h"

namespace ce::test {

// Allocation faults. After `skip` more successful allocations (HeapAlloc, HeapReAlloc,
// LocalAlloc, LocalReAlloc) on `heap` - any heap when null - the next `count` fail;
// a count of ~0u fails every one from then on. failAllocations(nullptr, 0, 0) clears it.
void failAllocations(HANDLE heap, unsigned skip, unsigned count);
void clearAllocationFaults();
// Allocations refused by the hook since the last failAllocations or clearAllocationFaults.
unsigned failedAllocations();
// The heap the hook sees the object store's SQLite allocations on (counted under a null heap
// too). Asking for it routes SQLite's allocations through the hook if nothing in the process
// has used SQLite yet.
HANDLE sqliteHeap();
// Blocks a heap currently holds (0 for an unknown heap; null means the local heap).
size_t heapBlockCount(HANDLE heap);

// Random() starts again from this seed.
void seedRandom(DWORD seed);

// A message box as the system shows it: what a responder receives.
struct MessageBoxCall {
    HWND owner;
    std::u16string text;
    std::u16string caption;
    UINT style;
};
// The responder answers message boxes instead of the user and returns the button chosen.
// Without one, the box shows and waits for the user. Installing an empty function removes
// the responder.
using MessageBoxResponder = std::function<int(const MessageBoxCall&)>;
void setMessageBoxResponder(MessageBoxResponder responder);

}  // namespace ce::test
