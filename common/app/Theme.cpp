// Theme: the initial Tahoma fonts at the window's resolution and the handheld's colours,
// brushes cached per colour slot.
#include "app/Theme.h"

namespace Nevo {

namespace {

constexpr int c_points = 9;
// Semibold on the handheld is 648, between FW_SEMIBOLD and FW_BOLD.
constexpr LONG c_semiBold = 648;

}  // namespace

Theme::Theme(HWND window) : m_brushes{}, m_fonts{}, m_colors{} {
    createFonts(window);
    createColors();
}

Theme::~Theme() {
    for (HBRUSH brush : m_brushes) {
        if (brush)
            DeleteObject(brush);
    }
    for (HFONT font : m_fonts) {
        if (font)
            DeleteObject(font);
    }
}

int Theme::windowDpi(HWND window) {
    HDC dc = GetDC(window);
    int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(window, dc);
    return dpi;
}

HFONT Theme::createTahoma(int points, int dpi, LONG weight) {
    LOGFONTW description{};
    description.lfCharSet = DEFAULT_CHARSET;
    wcscpy(description.lfFaceName, u"Tahoma");
    description.lfWeight = weight;
    description.lfHeight = fontHeight(points, dpi);
    HFONT font = CreateFontIndirectW(&description);
    if (font)
        return font;
    // Any roman face rather than none.
    description.lfPitchAndFamily = FF_ROMAN;
    description.lfFaceName[0] = 0;
    return CreateFontIndirectW(&description);
}

void Theme::createFonts(HWND window) {
    int dpi = windowDpi(window);
    m_fonts[FontBold] = createTahoma(c_points, dpi, FW_BOLD);
    m_fonts[FontSemiBold] = createTahoma(c_points, dpi, c_semiBold);
    m_fonts[FontItem] = createTahoma(c_points, dpi, c_semiBold);
    m_fonts[FontNormal] = createTahoma(c_points, dpi, FW_NORMAL);
    m_fonts[FontItemDetail] = createTahoma(c_points, dpi, FW_NORMAL);
}

void Theme::createColors() {
    COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    COLORREF highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    setColor(ColorSelText, highlightText);
    setColor(ColorSelBack, highlight);
    setColor(ColorItemBackOdd, RGB(255, 255, 255));
    setColor(ColorItemBackEven, RGB(220, 220, 220));
    setColor(ColorItemText, RGB(0, 0, 0));
    setColor(ColorTitleText, highlight);
    setColor(ColorLabelBack, GetSysColor(COLOR_BTNFACE));
    setColor(ColorLabelText, GetSysColor(COLOR_BTNTEXT));
    setColor(ColorActiveLabelBack, highlight);
    setColor(ColorActiveLabelText, highlightText);
}

void Theme::setColor(ColorType type, COLORREF color) {
    m_colors[type] = color;
    if (m_brushes[type]) {
        DeleteObject(m_brushes[type]);
        m_brushes[type] = nullptr;
    }
}

HBRUSH Theme::getBrush(ColorType type) {
    if (!m_brushes[type])
        m_brushes[type] = CreateSolidBrush(m_colors[type]);
    return m_brushes[type];
}

void Theme::setFont(FontType type, HFONT font) {
    if (m_fonts[type])
        DeleteObject(m_fonts[type]);
    m_fonts[type] = font;
}

void Theme::setFont(FontType type, int points, int bold) {
    LONG weight = bold ? FW_BOLD : FW_NORMAL;
    setFont(type, createTahoma(points, windowDpi(GetActiveWindow()), weight));
}

}  // namespace Nevo
