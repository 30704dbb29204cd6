// The icon the desktop shows for the program: the foreground window's, as WM_SETICON gave it.
#pragma once

#include "windef.h"

namespace ce::gwe {

// The foreground window's big icon, else its small one; null when it has neither.
HICON foregroundIcon();

}  // namespace ce::gwe
