// A 32-bit pixel buffer: the screen and every bitmap draw into one. Pixels are 0x00RRGGBB,
// the order the presenters and PNG want; COLORREF (0x00BBGGRR) converts at the edges.
#pragma once

#include <cstdint>
#include <vector>

#include "windef.h"

namespace ce::gdi {

using Pixel = std::uint32_t;

inline Pixel toPixel(COLORREF color) {
    return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}
inline COLORREF toColorRef(Pixel pixel) {
    return ((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF);
}

class Surface {
public:
    Surface() = default;
    Surface(int width, int height, Pixel fill = 0) :
        m_width(width), m_height(height), m_pixels(static_cast<size_t>(width) * height, fill) {}

    int width() const { return m_width; }
    int height() const { return m_height; }
    RECT bounds() const { return RECT{0, 0, m_width, m_height}; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    Pixel pixel(int x, int y) const { return m_pixels[index(x, y)]; }
    void setPixel(int x, int y, Pixel value) { m_pixels[index(x, y)] = value; }
    Pixel* row(int y) { return m_pixels.data() + static_cast<size_t>(y) * m_width; }
    const Pixel* row(int y) const { return m_pixels.data() + static_cast<size_t>(y) * m_width; }
    const std::vector<Pixel>& pixels() const { return m_pixels; }

    // Bumped by every change, so that a presenter knows when to show the screen again.
    std::uint64_t generation() const { return m_generation; }
    void touch() { ++m_generation; }

private:
    size_t index(int x, int y) const { return static_cast<size_t>(y) * m_width + x; }

    int m_width = 0;
    int m_height = 0;
    std::vector<Pixel> m_pixels;
    std::uint64_t m_generation = 0;
};

}  // namespace ce::gdi
