// The frame's handling of the page buttons: their commands become page scrolling of the
// card on top, and a tap-and-hold on them offers Home or End.
#pragma once

#include <windows.h>

#include "UiResourceIds.h"

namespace Orvane {

// Commands that work from anywhere in the frame: the list's first and last rows. Each is
// the number of its own text, which nevo_ui supplies.
constexpr UINT c_commandHome = IDS_HOME;
constexpr UINT c_commandEnd = IDS_END;

// Consulted by the frame right after its own handlers. True when the message was a page
// button's; `result` then holds the answer. Scrolling is sent to `frame` itself, so it goes
// through the frame's whole routing.
bool handlePageMessage(HWND frame, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// What a tap-and-hold on the frame's buttons offers: a menu of one entry at the held point
// (screen coordinates), bottom-aligned. A chosen entry comes back to `owner` as WM_COMMAND
// `command`; the result is the menu's.
BOOL offerCommand(HWND owner, UINT command, const WCHAR* text, POINT at);

}  // namespace Orvane
