// A blit's source, read ahead into an image covering the destination area: that lets the
// source and destination overlap, stretches by nearest neighbour, and marks the pixels that
// fall outside the source surface as missing. Colour conversion happens per pixel.
#pragma once

#include <optional>
#include <vector>

#include "gwe/gdi/DeviceContext.h"

namespace ce::gdi {

struct SourceView {
    const Surface* surface = nullptr;
    bool monochrome = false;
    // Colour to monochrome: pixels of this colour become white, all others black.
    COLORREF bkColor = RGB(255, 255, 255);
    // The DC's logical point 0,0 on its surface.
    POINT origin{};

    static SourceView ofDc(const DeviceContext& dc);
    static SourceView ofBitmap(HBITMAP bitmap);
};

// Where the source rectangle lands: both in surface coordinates with positive extents, and
// whether the copy is mirrored.
struct BlitGeometry {
    RECT dest;
    RECT source;
    bool mirrorX = false;
    bool mirrorY = false;
};

class SourceImage {
public:
    // The pixels for area, a part of geometry.dest.
    SourceImage(const SourceView& view, const BlitGeometry& geometry, const RECT& area);

    bool present(int x, int y) const { return m_present[offset(x, y)] != 0; }
    Pixel pixel(int x, int y) const { return m_pixels[offset(x, y)]; }

private:
    size_t offset(int x, int y) const {
        return static_cast<size_t>(y - m_area.top) * static_cast<size_t>(m_area.right - m_area.left) +
               static_cast<size_t>(x - m_area.left);
    }

    RECT m_area;
    std::vector<Pixel> m_pixels;
    std::vector<unsigned char> m_present;
};

// Win32's conversions between monochrome and colour: a monochrome source's 1 bits take the
// destination's background colour and its 0 bits the text colour; a colour source drawn on
// a monochrome destination is white where it has the source's background colour.
class PixelConverter {
public:
    PixelConverter(const SourceView& source, const DeviceContext& dest, bool destMonochrome);
    Pixel operator()(Pixel raw) const;

private:
    enum class Mode { None, MonoToColor, ColorToMono } m_mode = Mode::None;
    Pixel m_one = 0;
    Pixel m_zero = 0;
    Pixel m_sourceBk = 0;
};

}  // namespace ce::gdi
