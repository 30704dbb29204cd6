// Declarative message maps: BEGIN_MSG_MAP ... END_MSG_MAP write a class's
// ProcessWindowMessage. Map 0 is the window's own; ALT_MSG_MAP(n) starts the handlers the
// class keeps for a contained window. A handler that sets bHandled = FALSE lets the message
// go on to the next entry and finally to the window's default processing.
#pragma once

#include "windows.h"

class CMessageMap {
public:
    virtual ~CMessageMap() = default;
    // TRUE when a handler took the message; lResult is then the message's result.
    virtual BOOL ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult,
                                      DWORD dwMsgMapID = 0) = 0;
};

// Control notifications a parent reflects back to the control, as message + OCM__BASE.
#define OCM__BASE (WM_USER + 0x1C00)
#define OCM_COMMAND (OCM__BASE + WM_COMMAND)
#define OCM_CTLCOLORMSGBOX (OCM__BASE + 0x0132)
#define OCM_CTLCOLOREDIT (OCM__BASE + WM_CTLCOLOREDIT)
#define OCM_CTLCOLORLISTBOX (OCM__BASE + 0x0134)
#define OCM_CTLCOLORBTN (OCM__BASE + WM_CTLCOLORBTN)
#define OCM_CTLCOLORDLG (OCM__BASE + WM_CTLCOLORDLG)
#define OCM_CTLCOLORSCROLLBAR (OCM__BASE + 0x0137)
#define OCM_CTLCOLORSTATIC (OCM__BASE + WM_CTLCOLORSTATIC)
#define OCM_DRAWITEM (OCM__BASE + WM_DRAWITEM)
#define OCM_MEASUREITEM (OCM__BASE + WM_MEASUREITEM)
#define OCM_DELETEITEM (OCM__BASE + 0x002D)
#define OCM_VKEYTOITEM (OCM__BASE + 0x002E)
#define OCM_CHARTOITEM (OCM__BASE + 0x002F)
#define OCM_COMPAREITEM (OCM__BASE + 0x0039)
#define OCM_HSCROLL (OCM__BASE + WM_HSCROLL)
#define OCM_VSCROLL (OCM__BASE + WM_VSCROLL)
#define OCM_PARENTNOTIFY (OCM__BASE + 0x0210)
#define OCM_NOTIFY (OCM__BASE + WM_NOTIFY)

// Sends a control notification back to the control it came from; without one, bHandled
// becomes FALSE.
LRESULT AtlReflectNotifications(HWND hWndParent, UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
// Gives a reflected message the default processing of the message it stands for.
BOOL AtlDefaultReflectionHandler(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult);

#define BEGIN_MSG_MAP(theClass)                                                                              \
public:                                                                                                      \
    BOOL ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult,          \
                              DWORD dwMsgMapID = 0) override {                                               \
        BOOL bHandled = TRUE;                                                                                \
        (void)hWnd, (void)uMsg, (void)wParam, (void)lParam, (void)lResult, (void)bHandled;                   \
        switch (dwMsgMapID) {                                                                                \
        case 0:

#define ALT_MSG_MAP(msgMapID)                                                                                \
    break;                                                                                                   \
    case msgMapID:

#define END_MSG_MAP()                                                                                        \
    break;                                                                                                   \
    default: break;                                                                                          \
        }                                                                                                    \
        return FALSE;                                                                                        \
    }

// One entry: when the condition holds, the call decides lResult unless it clears bHandled.
#define ATL_MSG_ENTRY(condition, call)                                                                       \
    if (condition) {                                                                                         \
        bHandled = TRUE;                                                                                     \
        lResult = call;                                                                                      \
        if (bHandled) return TRUE;                                                                           \
    }

// LRESULT func(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled)
#define MESSAGE_HANDLER(msg, func) ATL_MSG_ENTRY(uMsg == static_cast<UINT>(msg), func(uMsg, wParam, lParam, bHandled))
#define MESSAGE_RANGE_HANDLER(msgFirst, msgLast, func)                                                       \
    ATL_MSG_ENTRY(uMsg >= static_cast<UINT>(msgFirst) && uMsg <= static_cast<UINT>(msgLast), func(uMsg, wParam, lParam, bHandled))

// LRESULT func(WORD wNotifyCode, WORD wID, HWND hWndCtl, BOOL& bHandled)
#define ATL_COMMAND_ENTRY(msg, condition, func)                                                              \
    ATL_MSG_ENTRY(uMsg == static_cast<UINT>(msg) && (condition),                                                              \
                  func(HIWORD(wParam), LOWORD(wParam), reinterpret_cast<HWND>(lParam), bHandled))
