// Screenshots write the screen surface as it is now, whether or not a presenter showed it.
#include "display/Screenshot.h"

#include "gwe/Screen.h"
#include "gwe/gdi/PngWriter.h"

namespace ce::display {

bool saveScreenshot(const std::string& path, std::string& error) {
    return gdi::writePng(gwe::Screen::instance().surface(), path, error);
}

}  // namespace ce::display
