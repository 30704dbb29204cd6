// Paints an owner-drawn list item as one or two lines of text in the application theme's
// colours and fonts; a derived item supplies the text.
#pragma once

#include <windows.h>

namespace Nevo {

class Theme;

class TextListItemDrawer {
public:
    virtual ~TextListItemDrawer() = default;

    // Saves the DC and sets the item's background and text colours; returns the saved state.
    virtual int beginDraw(Theme* theme, const DRAWITEMSTRUCT* item);
    // Writes the first line into buffer (capacity characters); returns its length.
    virtual int getLine1Text(LPWSTR buffer, int capacity) = 0;
    // As getLine1Text; 0 means the item has no second line.
    virtual int getLine2Text(LPWSTR buffer, int capacity) = 0;

    // The item data of `item` is the App whose theme is used.
    void draw(const DRAWITEMSTRUCT* item);

    static constexpr int c_indent = 5;
    static constexpr int c_lineCapacity = 128;
};

}  // namespace Nevo
