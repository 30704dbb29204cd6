// The foreground window's icon, read from the window itself: the presenter asks at idle time
// and must not run the program's window procedures to know it.
#include "gwe/WindowIcon.h"

#include "gwe/Window.h"

namespace ce::gwe {

HICON foregroundIcon() {
    const Window* window = WindowTree::instance().find(GetForegroundWindow());
    if (!window) return nullptr;
    return window->m_icons[ICON_BIG] ? window->m_icons[ICON_BIG] : window->m_icons[ICON_SMALL];
}

}  // namespace ce::gwe
