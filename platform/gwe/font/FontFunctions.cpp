// CreateFontIndirectW, GetTextMetricsW, GetTextFaceW and the text extent queries.
#include <algorithm>
#include <memory>

#include "gwe/font/FontObject.h"
#include "gwe/font/GlyphRun.h"
#include "winbase.h"
#include "winerror.h"

using ce::font::Font;
using ce::font::FontObject;
using ce::gdi::DeviceContext;

namespace {

bool validText(LPCWSTR text, int count) {
    if (count < 0 || (count > 0 && !text)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    return true;
}

}  // namespace

HFONT CreateFontIndirectW(const LOGFONTW* lplf) {
    if (!lplf) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return static_cast<HFONT>(ce::gdi::GdiObjects::instance().add(std::make_unique<FontObject>(*lplf)));
}

BOOL GetTextMetricsW(HDC hdc, LPTEXTMETRICW lptm) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc) return FALSE;
    if (!lptm) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *lptm = FontObject::of(*dc).metrics();
    return TRUE;
}

// Copies at most c - 1 characters and a terminator; returns the characters copied with the
// terminator, or with no buffer the room the whole name needs.
int GetTextFaceW(HDC hdc, int c, LPWSTR lpName) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc) return 0;
    const std::u16string& name = FontObject::of(*dc).faceName();
    if (!lpName) return static_cast<int>(name.size()) + 1;
    if (c <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    size_t copied = std::min(name.size(), static_cast<size_t>(c) - 1);
    std::copy_n(name.data(), copied, lpName);
    lpName[copied] = 0;
    return static_cast<int>(copied) + 1;
}

BOOL GetTextExtentExPointW(HDC hdc, LPCWSTR lpszString, int cchString, int nMaxExtent, LPINT lpnFit, LPINT lpnDx,
                           LPSIZE lpSize) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc || !validText(lpszString, cchString)) return FALSE;
    const Font& font = FontObject::of(*dc);
    std::u16string_view text(lpszString ? lpszString : u"", static_cast<size_t>(cchString));
    std::vector<int> widths = ce::font::partialWidths(font, text);
    if (lpnDx) std::copy(widths.begin(), widths.end(), lpnDx);
    if (lpnFit) {
        // A character fits when the text up to its end does; both units of a pair end at
        // the same width, so a pair fits whole or not at all.
        int fit = 0;
        while (fit < cchString && widths[static_cast<size_t>(fit)] <= nMaxExtent) ++fit;
        *lpnFit = fit;
    }
    if (lpSize) *lpSize = SIZE{widths.empty() ? 0 : widths.back(), font.metrics().tmHeight};
    return TRUE;
}

BOOL GetTextExtentPoint32W(HDC hdc, LPCWSTR lpString, int c, LPSIZE psizl) {
    if (!psizl) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return GetTextExtentExPointW(hdc, lpString, c, 0, nullptr, nullptr, psizl);
}
