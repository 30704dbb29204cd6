// Icons: a colour image and a 1-bit mask, both GDI bitmaps the icon owns, behind HICON
// handles of their own.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "wingdi.h"

namespace ce::res {

class Icon {
public:
    // Takes both bitmaps; they go with the icon.
    Icon(HBITMAP image, HBITMAP mask) : m_image(image), m_mask(mask) {}
    ~Icon();
    Icon(const Icon&) = delete;
    Icon& operator=(const Icon&) = delete;

    // Null when no handle is left.
    static HICON add(std::unique_ptr<Icon> icon);
    // Null, with ERROR_INVALID_HANDLE, for a stale or unknown handle.
    static Icon* find(HICON icon);
    static bool destroy(HICON icon);

    // Where the mask is white the destination stays (XORed with the image, which is black
    // there); where it is black the image replaces it: dest = (dest AND mask) XOR image.
    bool draw(HDC hdc, int x, int y) const;
    // The icon as 0xAARRGGBB rows, for a desktop that blends icons by alpha: opaque where the
    // mask is black, clear where it is white.
    bool toArgb(int& width, int& height, std::vector<std::uint32_t>& pixels) const;

private:
    HBITMAP m_image;
    HBITMAP m_mask;
};

}  // namespace ce::res
