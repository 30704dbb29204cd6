// Creating bitmaps: compatible with a DC, or from bits.
#include <memory>

#include "gwe/gdi/Canvas.h"
#include "gwe/gdi/GdiObject.h"
#include "winbase.h"

using ce::gdi::Bitmap;
using ce::gdi::Pixel;

namespace {

// The depth CreateCompatibleBitmap gives colour bitmaps: the screen's, as GetDeviceCaps says.
constexpr int c_screenBitsPerPixel = 16;
// Keeps a bad size from asking for gigabytes.
constexpr long long c_maxPixels = 16LL * 1024 * 1024;

HBITMAP addBitmap(std::unique_ptr<Bitmap> bitmap) {
    return static_cast<HBITMAP>(ce::gdi::GdiObjects::instance().add(std::move(bitmap)));
}

bool sizeAllowed(int width, int height) {
    if (width < 0 || height < 0 || static_cast<long long>(width) * height > c_maxPixels) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    return true;
}

// 1 bit per pixel, most significant bit leftmost, rows padded to 16 bits; bit 1 is white.
void copyMonochromeBits(Bitmap& bitmap, const BYTE* bits) {
    int width = bitmap.m_surface.width();
    size_t stride = static_cast<size_t>((width + 15) / 16) * 2;
    for (int y = 0; y < bitmap.m_surface.height(); ++y) {
        const BYTE* row = bits + stride * static_cast<size_t>(y);
        for (int x = 0; x < width; ++x)
            bitmap.m_surface.setPixel(x, y, (row[x / 8] >> (7 - x % 8)) & 1 ? 0xFFFFFF : 0);
    }
}

// 32 bits per pixel: each a little-endian 0x00RRGGBB.
void copyColorBits(Bitmap& bitmap, const BYTE* bits) {
    for (int y = 0; y < bitmap.m_surface.height(); ++y) {
        Pixel* row = bitmap.m_surface.row(y);
        for (int x = 0; x < bitmap.m_surface.width(); ++x) {
            const BYTE* p = bits + (static_cast<size_t>(y) * bitmap.m_surface.width() + x) * 4;
            row[x] = Pixel{p[0]} | (Pixel{p[1]} << 8) | (Pixel{p[2]} << 16);
        }
    }
}

}  // namespace

// Monochrome when the DC is a memory DC holding a monochrome bitmap (its stock one included),
// screen colour otherwise. An empty size gives a 1 x 1 monochrome bitmap.
HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
    ce::gdi::DeviceContext* dc = nullptr;
    if (hdc && !(dc = ce::gdi::DeviceContext::find(hdc))) return nullptr;
    if (!sizeAllowed(cx, cy)) return nullptr;
    if (cx == 0 || cy == 0) return addBitmap(std::make_unique<Bitmap>(1, 1, 1));
    bool monochrome = dc && ce::gdi::Canvas::isMonochrome(*dc);
    return addBitmap(std::make_unique<Bitmap>(cx, cy, monochrome ? 1 : c_screenBitsPerPixel));
}

// One plane of 1 or 32 bits per pixel; without bits the bitmap starts black.
HBITMAP CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void* lpBits) {
    if (nPlanes != 1 || (nBitCount != 1 && nBitCount != 32)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!sizeAllowed(nWidth, nHeight)) return nullptr;
    if (nWidth == 0 || nHeight == 0) return addBitmap(std::make_unique<Bitmap>(1, 1, 1));
    auto bitmap = std::make_unique<Bitmap>(nWidth, nHeight, static_cast<int>(nBitCount));
    const BYTE* bits = static_cast<const BYTE*>(lpBits);
    if (bits && nBitCount == 1) copyMonochromeBits(*bitmap, bits);
    if (bits && nBitCount == 32) copyColorBits(*bitmap, bits);
    return addBitmap(std::move(bitmap));
}
