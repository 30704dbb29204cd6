// Decoding the pixels of a .bmp file image whose layout BmpLayout has checked.
#include "gwe/gdi/BmpDecoder.h"

#include <bit>
#include <memory>
#include <vector>

#include "gwe/gdi/BmpLayout.h"
#include "gwe/gdi/Canvas.h"
#include "gwe/gdi/GdiObject.h"

namespace ce::gdi {

namespace {

// One colour channel of a bit field mask, scaled to 8 bits.
class Channel {
public:
    explicit Channel(DWORD mask) :
        m_mask(mask), m_shift(mask ? std::countr_zero(mask) : 0), m_bits(std::popcount(mask)) {}

    Pixel value(DWORD pixel) const {
        if (m_bits == 0) return 0;
        unsigned long long field = (pixel & m_mask) >> m_shift;
        if (m_bits >= 8) return static_cast<Pixel>(field >> (m_bits - 8)) & 0xFF;
        unsigned long long max = (1ULL << m_bits) - 1;
        return static_cast<Pixel>((field * 255 + max / 2) / max);
    }

private:
    DWORD m_mask;
    int m_shift;
    int m_bits;
};

class PixelReader {
public:
    PixelReader(const BYTE* data, const BmpLayout& layout) :
        m_layout(layout), m_red(layout.masks[0]), m_green(layout.masks[1]), m_blue(layout.masks[2]) {
        const BYTE* palette = data + layout.paletteOffset;
        for (int i = 0; i < layout.paletteCount; ++i) {
            const BYTE* entry = palette + static_cast<size_t>(i) * layout.paletteEntrySize;
            m_palette.push_back((Pixel{entry[2]} << 16) | (Pixel{entry[1]} << 8) | entry[0]);
        }
    }

    Pixel read(const BYTE* row, int x) const {
        switch (m_layout.bitsPerPixel) {
        case 1: return indexed((row[x / 8] >> (7 - x % 8)) & 1);
        case 4: return indexed((row[x / 2] >> (x % 2 ? 0 : 4)) & 0x0F);
        case 8: return indexed(row[x]);
        case 16: return masked(DWORD{row[x * 2]} | (DWORD{row[x * 2 + 1]} << 8));
        case 24: return (Pixel{row[x * 3 + 2]} << 16) | (Pixel{row[x * 3 + 1]} << 8) | row[x * 3];
        }
        const BYTE* p = row + static_cast<size_t>(x) * 4;
        return masked(DWORD{p[0]} | (DWORD{p[1]} << 8) | (DWORD{p[2]} << 16) | (DWORD{p[3]} << 24));
    }

private:
    // An index past the palette reads as black.
    Pixel indexed(unsigned index) const { return index < m_palette.size() ? m_palette[index] : 0; }
    Pixel masked(DWORD pixel) const {
        return (m_red.value(pixel) << 16) | (m_green.value(pixel) << 8) | m_blue.value(pixel);
    }

    const BmpLayout& m_layout;
    std::vector<Pixel> m_palette;
    Channel m_red;
    Channel m_green;
    Channel m_blue;
};

}  // namespace

// A 1-bit image is monochrome whatever its two palette colours: each becomes the nearer of
// black and white.
HBITMAP createBitmapFromBmp(const BYTE* data, std::size_t size) {
    std::optional<BmpLayout> layout = BmpLayout::parse(data, size);
    if (!layout) return nullptr;
    auto bitmap = std::make_unique<Bitmap>(layout->width, layout->height, layout->bitsPerPixel);
    PixelReader reader(data, *layout);
    bool monochrome = layout->bitsPerPixel == 1;
    for (int fileRow = 0; fileRow < layout->height; ++fileRow) {
        const BYTE* row = data + layout->pixelOffset + layout->stride * static_cast<size_t>(fileRow);
        int y = layout->topDown ? fileRow : layout->height - 1 - fileRow;
        Pixel* out = bitmap->m_surface.row(y);
        for (int x = 0; x < layout->width; ++x) {
            Pixel pixel = reader.read(row, x);
            out[x] = monochrome ? Canvas::toMonochrome(pixel) : pixel;
        }
    }
    return static_cast<HBITMAP>(GdiObjects::instance().add(std::move(bitmap)));
}

}  // namespace ce::gdi
