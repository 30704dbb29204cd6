// The current local (not UTC) time as a FILETIME.
#pragma once

#include <windows.h>

namespace Nevo {

void getLocalFileTime(FILETIME* fileTime);

}  // namespace Nevo
