// CContainedWindow: a window (often a control) subclassed so that its messages go to an
// alternative map of the object containing it; what that map leaves goes to the window's
// own procedure.
#pragma once

#include "atl/CWindow.h"
#include "atl/MessageMap.h"

class CContainedWindow : public CWindow {
public:
    CContainedWindow(CMessageMap* object, DWORD msgMapID = 0) : m_pObject(object), m_dwMsgMapID(msgMapID) {}
    ~CContainedWindow();
    CContainedWindow(const CContainedWindow&) = delete;
    CContainedWindow& operator=(const CContainedWindow&) = delete;

    BOOL SubclassWindow(HWND hWnd);
    HWND UnsubclassWindow();
    LRESULT DefWindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam);

    CMessageMap* m_pObject;
    DWORD m_dwMsgMapID;
    WNDPROC m_pfnSuperWindowProc = nullptr;

private:
    static LRESULT windowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
};
