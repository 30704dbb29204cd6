#include "gwe/font/EmbeddedFaces.h"

#ifdef CE_EMBEDDED_TAHOMA
extern "C" const unsigned char ce_font_tahoma_regular[], ce_font_tahoma_regular_end[];
extern "C" const unsigned char ce_font_tahoma_bold[], ce_font_tahoma_bold_end[];
#endif

namespace ce::font {

namespace {

constexpr const char* c_regular = "<built-in Tahoma>";
constexpr const char* c_bold = "<built-in Tahoma Bold>";

}  // namespace

std::string embeddedPath(bool bold) {
#ifdef CE_EMBEDDED_TAHOMA
    return bold ? c_bold : c_regular;
#else
    (void)bold;
    return {};
#endif
}

std::span<const unsigned char> embeddedFace(const std::string& path) {
#ifdef CE_EMBEDDED_TAHOMA
    if (path == c_regular) return {ce_font_tahoma_regular, ce_font_tahoma_regular_end};
    if (path == c_bold) return {ce_font_tahoma_bold, ce_font_tahoma_bold_end};
#else
    (void)path;
#endif
    return {};
}

}  // namespace ce::font
