// The desktop: what shows where no window covers the screen.
#pragma once

#include "gwe/gdi/Region.h"

namespace ce::gwe {

// Draws the desktop's background over the parts of area that no window covers.
void paintDesktop(const gdi::Region& area);

}  // namespace ce::gwe
