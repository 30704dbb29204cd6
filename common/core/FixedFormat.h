// Counted printing into a fixed buffer that is always terminated, cutting what does not fit.
#pragma once

#include <cstdarg>

#include <windows.h>

namespace Nevo {

// Formats into `size` characters (terminator included); returns the length written.
// A null format leaves the buffer empty.
int formatFixed(WCHAR* buffer, int size, const WCHAR* format, va_list args);
// The same with the arguments in place.
int printFixed(WCHAR* buffer, int size, const WCHAR* format, ...);

}  // namespace Nevo
