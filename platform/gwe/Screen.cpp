// The screen's mode comes from CE_SCREEN once, at first use.
#include "gwe/Screen.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace ce::gwe {

Screen& Screen::instance() {
    static Screen screen;
    return screen;
}

Screen::Screen() {
    const char* mode = std::getenv("CE_SCREEN");
    bool vga = mode && std::strcmp(mode, "vga") == 0;
    if (mode && *mode && !vga && std::strcmp(mode, "qvga") != 0)
        std::fprintf(stderr, "CE_SCREEN=%s is not a screen mode (qvga or vga); using qvga\n", mode);
    m_dpi = vga ? 192 : 96;
    m_surface = gdi::Surface(vga ? 480 : 240, vga ? 640 : 320, 0xFFFFFF);
}

}  // namespace ce::gwe
