// Where a pop-up menu's items go: their rows measured in the menu font, the check and arrow
// columns, and which rows the stylus and the arrow keys can land on. Scales with the dpi.
#pragma once

#include <string>
#include <vector>

#include "gwe/menu/Menu.h"
#include "windows.h"

namespace ce::gwe {

struct PopupItem {
    std::u16string label;     // before a tab, drawn with its '&' prefix
    std::u16string shortcut;  // after a tab, right-aligned
    UINT id = 0;
    UINT flags = 0;
    HMENU popup = nullptr;
    RECT rect{};  // client coordinates, inside the frame

    bool isSeparator() const { return flags & MF_SEPARATOR; }
    bool isGrayed() const { return flags & (MF_GRAYED | MF_DISABLED); }
    bool isSelectable() const { return !isSeparator() && !isGrayed(); }
};

class PopupLayout {
public:
    // Measures a copy of the menu's items with font in a DC of the screen's dpi.
    PopupLayout(const Menu& menu, HFONT font, int dpi);
    // The menu font: Tahoma 8 pt at that dpi. The caller deletes it.
    static HFONT createFont(int dpi);

    SIZE size() const { return m_size; }
    int frame() const { return m_frame; }
    int textLeft() const { return m_textLeft; }
    int textRight() const { return m_size.cx - m_frame - m_rightColumn; }
    int scale(int pixelsAt96) const { return pixelsAt96 * m_dpi / 96; }
    const std::vector<PopupItem>& items() const { return m_items; }

    // The row under a client point, or -1 (the frame and outside are no row).
    int itemAt(POINT client) const;
    // The next selectable row from `from` going by direction (+1 or -1), wrapping round;
    // from -1 starts at the top (or the bottom going up). -1 when none is selectable.
    int step(int from, int direction) const;
    // The first selectable row whose '&' prefix marks this key's letter or digit, or -1.
    int mnemonic(UINT virtualKey) const;

private:
    void measure(HDC hdc);

    std::vector<PopupItem> m_items;
    int m_dpi;
    int m_frame;
    int m_textLeft;
    int m_rightColumn = 0;
    SIZE m_size{};
};

}  // namespace ce::gwe
