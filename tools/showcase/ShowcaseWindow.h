// The showcase's main window: owner-painted rows in two fonts, masked scroll arrows, a
// status line saying what the last tap, key or command did, and the shell's menu bar.
#pragma once

#include <string>

#include "RowList.h"
#include "windows.h"

namespace showcase {

class ShowcaseWindow {
public:
    // Registers the class and shows the window; null when it cannot.
    static HWND create(HINSTANCE instance);

private:
    explicit ShowcaseWindow(HWND hwnd);
    ~ShowcaseWindow();
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    int scale(int pixels) const;
    RECT rowRect(int index) const;
    RECT statusRect() const;
    void paint(HDC hdc);
    void paintRow(HDC hdc, int index);
    void paintArrow(HDC hdc, int x, int y, UINT image, UINT mask);
    void paintStatus(HDC hdc);
    bool tap(POINT client);
    void press(POINT client);
    // ShowcaseCommands.cpp: the menu bar, the row menu and what their commands do.
    void createMenuBar();
    int menuBarHeight() const;
    void showRowMenu(POINT screen);
    void command(UINT id);
    void deleteSelected();
    std::u16string formatted(UINT formatId) const;
    void key(WPARAM virtualKey);
    void selectionChanged(int previous);
    void setStatus(std::u16string text);

    HWND m_hwnd;
    HWND m_menuBar = nullptr;
    HFONT m_nameFont;
    HFONT m_detailFont;
    RowList m_rows;
    std::u16string m_status;
};

}  // namespace showcase
