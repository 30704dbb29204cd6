// Helpers for the GDI tests: a memory DC drawing into a colour bitmap of its own, exact pixel
// checks that save the image as a PNG under the build folder when they fail, and .bmp file
// images built byte by byte.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "gwe/gdi/DeviceContext.h"
#include "gwe/gdi/GdiObject.h"
#include "gwe/gdi/PngWriter.h"
#include "windows.h"

namespace gditest {

// A memory DC with a width x height colour bitmap selected, filled with fill.
class MemoryCanvas {
public:
    MemoryCanvas(int width, int height, COLORREF fill = RGB(255, 255, 255), bool monochrome = false) {
        m_dc = CreateCompatibleDC(nullptr);
        m_bitmap = monochrome ? CreateBitmap(width, height, 1, 1, nullptr) : CreateCompatibleBitmap(nullptr, width, height);
        m_previous = SelectObject(m_dc, m_bitmap);
        HBRUSH brush = CreateSolidBrush(fill);
        RECT all{0, 0, width, height};
        FillRect(m_dc, &all, brush);
        DeleteObject(brush);
    }
    ~MemoryCanvas() {
        SelectObject(m_dc, m_previous);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    HDC dc() const { return m_dc; }
    HBITMAP bitmap() const { return m_bitmap; }
    const ce::gdi::Surface& surface() const { return ce::gdi::findBitmap(m_bitmap)->m_surface; }

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_previous;
};

// Writes the surface under the build folder for a person to look at; returns the path.
inline std::string saveForInspection(const ce::gdi::Surface& surface) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::filesystem::path folder = std::filesystem::current_path() / "gdi-failures";
    std::filesystem::create_directories(folder);
    std::string path = (folder / (std::string(test->test_suite_name()) + "." + test->name() + ".png")).string();
    std::string error;
    return ce::gdi::writePng(surface, path, error) ? path : error;
}

// Each row a string, one character per pixel, looked up in legend (character -> colour).
inline ::testing::AssertionResult pixelsAre(const ce::gdi::Surface& surface, int left, int top,
                                            const std::vector<std::string>& rows,
                                            const std::vector<std::pair<char, COLORREF>>& legend) {
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[y].size(); ++x) {
            COLORREF want = CLR_INVALID;
            for (const auto& [symbol, color] : legend)
                if (symbol == rows[y][x]) want = color;
            int px = left + static_cast<int>(x), py = top + static_cast<int>(y);
            COLORREF got = ce::gdi::toColorRef(surface.pixel(px, py));
            if (got != want) {
                char text[160];
                std::snprintf(text, sizeof text, "pixel %d,%d is RGB(%d,%d,%d), expected RGB(%d,%d,%d) ('%c'); image: ",
                              px, py, GetRValue(got), GetGValue(got), GetBValue(got), GetRValue(want), GetGValue(want),
                              GetBValue(want), rows[y][x]);
                return ::testing::AssertionFailure() << text << saveForInspection(surface);
            }
        }
    return ::testing::AssertionSuccess();
}

inline void put16(std::vector<BYTE>& out, unsigned value) {
    out.push_back(static_cast<BYTE>(value));
    out.push_back(static_cast<BYTE>(value >> 8));
}
inline void put32(std::vector<BYTE>& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// A .bmp file image with a 40-byte header. rows holds each row's pixel values top to bottom
// (palette indexes, or 0x00RRGGBB for 24 bits); they are stored bottom-up unless topDown.
inline std::vector<BYTE> buildBmp(int bitsPerPixel, const std::vector<std::vector<std::uint32_t>>& rows,
                                  const std::vector<COLORREF>& palette = {}, bool topDown = false) {
    int width = static_cast<int>(rows.front().size());
    int height = static_cast<int>(rows.size());
    size_t stride = ((static_cast<size_t>(width) * bitsPerPixel + 31) / 32) * 4;
    std::uint32_t pixelOffset = static_cast<std::uint32_t>(14 + 40 + palette.size() * 4);
    std::vector<BYTE> out{'B', 'M'};
    put32(out, static_cast<std::uint32_t>(pixelOffset + stride * height));
    put32(out, 0);
    put32(out, pixelOffset);
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(topDown ? -height : height));
    put16(out, 1);
    put16(out, static_cast<unsigned>(bitsPerPixel));
    put32(out, BI_RGB);
    for (int i = 0; i < 3; ++i) put32(out, 0);
    put32(out, static_cast<std::uint32_t>(palette.size()));
    put32(out, 0);
    for (COLORREF color : palette) put32(out, (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color));
    for (int i = 0; i < height; ++i) {
        const std::vector<std::uint32_t>& row = rows[static_cast<size_t>(topDown ? i : height - 1 - i)];
        std::vector<BYTE> bytes(stride, 0);
        for (int x = 0; x < width; ++x) {
            std::uint32_t v = row[static_cast<size_t>(x)];
            switch (bitsPerPixel) {
            case 1: bytes[x / 8] |= static_cast<BYTE>((v & 1) << (7 - x % 8)); break;
            case 4: bytes[x / 2] |= static_cast<BYTE>((v & 0xF) << (x % 2 ? 0 : 4)); break;
            case 8: bytes[x] = static_cast<BYTE>(v); break;
            case 24:
                bytes[x * 3] = static_cast<BYTE>(v);
                bytes[x * 3 + 1] = static_cast<BYTE>(v >> 8);
                bytes[x * 3 + 2] = static_cast<BYTE>(v >> 16);
                break;
            }
        }
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    return out;
}

}  // namespace gditest
