// The system colour table and GetSysColor, GetSysColorBrush, SetSysColors.
#include "gwe/gdi/SysColors.h"

#include <memory>

#include "gwe/gdi/GdiObject.h"
#include "winbase.h"

namespace ce::gdi {

namespace {

// The Pocket PC 2003 look: white windows and dialogs with black text, grey 3D parts and a
// dark blue selection. The device's exact values are not published; the highlight is the
// navy of the classic scheme, which the handheld's lists and menus showed by default.
constexpr std::array<COLORREF, C_SYS_COLOR_TYPES> c_defaultColors = {
    RGB(192, 192, 192),  // COLOR_SCROLLBAR
    RGB(255, 255, 255),  // COLOR_BACKGROUND
    RGB(0, 0, 128),      // COLOR_ACTIVECAPTION
    RGB(128, 128, 128),  // COLOR_INACTIVECAPTION
    RGB(255, 255, 255),  // COLOR_MENU
    RGB(255, 255, 255),  // COLOR_WINDOW
    RGB(0, 0, 0),        // COLOR_WINDOWFRAME
    RGB(0, 0, 0),        // COLOR_MENUTEXT
    RGB(0, 0, 0),        // COLOR_WINDOWTEXT
    RGB(255, 255, 255),  // COLOR_CAPTIONTEXT
    RGB(192, 192, 192),  // COLOR_ACTIVEBORDER
    RGB(192, 192, 192),  // COLOR_INACTIVEBORDER
    RGB(128, 128, 128),  // COLOR_APPWORKSPACE
    RGB(0, 0, 128),      // COLOR_HIGHLIGHT
    RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    RGB(192, 192, 192),  // COLOR_BTNFACE
    RGB(128, 128, 128),  // COLOR_BTNSHADOW
    RGB(128, 128, 128),  // COLOR_GRAYTEXT
    RGB(0, 0, 0),        // COLOR_BTNTEXT
    RGB(192, 192, 192),  // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    RGB(0, 0, 0),        // COLOR_3DDKSHADOW
    RGB(224, 224, 224),  // COLOR_3DLIGHT
    RGB(0, 0, 0),        // COLOR_INFOTEXT
    RGB(255, 255, 225),  // COLOR_INFOBK
    RGB(255, 255, 255),  // COLOR_STATIC: dialogs are white on the handheld
    RGB(0, 0, 0),        // COLOR_STATICTEXT
    RGB(16, 132, 208),   // COLOR_GRADIENTACTIVECAPTION
    RGB(192, 192, 192),  // COLOR_GRADIENTINACTIVECAPTION
};

}  // namespace

SysColors& SysColors::instance() {
    static SysColors colors;
    return colors;
}

SysColors::SysColors() : m_colors(c_defaultColors) {}

int SysColors::indexOf(int color) {
    int index = color & ~SYS_COLOR_INDEX_FLAG;
    return index >= 0 && index < C_SYS_COLOR_TYPES ? index : -1;
}

// Real handles always have bit 31 set, so the small values cannot be mistaken for one.
int SysColors::indexOfBrushValue(HBRUSH value) {
    auto raw = reinterpret_cast<std::uintptr_t>(value);
    if (raw == 0 || raw > std::uintptr_t{0x7FFFFFFF}) return -1;
    return indexOf(static_cast<int>(raw) - 1);
}

void SysColors::setColor(int index, COLORREF color) {
    m_colors[static_cast<size_t>(index)] = color & 0xFFFFFF;
    if (Brush* brush = findBrush(m_brushes[static_cast<size_t>(index)])) brush->m_color = color & 0xFFFFFF;
}

HBRUSH SysColors::brush(int index) {
    HBRUSH& brush = m_brushes[static_cast<size_t>(index)];
    if (!brush) {
        auto object = std::make_unique<Brush>(color(index), false);
        object->makeStock();
        brush = static_cast<HBRUSH>(GdiObjects::instance().add(std::move(object)));
    }
    return brush;
}

}  // namespace ce::gdi

using ce::gdi::SysColors;

DWORD GetSysColor(int nIndex) {
    int index = SysColors::indexOf(nIndex);
    return index < 0 ? 0 : SysColors::instance().color(index);
}

HBRUSH GetSysColorBrush(int nIndex) {
    int index = SysColors::indexOf(nIndex);
    if (index < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return SysColors::instance().brush(index);
}

// Windows are not repainted here: the window manager does that when it learns of the change.
BOOL SetSysColors(int cElements, const INT* lpaElements, const COLORREF* lpaRgbValues) {
    if (cElements < 0 || (cElements > 0 && (!lpaElements || !lpaRgbValues))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    for (int i = 0; i < cElements; ++i) {
        int index = SysColors::indexOf(lpaElements[i]);
        if (index >= 0) SysColors::instance().setColor(index, lpaRgbValues[i]);
    }
    return TRUE;
}
