// ExtTextOutW: one line of text at a point, with the cell top-left at x, y.
#include <utility>

#include "gwe/font/FontObject.h"
#include "gwe/font/TextPainter.h"
#include "winbase.h"
#include "winerror.h"

using ce::gdi::DeviceContext;

namespace {

RECT normalized(RECT rect) {
    if (rect.left > rect.right) std::swap(rect.left, rect.right);
    if (rect.top > rect.bottom) std::swap(rect.top, rect.bottom);
    return rect;
}

}  // namespace

BOOL ExtTextOutW(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCWSTR lpString, UINT c, const INT* lpDx) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc) return FALSE;
    if (c > 0 && !lpString) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const ce::font::Font& font = ce::font::FontObject::of(*dc);
    ce::gdi::Region clip = dc->clipRegion();
    RECT optionRect = lprect ? normalized(dc->toSurface(*lprect)) : RECT{};
    if (lprect && (options & ETO_CLIPPED)) clip.intersect(optionRect);

    ce::font::TextPainter painter(*dc, font, clip);
    if (lprect && (options & ETO_OPAQUE)) painter.fillBackground(optionRect);
    std::u16string_view text(lpString ? lpString : u"", c);
    ce::font::GlyphRun run = ce::font::layoutGlyphs(font, text, lpDx);
    POINT origin = dc->toSurface(POINT{x, y});
    RECT cell{origin.x, origin.y, origin.x + run.width, origin.y + font.metrics().tmHeight};
    if (dc->state().bkMode == OPAQUE) painter.fillBackground(cell);
    painter.drawRun(run, origin);
    painter.recordRun(cell, text);
    painter.finish();
    return TRUE;
}
