// Test helpers for text: Tahoma fonts by size and weight, and a memory DC over a white
// bitmap that writes its pixels to a PNG when a test fails, so a person can look.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "gwe/gdi/DeviceContext.h"
#include "gwe/gdi/GdiObject.h"
#include "gwe/gdi/PngWriter.h"
#include "windows.h"

namespace fonttest {

constexpr ce::gdi::Pixel c_white = 0xFFFFFF;

inline HFONT createFont(LONG height, LONG weight = FW_NORMAL, const char16_t* face = u"Tahoma") {
    LOGFONTW logFont{};
    logFont.lfHeight = height;
    logFont.lfWeight = weight;
    std::char_traits<WCHAR>::copy(logFont.lfFaceName, face, std::char_traits<WCHAR>::length(face) + 1);
    return CreateFontIndirectW(&logFont);
}

inline void deleteFont(HFONT font) {
    ce::gdi::GdiObjects::instance().remove(font);
}

class TextCanvas {
public:
    TextCanvas(int width, int height, HFONT font) : m_hdc(ce::gdi::DeviceContext::createMemory()) {
        auto bitmap = std::make_unique<ce::gdi::Bitmap>(width, height, 32);
        bitmap->m_surface = ce::gdi::Surface(width, height, c_white);
        m_bitmap = static_cast<HBITMAP>(ce::gdi::GdiObjects::instance().add(std::move(bitmap)));
        dc().selectBitmap(m_bitmap);
        if (font) dc().selectFont(font);
    }
    ~TextCanvas() {
        ce::gdi::DeviceContext::destroy(m_hdc);
        ce::gdi::GdiObjects::instance().remove(m_bitmap);
    }
    TextCanvas(const TextCanvas&) = delete;
    TextCanvas& operator=(const TextCanvas&) = delete;

    HDC hdc() const { return m_hdc; }
    ce::gdi::DeviceContext& dc() const { return *ce::gdi::DeviceContext::find(m_hdc); }
    ce::gdi::Surface& surface() const { return dc().surface(); }
    ce::gdi::Pixel pixel(int x, int y) const { return surface().pixel(x, y); }

    // Pixels in rect (clipped to the bitmap) that are not the given colour.
    int countOther(const RECT& rect, ce::gdi::Pixel colour = c_white) const {
        int count = 0;
        for (int y = std::max(0, int(rect.top)); y < std::min(surface().height(), int(rect.bottom)); ++y)
            for (int x = std::max(0, int(rect.left)); x < std::min(surface().width(), int(rect.right)); ++x)
                count += pixel(x, y) != colour;
        return count;
    }
    // Pixels outside rect that are not white.
    int countOutside(const RECT& rect) const {
        return countOther(surface().bounds()) - countOther(rect);
    }

    // Call from a fixture's TearDown: writes the pixels when the test failed.
    void saveIfFailed() const {
        if (!::testing::Test::HasFailure()) return;
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string path = ::testing::TempDir() + info->test_suite_name() + "." + info->name() + ".png";
        std::string error;
        if (ce::gdi::writePng(surface(), path, error)) std::printf("the drawing is in %s\n", path.c_str());
        else std::printf("could not write %s: %s\n", path.c_str(), error.c_str());
    }

private:
    HDC m_hdc;
    HBITMAP m_bitmap;
};

}  // namespace fonttest
