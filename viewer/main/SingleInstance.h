// Keeps the program to one instance: a second one brings the first forward and stops.
#pragma once

#include <windows.h>

namespace Orvane {

// 0: this is the first instance (or the first never showed its window in time); 1: another
// instance was brought to the front; negative: the check failed (E_FAIL, E_INVALIDARG).
HRESULT checkSingleInstance();

}  // namespace Orvane
