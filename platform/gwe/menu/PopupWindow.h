// One open pop-up menu on the screen: a topmost window of the system's own (never active,
// so the owner keeps the activation and the focus) showing a menu's items and a highlight.
#pragma once

#include <memory>

#include "gwe/menu/PopupLayout.h"

namespace ce::gwe {

class PopupWindow {
public:
    // Measures the menu; the window appears with show(). Null for a stale menu handle.
    static std::unique_ptr<PopupWindow> create(HMENU menu);
    ~PopupWindow();
    PopupWindow(const PopupWindow&) = delete;
    PopupWindow& operator=(const PopupWindow&) = delete;

    // Puts the window at rect (screen coordinates), above every other, and paints it now.
    bool show(const RECT& rect);

    HMENU menu() const { return m_menu; }
    HWND hwnd() const { return m_hwnd; }
    const PopupLayout& layout() const { return *m_layout; }
    const PopupItem& item(int index) const { return m_layout->items()[static_cast<size_t>(index)]; }
    RECT screenRect() const { return m_rect; }
    RECT itemScreenRect(int index) const;
    // The row under a screen point, or -1; contains() also counts the frame.
    int itemAt(POINT screen) const;
    bool contains(POINT screen) const { return PtInRect(&m_rect, screen); }

    int highlight() const { return m_highlight; }
    void setHighlight(int index);
    // The window got WM_CANCELMODE, or someone destroyed it.
    bool cancelled() const { return m_cancelled || !IsWindow(m_hwnd); }

private:
    PopupWindow(HMENU menu, HFONT font, const Menu& data);
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void paint();

    HMENU m_menu;
    HFONT m_font;
    std::unique_ptr<PopupLayout> m_layout;
    HWND m_hwnd = nullptr;
    RECT m_rect{};
    int m_highlight = -1;
    bool m_cancelled = false;
};

}  // namespace ce::gwe
