// The baseline of a repaint: the texts a program's screen showed (its `text` dump), drawn again
// straight onto this process's headless screen, each with one ExtTextOutW, after one fill of
// the screen: the text draws of a repaint without the windows, messages and lists around them.
#pragma once

#include <string>
#include <vector>

#include "windef.h"

struct ScreenDraw {
    RECT rect{};
    std::u16string text;
};

// The lines "left, top, width, height<TAB>text" of a screen text dump; other lines are skipped.
std::vector<ScreenDraw> screenDraws(const std::string& dump);

// Fills the screen white and draws every text at its place, clipped to its rectangle.
void drawOnScreen(const std::vector<ScreenDraw>& draws);
