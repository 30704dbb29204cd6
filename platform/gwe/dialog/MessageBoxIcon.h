// The four message box icons, drawn with GDI in the handheld's colours: a red stop disc, a
// blue question disc, a yellow warning triangle and a blue information disc.
#pragma once

#include "windows.h"

namespace ce::gwe::dialog {

// icon is the MB_ICONMASK part of a message box style; the square is drawn on white.
void drawMessageBoxIcon(HDC hdc, const RECT& square, UINT icon);

}  // namespace ce::gwe::dialog
