// A real window that records the notifications (WM_APP and up) it is sent, in one log
// shared by all such windows; a hook runs inside the window procedure.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

namespace nevo_test {

class RecordingWindow {
public:
    // (window, (message, wParam)) of each notification, oldest first.
    inline static std::vector<std::pair<HWND, std::pair<UINT, WPARAM>>> c_log;
    inline static std::function<void()> c_hook;

    RecordingWindow() {
        WNDCLASSW windowClass{0, record, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, u"NevoRecorder"};
        RegisterClassW(&windowClass);  // fails harmlessly once registered
        m_window = CreateWindowExW(0, u"NevoRecorder", u"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        c_log.clear();
        c_hook = nullptr;
    }
    ~RecordingWindow() { DestroyWindow(m_window); }
    HWND handle() const { return m_window; }

private:
    static LRESULT record(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message < WM_APP) return DefWindowProcW(window, message, wParam, lParam);
        c_log.push_back({window, {message, wParam}});
        if (c_hook) c_hook();
        return 0;
    }
    HWND m_window;
};

}  // namespace nevo_test
