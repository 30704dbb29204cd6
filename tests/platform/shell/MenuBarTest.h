// Fixture for the menu bar: an active owner window recording the WM_COMMAND and
// WM_INITMENUPOPUP it gets, a bar from the tests' menu resource, taps on labels found in the
// screen text, and an action run while a menu is open.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "aygshell.h"
#include "commctrl.h"
#include "gwe/Input.h"
#include "gwe/Screen.h"
#include "gwe/ScreenText.h"
#include "gwe/gdi/PngWriter.h"
#include "platform/gwe/MessageRecorder.h"
#include "support/RectCompare.h"

namespace menubartest {

// The tests' resources (MenuBarTest.cpp): "Tools" pops up 101 and 102, "About" is a command.
constexpr UINT c_barMenu = 4700, c_grayedMenu = 4701, c_missingMenu = 4799;
constexpr UINT c_sortByName = 101, c_sortBySize = 102, c_about = 4710, c_resort = 40017;
constexpr UINT c_resortText = 4720;

// Where a label shows on the screen; empty when it does not.
inline RECT labelRect(const std::u16string& text) {
    for (const ce::gwe::TextRun& run : ce::gwe::ScreenText::instance().visibleRuns())
        if (run.text == text) return run.rect;
    return RECT{};
}
inline POINT centreOf(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
inline COLORREF pixel(int x, int y) { return ce::gdi::toColorRef(ce::gwe::Screen::instance().surface().pixel(x, y)); }
// Adds the saved screen's path to a failing check's message.
inline std::string screenSaved(const char* name) {
    std::string path = testing::TempDir() + name + ".png", error;
    return ce::gdi::writePng(ce::gwe::Screen::instance().surface(), path, error) ? "screen: " + path : error;
}

class MenuBarTest : public gwetest::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        owner = create("owner", nullptr, WS_VISIBLE);
        MoveWindow(owner, 0, 26, 240, 294, FALSE);
        recorder.setHandler([this](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
            if (hwnd != owner) return std::nullopt;
            if (message == WM_COMMAND || message == WM_INITMENUPOPUP)
                heard.push_back({hwnd, message, gwetest::c_sent, wParam, lParam});
            if (message == WM_INITMENUPOPUP && m_whenShown) SetTimer(owner, c_menuTimer, 1, nullptr);
            if (message != WM_TIMER || wParam != c_menuTimer) return std::nullopt;
            KillTimer(owner, c_menuTimer);
            m_whenShown();
            return 0;
        });
        recorder.dispatchPosted();
    }

    // A bar for the owner from a menu resource of this program; null when refused.
    HWND makeBar(DWORD flags = SHCMBF_HMENU, UINT menu = c_barMenu, COLORREF background = 0) {
        SHMENUBARINFO info{sizeof info, owner, flags, menu, GetModuleHandleW(nullptr), 0, 0, nullptr, background};
        if (!SHCreateMenuBar(&info)) return nullptr;
        recorder.dispatchPosted();
        return info.hwndMB;
    }

    // A tap left for whichever loop runs next, a menu's for instance.
    static void post(POINT screen) {
        ce::gwe::input::stylusDown(screen);
        ce::gwe::input::stylusUp(screen);
    }
    void tapLabel(const std::u16string& text) {
        post(centreOf(labelRect(text)));
        recorder.dispatchPosted();
    }
    // Runs once the next menu's loop is idle with the menu painted.
    void whenMenuShown(std::function<void()> action) { m_whenShown = std::move(action); }

    std::vector<gwetest::Msg> heard;  // WM_COMMAND and WM_INITMENUPOPUP to the owner, in order
    HWND owner{};

private:
    static constexpr UINT_PTR c_menuTimer = 47;
    std::function<void()> m_whenShown;
};

}  // namespace menubartest
