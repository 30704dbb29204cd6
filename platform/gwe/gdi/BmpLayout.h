// The headers of a .bmp file image, read and checked against the buffer: once parsed, every
// palette entry and pixel row the layout names lies inside the data.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "windef.h"

namespace ce::gdi {

struct BmpLayout {
    int width = 0;
    int height = 0;  // always positive; topDown says the row order
    bool topDown = false;
    int bitsPerPixel = 0;
    std::size_t paletteOffset = 0;
    int paletteCount = 0;
    int paletteEntrySize = 4;  // 3 in the old core header
    std::array<DWORD, 3> masks{};  // red, green, blue, for 16 and 32 bits per pixel
    std::size_t pixelOffset = 0;
    std::size_t stride = 0;  // rows are padded to 4 bytes

    // None, with the last error set (ERROR_INVALID_DATA, or ERROR_NOT_SUPPORTED for
    // compressed images), when the headers do not describe an image inside the data.
    static std::optional<BmpLayout> parse(const BYTE* data, std::size_t size);
};

}  // namespace ce::gdi
