// Where a message box's parts go: a box near the top of the screen, as wide as the screen
// less a margin, a title strip, the icon at the left of the word-wrapped text and a centred
// row of equal push buttons at the bottom. Lengths are the 96-dpi ones scaled to the screen.
#pragma once

#include <functional>
#include <vector>

#include "windows.h"

namespace ce::gwe::dialog {

struct MessageBoxMeasures {
    int screenWidth = 0;
    int workAreaTop = 0;  // below the navigation bar
    int dpi = 96;
    bool hasIcon = false;
    int titleLineHeight = 0;  // the caption's font
    int lineHeight = 0;       // the text's and buttons' font
    std::function<int(int width)> textHeight;  // the wrapped text's height at that width
    std::vector<int> buttonTextWidths;
};

struct MessageBoxLayout {
    RECT window{};  // screen coordinates, frame included
    // The rest in client coordinates.
    RECT title{};
    RECT icon{};  // empty without an icon
    RECT text{};
    std::vector<RECT> buttons;
};

MessageBoxLayout layOutMessageBox(const MessageBoxMeasures& measures);

}  // namespace ce::gwe::dialog
