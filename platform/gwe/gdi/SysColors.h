// The system colours: the handheld's default scheme, SetSysColors changes, and one stock
// brush per colour that follows the colour when it changes.
#pragma once

#include <array>

#include "winuser.h"

namespace ce::gdi {

class SysColors {
public:
    static SysColors& instance();

    // The table index of COLOR_x, given with or without SYS_COLOR_INDEX_FLAG; -1 if none.
    static int indexOf(int color);
    // FillRect's and a window class's (COLOR_x + 1) cast to HBRUSH; -1 for a real handle.
    static int indexOfBrushValue(HBRUSH value);

    COLORREF color(int index) const { return m_colors[static_cast<size_t>(index)]; }
    void setColor(int index, COLORREF color);
    HBRUSH brush(int index);

private:
    SysColors();

    std::array<COLORREF, C_SYS_COLOR_TYPES> m_colors;
    std::array<HBRUSH, C_SYS_COLOR_TYPES> m_brushes{};
};

}  // namespace ce::gdi
