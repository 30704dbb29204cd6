// Dialog units measured on the screen's own DC, so that they follow its dpi.
#include "gwe/dialog/DialogUnits.h"

#include <string>

#include "gwe/Screen.h"

namespace ce::gwe::dialog {

namespace {

constexpr WCHAR c_alphabet[] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// value * numerator / denominator, rounded half away from zero.
int scaleRounded(LONG value, LONG numerator, LONG denominator) {
    long long product = static_cast<long long>(value) * numerator;
    long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

bool isSystemFace(LPCWSTR name) {
    return !name || !name[0] || std::u16string_view(name) == u"System";
}

}  // namespace

HFONT createTemplateFont(const res::DialogResource& resource) {
    if (!(resource.style & DS_SETFONT)) return nullptr;
    LOGFONTW font{};
    int points = resource.fontPoints ? resource.fontPoints : 8;
    font.lfHeight = -scaleRounded(points, Screen::instance().dpi(), 72);
    font.lfWeight = FW_NORMAL;
    std::u16string face = isSystemFace(resource.fontName) ? u"Tahoma" : resource.fontName;
    face.copy(font.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

SIZE baseUnitsOf(HFONT font) {
    HDC hdc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(hdc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    SIZE extent{};
    GetTextExtentPoint32W(hdc, c_alphabet, 52, &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(hdc, &metrics);
    SelectObject(hdc, old);
    DeleteDC(hdc);
    return SIZE{(extent.cx / 26 + 1) / 2, metrics.tmHeight};
}

RECT dialogUnitsToPixels(const RECT& units, SIZE base) {
    return RECT{scaleRounded(units.left, base.cx, 4), scaleRounded(units.top, base.cy, 8),
                scaleRounded(units.right, base.cx, 4), scaleRounded(units.bottom, base.cy, 8)};
}

}  // namespace ce::gwe::dialog
