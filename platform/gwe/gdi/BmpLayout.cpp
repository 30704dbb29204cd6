// Parsing and validating BITMAPFILEHEADER, BITMAPINFOHEADER (and its longer versions, and
// the old 12-byte core header), the bit field masks and the palette.
#include "gwe/gdi/BmpLayout.h"

#include "wingdi.h"
#include "winbase.h"

namespace ce::gdi {

namespace {

constexpr std::size_t c_fileHeaderSize = 14;
constexpr std::size_t c_coreHeaderSize = 12;
constexpr std::size_t c_infoHeaderSize = 40;
// Large enough for any image a handheld program carries; keeps a hostile size from
// allocating gigabytes.
constexpr long long c_maxPixels = 16LL * 1024 * 1024;

DWORD read16(const BYTE* p) {
    return DWORD{p[0]} | (DWORD{p[1]} << 8);
}
DWORD read32(const BYTE* p) {
    return read16(p) | (read16(p + 2) << 16);
}

bool fits(std::size_t offset, unsigned long long length, std::size_t size) {
    return offset <= size && length <= size - offset;
}

std::optional<BmpLayout> refuse(DWORD error) {
    SetLastError(error);
    return std::nullopt;
}

struct InfoFields {
    long long width;
    long long height;
    DWORD planes;
    DWORD bitCount;
    DWORD compression;
    DWORD colorsUsed;
};

InfoFields readInfo(const BYTE* header, std::size_t headerSize) {
    if (headerSize == c_coreHeaderSize)
        return {read16(header + 4), read16(header + 6), read16(header + 8), read16(header + 10), BI_RGB, 0};
    return {static_cast<LONG>(read32(header + 4)), static_cast<LONG>(read32(header + 8)), read16(header + 12),
            read16(header + 14), read32(header + 16), read32(header + 32)};
}

bool validDepth(DWORD bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

std::array<DWORD, 3> defaultMasks(int bitsPerPixel) {
    if (bitsPerPixel == 16) return {0x7C00, 0x03E0, 0x001F};
    return {0x00FF0000, 0x0000FF00, 0x000000FF};
}

}  // namespace

std::optional<BmpLayout> BmpLayout::parse(const BYTE* data, std::size_t size) {
    if (!data || !fits(0, c_fileHeaderSize + 4, size) || data[0] != 'B' || data[1] != 'M')
        return refuse(ERROR_INVALID_DATA);
    std::size_t headerSize = read32(data + c_fileHeaderSize);
    if ((headerSize != c_coreHeaderSize && headerSize < c_infoHeaderSize) || !fits(c_fileHeaderSize, headerSize, size))
        return refuse(ERROR_INVALID_DATA);
    const BYTE* header = data + c_fileHeaderSize;
    InfoFields info = readInfo(header, headerSize);
    if (info.compression == BI_RLE4 || info.compression == BI_RLE8 || info.compression > BI_BITFIELDS)
        return refuse(ERROR_NOT_SUPPORTED);
    bool bitfields = info.compression == BI_BITFIELDS;
    long long height = info.height < 0 ? -info.height : info.height;
    if (info.planes != 1 || !validDepth(info.bitCount) || info.width <= 0 || height == 0 ||
        info.width * height > c_maxPixels || (bitfields && info.bitCount != 16 && info.bitCount != 32))
        return refuse(ERROR_INVALID_DATA);

    BmpLayout layout;
    layout.width = static_cast<int>(info.width);
    layout.height = static_cast<int>(height);
    layout.topDown = info.height < 0;
    layout.bitsPerPixel = static_cast<int>(info.bitCount);
    layout.paletteEntrySize = headerSize == c_coreHeaderSize ? 3 : 4;
    layout.paletteOffset = c_fileHeaderSize + headerSize;
    layout.masks = defaultMasks(layout.bitsPerPixel);
    if (bitfields) {
        // The masks follow a 40-byte header, and are part of the longer ones.
        std::size_t masksAt = c_fileHeaderSize + c_infoHeaderSize;
        if (!fits(masksAt, 12, size)) return refuse(ERROR_INVALID_DATA);
        layout.masks = {read32(data + masksAt), read32(data + masksAt + 4), read32(data + masksAt + 8)};
        if (headerSize == c_infoHeaderSize) layout.paletteOffset += 12;
    }
    if (layout.bitsPerPixel <= 8) {
        long long maxColors = 1LL << layout.bitsPerPixel;
        layout.paletteCount = static_cast<int>(info.colorsUsed ? info.colorsUsed : maxColors);
        if (info.colorsUsed > maxColors ||
            !fits(layout.paletteOffset, 1ULL * static_cast<unsigned>(layout.paletteCount) * layout.paletteEntrySize, size))
            return refuse(ERROR_INVALID_DATA);
    }
    layout.pixelOffset = read32(data + 10);
    unsigned long long stride = ((static_cast<unsigned long long>(info.width) * info.bitCount + 31) / 32) * 4;
    layout.stride = static_cast<std::size_t>(stride);
    if (!fits(layout.pixelOffset, stride * static_cast<unsigned long long>(height), size))
        return refuse(ERROR_INVALID_DATA);
    return layout;
}

}  // namespace ce::gdi
