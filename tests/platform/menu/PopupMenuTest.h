// Test fixture for tracked pop-up menus: an active owner window that records what it gets,
// a five-row menu (Cut, a grayed Copy, a separator, a checked Paste, &Delete), and a way to
// act while the menu is on the screen (a timer the menu's loop dispatches).
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "gwe/ScreenText.h"
#include "gwe/Window.h"
#include "windows.h"

namespace menutest {

constexpr UINT c_cut = 101, c_copy = 102, c_paste = 103, c_delete = 104;

class PopupMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        fixture() = this;
        static const ATOM atom = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = ownerProc;
            wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
            wc.lpszClassName = u"PopupOwner";
            return RegisterClassW(&wc);
        }();
        ASSERT_NE(atom, 0);
        owner = CreateWindowExW(0, u"PopupOwner", u"Owner", WS_VISIBLE, 0, 26, 240, 294, nullptr, nullptr, nullptr,
                                nullptr);
        SetActiveWindow(owner);
        SetFocus(owner);
        menu = CreatePopupMenu();
        AppendMenuW(menu, MF_STRING, c_cut, u"Cut");
        AppendMenuW(menu, MF_STRING | MF_GRAYED, c_copy, u"Copy");
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING | MF_CHECKED, c_paste, u"Paste");
        AppendMenuW(menu, MF_STRING, c_delete, u"&Delete");
        dispatchPosted();
        received.clear();
    }

    void TearDown() override {
        DestroyMenu(menu);
        DestroyWindow(owner);
        dispatchPosted();
        fixture() = nullptr;
    }

    // Runs once the menu's loop is idle with the menu painted.
    void whenShown(std::function<void()> action) {
        m_action = std::move(action);
        SetTimer(owner, c_timer, 1, nullptr);
    }

    void dispatchPosted() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }

    std::vector<MSG> seen(UINT message) const {
        std::vector<MSG> found;
        for (const MSG& msg : received)
            if (msg.message == message) found.push_back(msg);
        return found;
    }

    // Where visible text is on the screen.
    static RECT runOf(const std::u16string& text) {
        for (const ce::gwe::TextRun& run : ce::gwe::ScreenText::instance().visibleRuns())
            if (run.text == text) return run.rect;
        ADD_FAILURE() << "no visible run of the text";
        return RECT{};
    }

    static POINT centreOf(const RECT& rect) { return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

    // The open pop-up menu nearest the top, or null.
    static HWND menuWindow() {
        for (HWND hwnd : ce::gwe::WindowTree::instance().topLevel()) {
            WCHAR name[16] = {};
            GetClassNameW(hwnd, name, 16);
            if (std::u16string(name) == u"#32768" && IsWindowVisible(hwnd)) return hwnd;
        }
        return nullptr;
    }

    static RECT windowRect(HWND hwnd) {
        RECT rect{};
        GetWindowRect(hwnd, &rect);
        return rect;
    }

    HWND owner{};
    HMENU menu{};
    std::vector<MSG> received;
    std::function<void(UINT, WPARAM, LPARAM)> onMessage;

private:
    static constexpr UINT_PTR c_timer = 77;

    static PopupMenuTest*& fixture() {
        static PopupMenuTest* current = nullptr;
        return current;
    }

    static LRESULT ownerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        PopupMenuTest* self = fixture();
        if (self && message == WM_TIMER && wParam == c_timer) {
            KillTimer(hwnd, c_timer);
            if (self->m_action) std::exchange(self->m_action, nullptr)();
            return 0;
        }
        if (self && message != WM_PAINT && message != WM_ERASEBKGND) {
            self->received.push_back(MSG{hwnd, message, wParam, lParam, 0, {}});
            if (self->onMessage) self->onMessage(message, wParam, lParam);
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }

    std::function<void()> m_action;
};

}  // namespace menutest
