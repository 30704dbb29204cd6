// The square arrow buttons at the ends of the button bar: page up (1002, left) and page down
// (1001, right). Each shows the left half of its bitmap, or the right half while pressed; a
// tap-and-hold is told to the frame, which offers Home or End.
#pragma once

#include <windows.h>

#include "atl/CContainedWindow.h"
#include "atl/atlwin.h"
#include "frame/ButtonTouch.h"

namespace Orvane {

class PageButton : public CMessageMap {
public:
    static constexpr UINT c_pageDown = 1001;
    static constexpr UINT c_pageUp = 1002;
    static constexpr int c_size = 32;

    // `id` is c_pageDown or c_pageUp.
    explicit PageButton(UINT id) : m_id(id) {}
    PageButton(const PageButton&) = delete;
    PageButton& operator=(const PageButton&) = delete;

    // An owner-drawn push button of the frame, `size` square (c_size at 96 dpi), whose
    // drawing request the frame reflects back.
    HWND create(HWND frame, int x, int y, int size);
    HWND handle() const { return m_window.m_hWnd; }

    BEGIN_MSG_MAP(PageButton)
    ALT_MSG_MAP(1)
        ATL_MSG_ENTRY(uMsg == WM_LBUTTONDOWN || uMsg == WM_LBUTTONUP, handleButtonTouch(hWnd, uMsg, lParam, bHandled))
        MESSAGE_HANDLER(OCM_DRAWITEM, onDraw)
    END_MSG_MAP()

private:
    LRESULT onDraw(UINT, WPARAM, LPARAM drawItem, BOOL&);

    UINT m_id;
    CContainedWindow m_window{this, 1};
};

}  // namespace Orvane
