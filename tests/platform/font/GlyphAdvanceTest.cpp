// Advances at the sizes Tahoma has no strikes for (the VGA screen's fonts): each character
// moves the pen by the face's own advance at that size, rounded, as the file gives it, so
// that punctuation is spaced as evenly as letters.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <filesystem>
#include <string>

#include "platform/font/TextCanvas.h"

namespace fonttest {
namespace {

constexpr const char* c_tahoma = "/usr/share/wine/fonts/tahoma.ttf";

// The file's design advances, read with FreeType apart from the platform.
class DesignAdvances {
public:
    DesignAdvances() {
        if (FT_Init_FreeType(&m_library) != 0) m_library = nullptr;
        if (m_library && FT_New_Face(m_library, c_tahoma, 0, &m_face) != 0) m_face = nullptr;
    }
    ~DesignAdvances() {
        if (m_face) FT_Done_Face(m_face);
        if (m_library) FT_Done_FreeType(m_library);
    }
    DesignAdvances(const DesignAdvances&) = delete;
    DesignAdvances& operator=(const DesignAdvances&) = delete;

    bool usable() const { return m_face != nullptr; }
    // The text's width at ppem: each character's design advance scaled and rounded.
    int width(std::u16string_view text, int ppem) const {
        int sum = 0;
        for (char16_t c : text) {
            FT_Load_Glyph(m_face, FT_Get_Char_Index(m_face, c), FT_LOAD_NO_SCALE | FT_LOAD_NO_BITMAP);
            sum += static_cast<int>(std::lround(static_cast<double>(m_face->glyph->advance.x) * ppem /
                                                m_face->units_per_EM));
        }
        return sum;
    }

private:
    FT_Library m_library = nullptr;
    FT_Face m_face = nullptr;
};

int measured(std::u16string_view text, int ppem) {
    HFONT font = createFont(-ppem);
    TextCanvas canvas(1, 1, font);
    SIZE size{};
    GetTextExtentPoint32W(canvas.hdc(), text.data(), static_cast<int>(text.size()), &size);
    WCHAR face[LF_FACESIZE] = {};
    GetTextFaceW(canvas.hdc(), LF_FACESIZE, face);
    deleteFont(font);
    return std::u16string_view(face) == u"Tahoma" ? static_cast<int>(size.cx) : -1;
}

TEST(GlyphAdvanceTest, PunctuationAndLettersTakeTheFacesOwnAdvanceAtLargeSizes) {
    DesignAdvances design;
    if (!design.usable()) GTEST_SKIP() << c_tahoma << " is not installed";
    // 21 and 24 ppem are 8 and 9 points at 192 dpi; 26 is where the auto-hinter narrowed ':'.
    for (int ppem : {17, 21, 24, 26, 30}) {
        for (char16_t c : std::u16string_view(u",:;.!' 0aSW")) {
            std::u16string one(1, c);
            EXPECT_EQ(measured(one, ppem), design.width(one, ppem)) << "'" << static_cast<char>(c) << "' at " << ppem;
        }
        for (std::u16string_view text : {u"40, 960", u"Selected: Inbox"})
            EXPECT_EQ(measured(text, ppem), design.width(text, ppem)) << ppem;
    }
}

}  // namespace
}  // namespace fonttest
