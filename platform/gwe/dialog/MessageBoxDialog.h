// The message box the user sees: a modal dialog built in memory from the MB_ style.
#pragma once

#include <string>
#include <vector>

#include "windows.h"

namespace ce::gwe::dialog {

// The buttons of each MB_ type, left to right; empty for an unknown type.
std::vector<int> messageBoxButtons(UINT style);
// The button MB_DEFBUTTONn picks; one beyond the last falls back to the first, as on Win32.
int messageBoxDefault(UINT style);
// What Escape and WM_CLOSE answer: Cancel when there is one, OK for MB_OK, No for MB_YESNO;
// 0 when the box has no way out but its buttons.
int messageBoxEscape(UINT style);

// Shows the box (owned by owner's top-level window) and returns the button chosen.
int showMessageBox(HWND owner, const std::u16string& text, const std::u16string& caption, UINT style);

}  // namespace ce::gwe::dialog
