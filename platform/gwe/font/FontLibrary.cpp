// FreeType and fontconfig setup and teardown; faces go before the library, and fontconfig
// is finished at exit so that leak checks see nothing of it.
#include "gwe/font/FontLibrary.h"

#include <cstdio>

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include "gwe/Screen.h"
#include "gwe/font/EmbeddedFaces.h"

namespace ce::font {

namespace {

// fonts-wine installs Tahoma here, outside fontconfig's own folders.
constexpr const char* c_wineFonts = "/usr/share/wine/fonts";

}  // namespace

FontLibrary& FontLibrary::instance() {
    static FontLibrary library;
    return library;
}

FontLibrary::FontLibrary() {
    if (FT_Init_FreeType(&m_freetype) != 0) {
        std::fprintf(stderr, "ceplatform: FreeType could not start; no text will be drawn\n");
        m_freetype = nullptr;
    }
    FcInit();
    FcConfigAppFontAddDir(nullptr, reinterpret_cast<const FcChar8*>(c_wineFonts));
    m_matcher = std::make_unique<FontMatcher>(FcConfigGetCurrent());
}

FontLibrary::~FontLibrary() {
    m_faces.clear();
    if (m_freetype) FT_Done_FreeType(m_freetype);
    m_matcher.reset();
    FcFini();
}

bool FontLibrary::open(const std::string& path, int index, FT_FaceRec_** face) {
    if (!m_freetype || path.empty()) return false;
    std::span<const unsigned char> bytes = embeddedFace(path);
    if (!bytes.empty())
        return FT_New_Memory_Face(m_freetype, bytes.data(), static_cast<FT_Long>(bytes.size()), index, face) == 0;
    return FT_New_Face(m_freetype, path.c_str(), index, face) == 0;
}

FontFace* FontLibrary::face(const std::string& path, int index, int ppem) {
    auto key = std::make_tuple(path, index, ppem);
    auto found = m_faces.find(key);
    if (found != m_faces.end()) return found->second.get();
    FT_Face face = nullptr;
    if (!open(path, index, &face)) return nullptr;
    auto opened = std::make_unique<FontFace>(face, ppem, gwe::Screen::instance().dpi());
    return m_faces.emplace(key, std::move(opened)).first->second.get();
}

double FontLibrary::cellPerEm(const std::string& path, int index) {
    FT_Face face = nullptr;
    if (!open(path, index, &face)) return 1.0;
    double ratio = FaceMetrics::cellPerEm(face);
    FT_Done_Face(face);
    return ratio;
}

}  // namespace ce::font