#define COMMAND_HANDLER(id, code, func)                                                                      \
    ATL_COMMAND_ENTRY(WM_COMMAND, LOWORD(wParam) == static_cast<WORD>(id) && HIWORD(wParam) == static_cast<WORD>(code), func)
#define COMMAND_ID_HANDLER(id, func) ATL_COMMAND_ENTRY(WM_COMMAND, LOWORD(wParam) == static_cast<WORD>(id), func)
#define COMMAND_CODE_HANDLER(code, func) ATL_COMMAND_ENTRY(WM_COMMAND, HIWORD(wParam) == static_cast<WORD>(code), func)
#define COMMAND_RANGE_HANDLER(idFirst, idLast, func)                                                         \
    ATL_COMMAND_ENTRY(WM_COMMAND, LOWORD(wParam) >= static_cast<WORD>(idFirst) && LOWORD(wParam) <= static_cast<WORD>(idLast), func)
#define REFLECTED_COMMAND_HANDLER(id, code, func)                                                            \
    ATL_COMMAND_ENTRY(OCM_COMMAND, LOWORD(wParam) == static_cast<WORD>(id) && HIWORD(wParam) == static_cast<WORD>(code), func)
#define REFLECTED_COMMAND_CODE_HANDLER(code, func) ATL_COMMAND_ENTRY(OCM_COMMAND, HIWORD(wParam) == static_cast<WORD>(code), func)

// LRESULT func(int idCtrl, LPNMHDR pnmh, BOOL& bHandled)
#define ATL_NOTIFY_ENTRY(msg, condition, func)                                                               \
    ATL_MSG_ENTRY(uMsg == static_cast<UINT>(msg) && (condition),                                                              \
                  func(static_cast<int>(wParam), reinterpret_cast<LPNMHDR>(lParam), bHandled))
#define ATL_NMHDR reinterpret_cast<const NMHDR*>(lParam)
#define NOTIFY_HANDLER(id, cd, func)                                                                         \
    ATL_NOTIFY_ENTRY(WM_NOTIFY, ATL_NMHDR->idFrom == static_cast<UINT_PTR>(id) && ATL_NMHDR->code == static_cast<UINT>(cd), func)
#define NOTIFY_ID_HANDLER(id, func) ATL_NOTIFY_ENTRY(WM_NOTIFY, ATL_NMHDR->idFrom == static_cast<UINT_PTR>(id), func)
#define NOTIFY_CODE_HANDLER(cd, func) ATL_NOTIFY_ENTRY(WM_NOTIFY, ATL_NMHDR->code == static_cast<UINT>(cd), func)
#define NOTIFY_RANGE_HANDLER(idFirst, idLast, func)                                                          \
    ATL_NOTIFY_ENTRY(WM_NOTIFY, ATL_NMHDR->idFrom >= static_cast<UINT_PTR>(idFirst) && ATL_NMHDR->idFrom <= static_cast<UINT_PTR>(idLast), func)
#define REFLECTED_NOTIFY_CODE_HANDLER(cd, func)                                                              \
    ATL_NOTIFY_ENTRY(OCM_NOTIFY, ATL_NMHDR->code == static_cast<UINT>(cd), func)

// Chaining: another map decides the message first; what it does not take goes on here.
#define CHAIN_MSG_MAP(theChainClass)                                                                         \
    if (theChainClass::ProcessWindowMessage(hWnd, uMsg, wParam, lParam, lResult)) return TRUE;
#define CHAIN_MSG_MAP_ALT(theChainClass, msgMapID)                                                           \
    if (theChainClass::ProcessWindowMessage(hWnd, uMsg, wParam, lParam, lResult, msgMapID)) return TRUE;
#define CHAIN_MSG_MAP_MEMBER(theChainMember)                                                                 \
    if ((theChainMember).ProcessWindowMessage(hWnd, uMsg, wParam, lParam, lResult)) return TRUE;
#define CHAIN_MSG_MAP_ALT_MEMBER(theChainMember, msgMapID)                                                   \
    if ((theChainMember).ProcessWindowMessage(hWnd, uMsg, wParam, lParam, lResult, msgMapID)) return TRUE;
// The class derives from CDynamicChain; the entry's object is set at run time.
#define CHAIN_MSG_MAP_DYNAMIC(dynaChainID)                                                                   \
    if (CDynamicChain::CallChain(dynaChainID, hWnd, uMsg, wParam, lParam, lResult)) return TRUE;

#define REFLECT_NOTIFICATIONS() ATL_MSG_ENTRY(true, AtlReflectNotifications(hWnd, uMsg, wParam, lParam, bHandled))
#define DEFAULT_REFLECTION_HANDLER()                                                                         \
    if (AtlDefaultReflectionHandler(hWnd, uMsg, wParam, lParam, lResult)) return TRUE;
