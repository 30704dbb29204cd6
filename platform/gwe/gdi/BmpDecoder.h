// Bitmaps from .bmp file images (resources are embedded .bmp files).
#pragma once

#include <cstddef>

#include "windef.h"

namespace ce::gdi {

// A new bitmap holding the image: 1, 4, 8, 16, 24 and 32 bits per pixel, bottom-up or
// top-down. A 1-bit image becomes a monochrome bitmap (bit 1 white, bit 0 black), usable as
// a mask. Null, with ERROR_INVALID_DATA, for anything that is not a well-formed image, and
// with ERROR_NOT_SUPPORTED for compressed (RLE) images.
HBITMAP createBitmapFromBmp(const BYTE* data, std::size_t size);

}  // namespace ce::gdi
