// Drawing on a device context's surface: clipped pixel writes in surface coordinates, colours
// reduced to black or white on a monochrome bitmap, and one paintedOver report at the end.
#pragma once

#include <optional>

#include "gwe/gdi/DeviceContext.h"

namespace ce::gdi {

class Canvas {
public:
    explicit Canvas(DeviceContext& dc);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    DeviceContext& dc() { return m_dc; }
    Surface& surface() { return m_surface; }
    const Region& clip() const { return m_clip; }
    bool monochrome() const { return m_monochrome; }
    // A colour as this surface stores it.
    Pixel pixelOf(COLORREF color) const;
    // The selected brush's colour, or none for the hollow brush.
    std::optional<Pixel> brushPixel() const;

    // f(Pixel& pixel, int x, int y) for each pixel of rect (surface coordinates) inside the clip.
    template <class F>
    void forEach(const RECT& rect, F f) {
        for (const RECT& piece : m_clip.rects()) {
            RECT area = intersection(piece, rect);
            if (isEmpty(area)) continue;
            for (int y = area.top; y < area.bottom; ++y) {
                Pixel* row = m_surface.row(y);
                for (int x = area.left; x < area.right; ++x) f(row[x], x, y);
            }
            touched(area);
        }
    }
    void fill(const RECT& rect, Pixel value);
    void plot(int x, int y, Pixel value);

    static bool isMonochrome(const DeviceContext& dc);
    // The nearer of black and white.
    static Pixel toMonochrome(Pixel pixel);

private:
    void touched(const RECT& area);

    DeviceContext& m_dc;
    Surface& m_surface;
    Region m_clip;
    bool m_monochrome;
    Region m_touched;
};

}  // namespace ce::gdi
