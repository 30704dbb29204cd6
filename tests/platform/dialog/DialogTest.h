// Fixture for dialogs and message boxes: a shown owner window that records WM_ENABLE, a
// dialog procedure the test writes as a function, what that procedure received, and a way
// to act while a modal loop runs (a thread timer) or through a script.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "display/HeadlessPresenter.h"
#include "display/ScriptParser.h"
#include "display/ScriptRunner.h"
#include "gwe/Input.h"
#include "gwe/Screen.h"
#include "gwe/gdi/PngWriter.h"
#include "platform/dialog/DialogTestIds.h"
#include "windows.h"

namespace dialogtest {

class DialogTest : public ::testing::Test {
protected:
    using Handler = std::function<INT_PTR(HWND, UINT, WPARAM, LPARAM)>;

    void SetUp() override {
        current() = this;
        WNDCLASSW wc{};
        wc.lpfnWndProc = ownerProc;
        wc.lpszClassName = u"DialogTestOwner";
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        RegisterClassW(&wc);
        owner = CreateWindowExW(0, u"DialogTestOwner", u"Owner", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
        pump();
    }

    void TearDown() override {
        ce::display::installPresenter(std::make_unique<ce::display::HeadlessPresenter>());
        DestroyWindow(owner);
        pump();
        UnregisterClassW(u"DialogTestOwner", nullptr);
        current() = nullptr;
    }

    static void pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE) && msg.message != WM_QUIT) DispatchMessageW(&msg);
    }

    INT_PTR run(UINT id, LPARAM param = 0) {
        return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), owner, dialogProc, param);
    }

    // The handler's WM_INITDIALOG answer is TRUE; then `started` runs once the loop turns.
    void onStart(std::function<void(HWND)> started, std::function<void(HWND, int)> command = {}) {
        handler = [started, command](HWND hDlg, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
            if (message == WM_INITDIALOG) PostMessageW(hDlg, WM_APP, 0, 0);
            if (message == WM_APP) started(hDlg);
            if (message == WM_COMMAND && command) command(hDlg, LOWORD(wParam));
            return message == WM_INITDIALOG;
        };
    }

    // Runs act once the modal loop is idle (everything painted), from a thread timer.
    static void whileShown(std::function<void(HWND foreground)> act) {
        action() = std::move(act);
        SetTimer(nullptr, 77, 30, [](HWND, UINT, UINT_PTR id, DWORD) {
            KillTimer(nullptr, id);
            action()(GetForegroundWindow());
        });
    }

    static void tap(HWND control) {
        RECT rect;
        GetWindowRect(control, &rect);
        POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        ce::gwe::input::stylusDown(centre);
        ce::gwe::input::stylusUp(centre);
    }

    // The script runs inside the modal loop's idle moments.
    static void script(const std::string& text) {
        ce::display::ParsedScript parsed = ce::display::ScriptParser::parse(text);
        ASSERT_FALSE(parsed.error);
        auto presenter = std::make_unique<ce::display::HeadlessPresenter>();
        presenter->setScript(std::make_unique<ce::display::ScriptRunner>(std::move(parsed.commands)));
        ce::display::installPresenter(std::move(presenter));
    }

    static std::string screenSaved(const std::string& name) {
        std::string path = testing::TempDir() + name + ".png", error;
        return ce::gdi::writePng(ce::gwe::Screen::instance().surface(), path, error) ? "screen: " + path : error;
    }

    static COLORREF screenPixel(int x, int y) {
        return ce::gdi::toColorRef(ce::gwe::Screen::instance().surface().pixel(x, y));
    }

    std::vector<UINT> receivedMessages() const {
        std::vector<UINT> messages;
        for (const MSG& msg : received) messages.push_back(msg.message);
        return messages;
    }

    HWND owner = nullptr;
    Handler handler;
    std::vector<MSG> received;
    std::vector<WPARAM> ownerEnabled;  // WM_ENABLE's wParam, in order

private:
    static DialogTest*& current() {
        static DialogTest* test = nullptr;
        return test;
    }
    static std::function<void(HWND)>& action() {
        static std::function<void(HWND)> act;
        return act;
    }

    static INT_PTR dialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam) {
        DialogTest* test = current();
        if (!test) return FALSE;
        test->received.push_back(MSG{hDlg, message, wParam, lParam, 0, {}});
        return test->handler ? test->handler(hDlg, message, wParam, lParam) : FALSE;
    }

    static LRESULT ownerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_ENABLE && current()) current()->ownerEnabled.push_back(wParam);
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
};

}  // namespace dialogtest
