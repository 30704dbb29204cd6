// The fonts, colours and brushes the application draws with: list items, the title label and
// the button bar. One per application, made for the main window's resolution.
#pragma once

#include <windows.h>

namespace Nevo {

enum ColorType {
    ColorSelText,
    ColorSelBack,
    ColorItemBackOdd,
    ColorItemBackEven,
    ColorItemText,
    ColorTitleText,
    ColorActiveLabelText,
    ColorActiveLabelBack,
    ColorLabelText,
    ColorLabelBack,
    ColorTypeCount
};

enum FontType { FontBold, FontSemiBold, FontNormal, FontItem, FontItemDetail, FontSpare, FontTypeCount };

class Theme {
public:
    // Fonts sized for the display of `window`.
    explicit Theme(HWND window);
    ~Theme();
    Theme(const Theme&) = delete;
    Theme& operator=(const Theme&) = delete;

    COLORREF getColor(ColorType type) const { return m_colors[type]; }
    // Forgets the cached brush of the type, so the next getBrush paints in the new colour.
    void setColor(ColorType type, COLORREF color);
    // Made on first use and kept; the theme owns it.
    HBRUSH getBrush(ColorType type);
    // Null for a type never set. The theme owns it.
    HFONT getFont(FontType type) const { return m_fonts[type]; }
    // Takes ownership of `font`, deleting the one the type had.
    void setFont(FontType type, HFONT font);
    // A Tahoma font for the resolution of the thread's active window.
    void setFont(FontType type, int points, int bold);

    static int fontHeight(int points, int dpi) { return -(points * dpi / 72); }
    // The vertical resolution of the display `window` is on.
    static int windowDpi(HWND window);

private:
    void createFonts(HWND window);
    void createColors();
    static HFONT createTahoma(int points, int dpi, LONG weight);

    HBRUSH m_brushes[ColorTypeCount];
    HFONT m_fonts[FontTypeCount];
    COLORREF m_colors[ColorTypeCount];
};

}  // namespace Nevo
