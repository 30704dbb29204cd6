// Fixture for the system controls: a shown parent window at the top of the work area whose
// WM_COMMAND, WM_DRAWITEM and WM_CTLCOLOR* traffic the tests read, and screen pixel helpers
// that save the screen when a check fails.
#pragma once

#include <string>
#include <vector>

#include "gwe/Screen.h"
#include "gwe/gdi/PngWriter.h"
#include "platform/gwe/MessageRecorder.h"

namespace controltest {

constexpr int c_parentTop = 26;  // the parent's client origin on the screen is (0, 26)

class ControlTest : public gwetest::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        parent = create("parent", nullptr, WS_VISIBLE);
        MoveWindow(parent, 0, c_parentTop, 240, 294, FALSE);
        recorder.setHandler([this](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
            return parentHandler(hwnd, message, wParam, lParam);
        });
        recorder.dispatchPosted();
    }

    HWND control(LPCWSTR className, LPCWSTR text, DWORD style, RECT r, int id, DWORD exStyle = 0) {
        HWND hwnd = CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                                    r.right - r.left, r.bottom - r.top, parent, reinterpret_cast<HMENU>(id),
                                    nullptr, nullptr);
        recorder.dispatchPosted();
        return hwnd;
    }

    // Where a point of the parent's client area is on the screen.
    static POINT onScreen(int x, int y) { return POINT{x, y + c_parentTop}; }
    static ce::gdi::Pixel pixel(int x, int y) {
        POINT p = onScreen(x, y);
        return ce::gwe::Screen::instance().surface().pixel(p.x, p.y);
    }
    // Adds the saved screen's path to a failing check's message.
    static std::string screenSaved(const char* name) {
        std::string path = testing::TempDir() + name + ".png", error;
        return ce::gdi::writePng(ce::gwe::Screen::instance().surface(), path, error) ? "screen: " + path : error;
    }

    struct Command {
        WPARAM wParam;
        HWND from;
    };
    std::vector<Command> commands;
    std::vector<DRAWITEMSTRUCT> drawItems;
    HBRUSH buttonBrush = nullptr;  // answered to WM_CTLCOLORBTN and WM_CTLCOLORSTATIC
    COLORREF textColour = CLR_INVALID;
    HWND parent{};

private:
    std::optional<LRESULT> parentHandler(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (hwnd != parent) return std::nullopt;
        if (message == WM_COMMAND) commands.push_back({wParam, reinterpret_cast<HWND>(lParam)});
        if (message == WM_DRAWITEM) drawItems.push_back(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        if ((message == WM_CTLCOLORBTN || message == WM_CTLCOLORSTATIC) && buttonBrush) {
            if (textColour != CLR_INVALID) SetTextColor(reinterpret_cast<HDC>(wParam), textColour);
            return reinterpret_cast<LRESULT>(buttonBrush);
        }
        return std::nullopt;
    }
};

}  // namespace controltest
