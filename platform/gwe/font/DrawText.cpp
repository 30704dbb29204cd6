// DrawTextW: formatted text in a rectangle, laid out by TextLayout and drawn line by line
// as ExtTextOutW would.
#include <algorithm>

#include "gwe/font/FontObject.h"
#include "gwe/font/TextLayout.h"
#include "gwe/font/TextPainter.h"
#include "winbase.h"
#include "winerror.h"
#include "winuser.h"

using ce::font::Font;
using ce::font::TextLine;
using ce::gdi::DeviceContext;

namespace {

int measure(const Font& font, std::u16string_view text) {
    return ce::font::layoutGlyphs(font, text).width;
}

// Where the first line's top goes: vertical placement is for single lines only.
int firstLineTop(const RECT& rect, UINT format, int lineHeight) {
    if (!(format & DT_SINGLELINE)) return rect.top;
    if (format & DT_BOTTOM) return rect.bottom - lineHeight;
    if (format & DT_VCENTER) return rect.top + (rect.bottom - rect.top - lineHeight) / 2;
    return rect.top;
}

void drawLine(DeviceContext& dc, ce::font::TextPainter& painter, const Font& font, const TextLine& line,
              POINT topLeft) {
    POINT origin = dc.toSurface(topLeft);
    int height = font.metrics().tmHeight;
    for (const ce::font::TextPiece& piece : line.pieces) {
        std::u16string_view part = std::u16string_view(line.text).substr(piece.start, piece.length);
        ce::font::GlyphRun run = ce::font::layoutGlyphs(font, part);
        const ce::font::PlacedGlyph* marked = nullptr;
        if (line.underline >= static_cast<long>(piece.start))
            marked = run.atUnit(static_cast<size_t>(line.underline) - piece.start);
        POINT at{origin.x + piece.x, origin.y};
        if (dc.state().bkMode == OPAQUE) painter.fillBackground(RECT{at.x, at.y, at.x + run.width, at.y + height});
        painter.drawRun(run, at, marked);
    }
    painter.recordRun(RECT{origin.x, origin.y, origin.x + line.width, origin.y + height}, line.text);
}

}  // namespace

int DrawTextW(HDC hdc, LPCWSTR lpchText, int cchText, LPRECT lprc, UINT format) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc) return 0;
    if (!lpchText || !lprc) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::u16string_view text = cchText < 0 ? std::u16string_view(lpchText) : std::u16string_view(lpchText, cchText);
    const Font& font = ce::font::FontObject::of(*dc);
    const TEXTMETRICW& metrics = font.metrics();
    int lineHeight = metrics.tmHeight + ((format & DT_EXTERNALLEADING) ? metrics.tmExternalLeading : 0);
    ce::font::TextLayout layout([&font](std::u16string_view part) { return measure(font, part); },
                                metrics.tmAveCharWidth, format);
    std::vector<TextLine> lines = layout.lines(text, lprc->right - lprc->left);
    int textHeight = static_cast<int>(lines.size()) * lineHeight;

    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const TextLine& line : lines) widest = std::max(widest, line.width);
        lprc->right = lprc->left + widest;
        lprc->bottom = lprc->top + textHeight;
        return textHeight;
    }
    ce::gdi::Region clip = dc->clipRegion();
    if (!(format & DT_NOCLIP)) clip.intersect(dc->toSurface(*lprc));
    ce::font::TextPainter painter(*dc, font, clip);
    int top = firstLineTop(*lprc, format, lineHeight);
    for (size_t i = 0; i < lines.size(); ++i)
        drawLine(*dc, painter, font, lines[i], POINT{lprc->left + lines[i].x, top + static_cast<int>(i) * lineHeight});
    painter.finish();
    return top - lprc->top + textHeight;
}
