// SYSTEM_FONT: the handheld's system font.
#include <memory>

#include "gwe/Screen.h"
#include "gwe/font/FontObject.h"

namespace ce::gdi {

// Pocket PC draws its system text in Tahoma 8 pt of normal weight (dialog templates naming
// "System" get it too): -11 pixels per em at 96 dpi, a 13-pixel line, -21 at 192 dpi.
HFONT createStockSystemFont() {
    LOGFONTW logFont{};
    int dpi = gwe::Screen::instance().dpi();
    logFont.lfHeight = -((8 * dpi + 36) / 72);
    logFont.lfWeight = FW_NORMAL;
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    std::char_traits<WCHAR>::copy(logFont.lfFaceName, u"Tahoma", 7);
    auto font = std::make_unique<font::FontObject>(logFont);
    font->makeStock();
    return static_cast<HFONT>(GdiObjects::instance().add(std::move(font)));
}

}  // namespace ce::gdi
