// The frame's handling of the page buttons: their commands become page scrolling of the
// card on top, and a tap-and-hold on them offers Home or End.
#pragma once

#include <windows.h>

namespace Orvane {

// Commands that work from anywhere in the frame: the list's first and last rows.
constexpr UINT c_commandHome = 40040;
constexpr UINT c_commandEnd = 40041;

// Consulted by the frame right after its own handlers. True when the message was a page
// button's; `result` then holds the answer. Scrolling is sent to `frame` itself, so it goes
// through the frame's whole routing.
bool handlePageMessage(HWND frame, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace Orvane
