// CWindowImpl<T>: a window whose procedure is T's message map. The class is registered on
// first use; `this` is found from the HWND, and messages no map entry takes go to
// DefWindowProc. OnFinalMessage runs after WM_NCDESTROY, once the outermost message is done.
#pragma once

#include "atl/CWindow.h"
#include "atl/MessageMap.h"

// A window class as a CWindowImpl registers it; background is a COLOR_ index, or 0 for none.
struct CWndClassInfo {
    LPCWSTR className;
    UINT style;
    int background;
    ATOM atom = 0;
    WCHAR generatedName[32] = {};

    ATOM Register();
};

#define DECLARE_WND_CLASS_EX(WndClassName, style, bkgnd)                                                     \
    static CWndClassInfo& GetWndClassInfo() {                                                                \
        static CWndClassInfo wc{WndClassName, style, bkgnd};                                                 \
        return wc;                                                                                           \
    }
#define DECLARE_WND_CLASS(WndClassName) DECLARE_WND_CLASS_EX(WndClassName, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, COLOR_WINDOW)

// Create's menu-or-id argument: a child window's id, or a top-level window's menu.
struct MenuOrId {
    HMENU m_hMenu;
    MenuOrId(HMENU menu) : m_hMenu(menu) {}
    MenuOrId(UINT id) : m_hMenu(reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id))) {}
    MenuOrId(int id) : MenuOrId(static_cast<UINT>(id)) {}
};

class CWindowImplRoot : public CWindow, public CMessageMap {
public:
    ~CWindowImplRoot() override;

    virtual void OnFinalMessage(HWND) {}
    LRESULT DefWindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam);
    LRESULT DefWindowProc() { return DefWindowProc(m_pCurrentMsg->message, m_pCurrentMsg->wParam, m_pCurrentMsg->lParam); }
    const MSG* GetCurrentMessage() const { return m_pCurrentMsg; }

protected:
    HWND createWindow(CWndClassInfo& info, HWND parent, const RECT* rect, LPCWSTR name, DWORD style, DWORD exStyle,
                      HMENU menu, LPVOID param);

private:
    friend struct CWndClassInfo;
    static LRESULT windowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    LRESULT dispatch(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    void finish(HWND hWnd);

    const MSG* m_pCurrentMsg = nullptr;
    bool m_destroyed = false;
};

template <class T>
class CWindowImpl : public CWindowImplRoot {
public:
    DECLARE_WND_CLASS_EX(nullptr, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, COLOR_WINDOW)

    // A null rect places the window at CW_USEDEFAULT; style 0 means a visible child.
    HWND Create(HWND hWndParent, const RECT* rect = nullptr, LPCWSTR windowName = nullptr, DWORD style = 0,
                DWORD exStyle = 0, MenuOrId menuOrId = MenuOrId(0u), LPVOID createParam = nullptr) {
        if (style == 0) style = WS_CHILD | WS_VISIBLE;
        return createWindow(T::GetWndClassInfo(), hWndParent, rect, windowName, style, exStyle,
                            menuOrId.m_hMenu, createParam);
    }
    HWND Create(HWND hWndParent, const RECT& rect, LPCWSTR windowName = nullptr, DWORD style = 0,
                DWORD exStyle = 0, MenuOrId menuOrId = MenuOrId(0u), LPVOID createParam = nullptr) {
        return Create(hWndParent, &rect, windowName, style, exStyle, menuOrId, createParam);
    }
};
