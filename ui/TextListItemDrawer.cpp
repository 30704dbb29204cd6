// TextListItemDrawer: alternate row backgrounds, the first line in the item font filling the
// whole row, the second line in the detail font indented below it.
#include "TextListItemDrawer.h"

#include "app/App.h"
#include "app/Theme.h"

namespace Nevo {

namespace {

void selectFont(HDC dc, HFONT font) {
    if (font)
        SelectObject(dc, font);
}

}  // namespace

int TextListItemDrawer::beginDraw(Theme* theme, const DRAWITEMSTRUCT* item) {
    HDC dc = item->hDC;
    int saved = SaveDC(dc);
    SetBkMode(dc, TRANSPARENT);
    if (item->itemState & ODS_SELECTED) {
        SetBkColor(dc, theme->getColor(ColorSelBack));
        SetTextColor(dc, theme->getColor(ColorSelText));
    } else {
        // The first row is even.
        SetBkColor(dc, theme->getColor(item->itemID % 2 ? ColorItemBackOdd : ColorItemBackEven));
        SetTextColor(dc, theme->getColor(ColorItemText));
    }
    return saved;
}

void TextListItemDrawer::draw(const DRAWITEMSTRUCT* item) {
    Theme* theme = reinterpret_cast<App*>(item->itemData)->getTheme();
    int saved = beginDraw(theme, item);
    HDC dc = item->hDC;
    RECT rect = item->rcItem;
    selectFont(dc, theme->getFont(FontItem));

    WCHAR line[c_lineCapacity];
    int length = getLine1Text(line, c_lineCapacity);
    // Opaque: the whole row takes the background colour, whatever the text covers.
    ExtTextOutW(dc, rect.left + c_indent, rect.top, ETO_OPAQUE | ETO_CLIPPED, &item->rcItem, line,
                static_cast<UINT>(length), nullptr);
    SIZE extent{};
    GetTextExtentExPointW(dc, line, length, 0, nullptr, nullptr, &extent);

    length = getLine2Text(line, c_lineCapacity);
    if (length > 0) {
        rect.top += extent.cy;
        rect.left += c_indent;
        selectFont(dc, theme->getFont(FontItemDetail));
        DrawTextW(dc, line, length, &rect, 0);
    }
    RestoreDC(dc, saved);
}

}  // namespace Nevo
