#include "frame/PageCommands.h"

#include <aygshell.h>

#include "frame/PageButton.h"
#include "resources/ActiveApp.h"

namespace Orvane {

namespace {

int scrollCodeOf(UINT command) {
    switch (command) {
    case PageButton::c_pageUp: return SB_PAGEUP;
    case PageButton::c_pageDown: return SB_PAGEDOWN;
    case c_commandHome: return SB_TOP;
    case c_commandEnd: return SB_BOTTOM;
    default: return -1;
    }
}

}  // namespace

bool handlePageMessage(HWND frame, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_COMMAND) {
        int code = scrollCodeOf(LOWORD(wParam));
        if (code < 0) return false;
        result = SendMessageW(frame, WM_VSCROLL, static_cast<WPARAM>(code), 0);
        return true;
    }
    if (message != WM_NOTIFY) return false;
    auto* hold = reinterpret_cast<const NMRGINFO*>(lParam);
    if (hold->hdr.code != GN_CONTEXTMENU) return false;
    if (hold->hdr.idFrom == PageButton::c_pageUp)
        result = offerCommand(frame, c_commandHome, activeString(c_commandHome), hold->ptAction);
    else if (hold->hdr.idFrom == PageButton::c_pageDown)
        result = offerCommand(frame, c_commandEnd, activeString(c_commandEnd), hold->ptAction);
    else
        return false;
    return true;
}

BOOL offerCommand(HWND owner, UINT command, const WCHAR* text, POINT at) {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, command, text);
    BOOL result = TrackPopupMenuEx(menu, TPM_BOTTOMALIGN, at.x, at.y, owner, nullptr);
    DestroyMenu(menu);
    return result;
}

}  // namespace Orvane
