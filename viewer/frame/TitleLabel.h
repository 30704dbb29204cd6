// The top card's heading: one line of bold text at the top of the frame, sized to the first
// text it was made with.
#pragma once

#include <windows.h>

#include "atl/atlwin.h"

namespace Orvane {

class TitleLabel : public CWindowImpl<TitleLabel> {
public:
    static constexpr int c_maxText = 128;

    TitleLabel() = default;
    TitleLabel(const TitleLabel&) = delete;
    TitleLabel& operator=(const TitleLabel&) = delete;

    DECLARE_WND_CLASS_EX(u"OrvaneTitleLabel", 0, COLOR_WINDOW)

    BEGIN_MSG_MAP(TitleLabel)
        MESSAGE_HANDLER(WM_PAINT, onPaint)
    END_MSG_MAP()

    // A visible child of `frame` at (5, 0), as wide as the text and half as high again
    // (at least 8 pixels more than the text).
    HWND create(HWND frame, const WCHAR* text);
    // The label keeps its size.
    void setText(const WCHAR* text);

private:
    LRESULT onPaint(UINT, WPARAM, LPARAM, BOOL&);
};

}  // namespace Orvane
