// The modal loop of a tracked pop-up menu: the stylus and keys go to the open menus whoever
// they were meant for, other messages are dispatched as usual, and the loop ends on a
// choice, a dismissal, WM_CANCELMODE, WM_QUIT (posted again) or the owner's end.
#pragma once

#include <memory>
#include <vector>

#include "gwe/menu/PopupWindow.h"

namespace ce::gwe {

class MenuTracker {
public:
    MenuTracker(HWND owner, UINT flags) : m_owner(owner), m_flags(flags) {}
    ~MenuTracker();
    MenuTracker(const MenuTracker&) = delete;
    MenuTracker& operator=(const MenuTracker&) = delete;

    // Whether a tracked menu is open on this thread now.
    static bool active();

    // Shows the menu at the point (TPM_ alignment, clear of exclude) and runs the loop; the
    // chosen command's id, or 0 when dismissed.
    UINT run(HMENU menu, POINT at, const RECT* exclude);

private:
    void loop();
    bool ended() const;
    // Input for the menus, kept from everyone else; false for messages to dispatch.
    bool intercept(const MSG& msg);
    void onStylusDown(POINT screen);
    void onStylusMove(POINT screen, bool pressed);
    void onStylusUp(POINT screen);
    void onKey(UINT virtualKey);
    void onMnemonic(int level, UINT virtualKey);
    void enter(int level, bool highlightFirst);
    void choose(int level);
    // Highlights the row under the stylus in that menu, opening or closing sub-menus to match.
    void track(int level, POINT screen);
    void openSubmenu(int level, int row);
    void closeFrom(size_t level);
    void closeAll();
    void dismissByTap();
    void notifyInit(HMENU menu, int position);
    // The deepest open menu containing the point, or -1.
    int levelAt(POINT screen) const;

    HWND m_owner;
    UINT m_flags;
    std::vector<std::unique_ptr<PopupWindow>> m_open;  // the root first
    HWND m_captor = nullptr;  // the root menu holds the stylus capture
    bool m_done = false;
    bool m_swallowUp = false;     // the dismissing tap's lift is still to come
    bool m_stylusInMenu = false;  // pressed or dragged onto a row: lifting there chooses it
    UINT m_chosen = 0;
};

}  // namespace ce::gwe
