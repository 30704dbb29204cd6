// The message box's geometry, apart from any drawing so that it can be checked alone.
#include "gwe/dialog/MessageBoxLayout.h"

#include <algorithm>

namespace ce::gwe::dialog {

namespace {

struct Scale {
    int dpi;
    int operator()(int pixelsAt96) const { return pixelsAt96 * dpi / 96; }
};

constexpr int c_frame = 1;  // the box's WS_BORDER

void placeText(MessageBoxLayout& layout, const MessageBoxMeasures& measures, Scale s, int clientWidth) {
    int top = layout.title.bottom + s(8);
    int left = s(8);
    if (measures.hasIcon) {
        layout.icon = RECT{s(8), top, s(8) + s(32), top + s(32)};
        left = layout.icon.right + s(8);
    }
    int width = std::max(clientWidth - left - s(8), 1);
    int height = measures.textHeight ? measures.textHeight(width) : measures.lineHeight;
    // A short text sits level with the middle of the icon.
    if (measures.hasIcon && height < s(32)) top += (s(32) - height) / 2;
    layout.text = RECT{left, top, left + width, top + height};
}

void placeButtons(MessageBoxLayout& layout, const MessageBoxMeasures& measures, Scale s, int clientWidth) {
    int widest = 0;
    for (int width : measures.buttonTextWidths) widest = std::max(widest, width);
    int width = std::max(widest + s(16), s(52));
    int height = measures.lineHeight + s(8);
    int count = static_cast<int>(measures.buttonTextWidths.size());
    int gap = s(6);
    int x = (clientWidth - (count * width + (count - 1) * gap)) / 2;
    int y = std::max(layout.text.bottom, layout.icon.bottom) + s(10);
    for (int i = 0; i < count; ++i, x += width + gap) layout.buttons.push_back(RECT{x, y, x + width, y + height});
}

}  // namespace

MessageBoxLayout layOutMessageBox(const MessageBoxMeasures& measures) {
    Scale s{measures.dpi};
    MessageBoxLayout layout;
    int margin = s(2);
    int windowWidth = measures.screenWidth - 2 * margin;
    int clientWidth = windowWidth - 2 * c_frame;
    layout.title = RECT{0, 0, clientWidth, measures.titleLineHeight + s(6)};
    placeText(layout, measures, s, clientWidth);
    placeButtons(layout, measures, s, clientWidth);
    int clientHeight = (layout.buttons.empty() ? layout.text.bottom : layout.buttons.back().bottom) + s(8);
    int top = measures.workAreaTop + s(24);
    layout.window = RECT{margin, top, margin + windowWidth, top + clientHeight + 2 * c_frame};
    return layout;
}

}  // namespace ce::gwe::dialog
