// Makes a dialog from a template: the window in the template's font, its controls, then
// WM_INITDIALOG. The dialog is shown only if the template says WS_VISIBLE.
#pragma once

#include "ceresource.h"
#include "windows.h"

namespace ce::gwe::dialog {

// module holds the template (and the bitmaps its statics name); owner is the window the
// dialog belongs to, already taken to its top-level window. Null, with the last error set,
// when the dialog or one of its controls cannot be made.
HWND buildDialog(HINSTANCE module, const res::DialogResource& resource, HWND owner, DLGPROC proc, LPARAM param);

// The top-level window of hwnd (hwnd itself at the top level); null for null.
HWND topLevelWindow(HWND hwnd);

}  // namespace ce::gwe::dialog
