#include "frame/TitleLabel.h"

#include "app/Theme.h"
#include "cewchar.h"
#include "resources/ActiveApp.h"

namespace Orvane {

namespace {

void selectTitleFont(HDC dc) {
    Nevo::Theme* theme = activeTheme();
    if (theme && theme->getFont(Nevo::FontBold)) SelectObject(dc, theme->getFont(Nevo::FontBold));
}

}  // namespace

HWND TitleLabel::create(HWND frame, const WCHAR* text) {
    if (!text) text = u"";
    HDC dc = ::GetDC(frame);
    int saved = SaveDC(dc);
    selectTitleFont(dc);
    SIZE extent{};
    int length = static_cast<int>(wcslen(text));
    GetTextExtentExPointW(dc, text, length < c_maxText ? length : c_maxText, 0, nullptr, nullptr, &extent);
    RestoreDC(dc, saved);
    ::ReleaseDC(frame, dc);
    int height = extent.cy * 3 / 2 > extent.cy + 8 ? extent.cy * 3 / 2 : extent.cy + 8;
    RECT rect{5, 0, 5 + extent.cx, height};
    return Create(frame, rect, text, WS_CHILD | WS_VISIBLE);
}

void TitleLabel::setText(const WCHAR* text) {
    SetWindowText(text ? text : u"");
    Invalidate(TRUE);
}

LRESULT TitleLabel::onPaint(UINT, WPARAM, LPARAM, BOOL&) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    WCHAR text[c_maxText + 1];
    int length = GetWindowText(text, c_maxText + 1);
    selectTitleFont(dc);
    if (Nevo::Theme* theme = activeTheme()) SetTextColor(dc, theme->getColor(Nevo::ColorTitleText));
    SetBkMode(dc, TRANSPARENT);
    ExtTextOutW(dc, 0, 2, 0, nullptr, text, static_cast<UINT>(length), nullptr);
    EndPaint(m_hWnd, &paint);
    return 0;
}

}  // namespace Orvane
