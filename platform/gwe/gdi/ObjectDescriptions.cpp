// GetObjectW's descriptions of brushes, pens and bitmaps.
#include <algorithm>
#include <cstring>

#include "gwe/gdi/GdiObject.h"

namespace ce::gdi {

namespace {

template <class T>
int copyOut(const T& description, int size, void* buffer) {
    if (!buffer) return static_cast<int>(sizeof(T));
    int bytes = std::min(size, static_cast<int>(sizeof(T)));
    if (bytes <= 0) return 0;
    std::memcpy(buffer, &description, static_cast<size_t>(bytes));
    return bytes;
}

}  // namespace

int Brush::describe(int size, void* buffer) const {
    return copyOut(LOGBRUSH{m_hollow ? UINT{BS_NULL} : UINT{BS_SOLID}, m_color, 0}, size, buffer);
}

int Pen::describe(int size, void* buffer) const {
    return copyOut(LOGPEN{static_cast<UINT>(m_style), POINT{m_width, 0}, m_color}, size, buffer);
}

// Rows are padded to 16 bits, as for a device-dependent bitmap; the bits are not exposed.
int Bitmap::describe(int size, void* buffer) const {
    LONG widthBytes = ((m_surface.width() * m_bitsPerPixel + 15) / 16) * 2;
    BITMAP info{0, m_surface.width(), m_surface.height(), widthBytes, 1, static_cast<WORD>(m_bitsPerPixel), nullptr};
    return copyOut(info, size, buffer);
}

}  // namespace ce::gdi
