// Dialog units: the font a template asks for, the base units of a font (average width of
// a-z and A-Z, and its height) and the conversion of dialog units to pixels.
#pragma once

#include "ceresource.h"
#include "windows.h"

namespace ce::gwe::dialog {

// The template's font (DS_SETFONT): "System" or no name is Tahoma, at the template's points
// and the screen's dpi. Without DS_SETFONT, null: the dialog uses the system font.
HFONT createTemplateFont(const res::DialogResource& resource);

// A font's base units; the system font's when font is null.
SIZE baseUnitsOf(HFONT font);

// x * base / 4 across, y * base / 8 down, rounded as MulDiv rounds.
RECT dialogUnitsToPixels(const RECT& units, SIZE base);

}  // namespace ce::gwe::dialog
