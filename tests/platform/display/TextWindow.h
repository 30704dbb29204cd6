// Test helper: a top-level window that paints one line of text and records the input and
// notifications it receives; destroying it ends the message loop. It may watch for
// tap-and-hold as the shell's controls do.
#pragma once

#include <string>
#include <vector>

#include "aygshell.h"
#include "windows.h"

namespace displaytest {

class TextWindow {
public:
    static constexpr int c_textX = 20;
    static constexpr int c_textY = 40;

    explicit TextWindow(std::u16string text, bool quitOnDestroy = true) :
        m_text(std::move(text)), m_quitOnDestroy(quitOnDestroy) {
        static const ATOM atom = registerClass();
        (void)atom;
        m_hwnd = CreateWindowExW(0, u"DisplayTestText", u"Display test", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, this);
        UpdateWindow(m_hwnd);
    }
    ~TextWindow() {
        m_quitOnDestroy = false;  // the test is over; its loop must not see a quit
        if (IsWindow(m_hwnd)) DestroyWindow(m_hwnd);
    }
    TextWindow(const TextWindow&) = delete;
    TextWindow& operator=(const TextWindow&) = delete;

    HWND hwnd() const { return m_hwnd; }
    // WM_CLOSE does nothing, as in a program that will not close.
    void refuseClose() { m_refuseClose = true; }
    // A touch is watched for tap-and-hold; a lift that ends a tap shows liftedText instead.
    void watchHolds(std::u16string liftedText) { m_liftedText = std::move(liftedText); }
    const std::vector<MSG>& received() const { return m_received; }
    std::vector<MSG> received(UINT message) const {
        std::vector<MSG> matching;
        for (const MSG& msg : m_received)
            if (msg.message == message) matching.push_back(msg);
        return matching;
    }

private:
    static ATOM registerClass() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = windowProc;
        windowClass.lpszClassName = u"DisplayTestText";
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        return RegisterClassW(&windowClass);
    }

    static LRESULT windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_CREATE) {
            auto* self = static_cast<TextWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        auto* self = reinterpret_cast<TextWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        return self ? self->handle(hwnd, message, wParam, lParam) : DefWindowProcW(hwnd, message, wParam, lParam);
    }

    LRESULT handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(hwnd, &paint);
            ExtTextOutW(dc, c_textX, c_textY, 0, nullptr, m_text.c_str(), static_cast<UINT>(m_text.size()), nullptr);
            EndPaint(hwnd, &paint);
            return 0;
        }
        case WM_LBUTTONDOWN:
            m_received.push_back(MSG{hwnd, message, wParam, lParam, GetTickCount(), {}});
            if (!m_liftedText.empty()) {
                SHRGINFO gesture{sizeof(SHRGINFO), hwnd, POINT{LOWORD(lParam), HIWORD(lParam)}, SHRG_RETURNCMD};
                SHRecognizeGesture(&gesture);
            }
            break;
        case WM_LBUTTONUP:
            if (!m_liftedText.empty()) {
                m_text = m_liftedText;
                InvalidateRect(hwnd, nullptr, TRUE);
            }
            [[fallthrough]];
        case WM_KEYDOWN:
        case WM_HELP:
        case WM_TIMER:
        case WM_HIBERNATE:
        case WM_CLOSE:
            m_received.push_back(MSG{hwnd, message, wParam, lParam, GetTickCount(), {}});
            if (message == WM_CLOSE && m_refuseClose) return 0;
            break;
        case WM_DESTROY:
            if (m_quitOnDestroy) PostQuitMessage(0);
            break;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }

    std::u16string m_text;
    std::u16string m_liftedText;
    bool m_quitOnDestroy;
    bool m_refuseClose = false;
    HWND m_hwnd = nullptr;
    std::vector<MSG> m_received;
};

}  // namespace displaytest
