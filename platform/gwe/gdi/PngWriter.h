// Writes a surface as a PNG file: screenshots, and images of failed graphics tests.
#pragma once

#include <string>

#include "gwe/gdi/Surface.h"

namespace ce::gdi {

// False, with a one-line reason in error, when the file cannot be written; a partial file
// is never left behind.
bool writePng(const Surface& surface, const std::string& path, std::string& error);

}  // namespace ce::gdi
