// CWindowImpl<T>: a window whose procedure is T's message map. The class is registered on
// first use; `this` is found from the HWND, and messages no map entry takes go to
// DefWindowProc. OnFinalMessage runs after WM_NCDESTROY, once the outermost message is done.
// Window traits give the styles of a Create that names none.
#pragma once

#include <type_traits>

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

// The styles Create uses when its caller passes 0.
template <DWORD t_dwStyle = 0, DWORD t_dwExStyle = 0>
class CWinTraits {
public:
    static DWORD GetWndStyle(DWORD dwStyle) { return dwStyle ? dwStyle : t_dwStyle; }
    static DWORD GetWndExStyle(DWORD dwExStyle) { return dwExStyle ? dwExStyle : t_dwExStyle; }
};

using CControlWinTraits = CWinTraits<WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0>;
using CFrameWinTraits =
    CWinTraits<WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_APPWINDOW | WS_EX_WINDOWEDGE>;
using CNullTraits = CWinTraits<0, 0>;

// TBase is always CWindow here: the shared part above is compiled once, for CWindow.
template <class T, class TBase = CWindow, class TWinTraits = CControlWinTraits>
class CWindowImpl : public CWindowImplRoot {
    static_assert(std::is_same_v<TBase, CWindow>, "CWindowImpl builds on CWindow only");

public:
    DECLARE_WND_CLASS_EX(nullptr, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, COLOR_WINDOW)

    static DWORD GetWndStyle(DWORD dwStyle) { return TWinTraits::GetWndStyle(dwStyle); }
    static DWORD GetWndExStyle(DWORD dwExStyle) { return TWinTraits::GetWndExStyle(dwExStyle); }

    // A null rect places the window at CW_USEDEFAULT; styles of 0 are the traits' (by default
    // a visible child).
    HWND Create(HWND hWndParent, const RECT* rect = nullptr, LPCWSTR windowName = nullptr, DWORD style = 0,
                DWORD exStyle = 0, MenuOrId menuOrId = MenuOrId(0u), LPVOID createParam = nullptr) {
        return createWindow(T::GetWndClassInfo(), hWndParent, rect, windowName, T::GetWndStyle(style),
                            T::GetWndExStyle(exStyle), menuOrId.m_hMenu, createParam);
    }
    HWND Create(HWND hWndParent, const RECT& rect, LPCWSTR windowName = nullptr, DWORD style = 0,
                DWORD exStyle = 0, MenuOrId menuOrId = MenuOrId(0u), LPVOID createParam = nullptr) {
        return Create(hWndParent, &rect, windowName, style, exStyle, menuOrId, createParam);
    }
};
