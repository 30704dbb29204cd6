// Sending, posting and retrieving messages: SendMessageW calls the window procedure at once;
// everything posted waits in the thread's MessageQueue until GetMessageW or PeekMessageW.
// Messages sent from another thread are not supported: one thread runs every window.
#include "gwe/Input.h"
#include "gwe/MessageQueue.h"
#include "gwe/Window.h"
#include "winbase.h"

namespace {

using ce::gwe::MessageFilter;
using ce::gwe::MessageQueue;
using ce::gwe::WindowTree;

const HWND c_threadOnly = reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1));

// A window filter must name a live window (or the thread itself).
bool checkFilterWindow(HWND hwnd) {
    return !hwnd || hwnd == c_threadOnly || WindowTree::instance().findOrFail(hwnd);
}

WNDPROC procedureOf(HWND hwnd) {
    ce::gwe::Window* window = WindowTree::instance().findOrFail(hwnd);
    return window ? window->m_wndProc : nullptr;
}

// The character a key makes: letters lower case (the handheld's keys have no shift here),
// control characters with Ctrl held.
WCHAR characterOf(WPARAM key) {
    bool control = ce::gwe::keyIsDown(VK_CONTROL);
    if (key >= 'A' && key <= 'Z') return static_cast<WCHAR>(control ? key - 'A' + 1 : key - 'A' + 'a');
    if (control) return 0;
    if (key >= '0' && key <= '9') return static_cast<WCHAR>(key);
    switch (key) {
    case VK_SPACE: return u' ';
    case VK_RETURN: return u'\r';
    case VK_BACK: return u'\b';
    case VK_TAB: return u'\t';
    case VK_ESCAPE: return 0x1B;
    }
    return 0;
}

}  // namespace

LRESULT SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    WNDPROC proc = procedureOf(hWnd);
    return proc ? proc(hWnd, Msg, wParam, lParam) : 0;
}

BOOL PostMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    if (MessageQueue::instance().post(hWnd, Msg, wParam, lParam)) return TRUE;
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
}

void PostQuitMessage(int nExitCode) {
    MessageQueue::instance().postQuit(nExitCode);
}

BOOL GetMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
    if (!lpMsg) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    if (!checkFilterWindow(hWnd)) return -1;
    MessageQueue::instance().get(MessageFilter{hWnd, wMsgFilterMin, wMsgFilterMax}, *lpMsg);
    ce::gwe::noteRetrieved(*lpMsg);
    return lpMsg->message != WM_QUIT;
}

// Without a message, gives the event pump one chance to bring input in, without waiting.
BOOL PeekMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
    if (!lpMsg) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!checkFilterWindow(hWnd)) return FALSE;
    MessageQueue& queue = MessageQueue::instance();
    MessageFilter filter{hWnd, wMsgFilterMin, wMsgFilterMax};
    bool remove = wRemoveMsg & PM_REMOVE;
    if (!queue.peek(filter, remove, *lpMsg)) {
        queue.pump();
        if (!queue.peek(filter, remove, *lpMsg)) return FALSE;
    }
    if (remove) ce::gwe::noteRetrieved(*lpMsg);
    return TRUE;
}

// Key messages count as translated whether or not they make a character, as on Win32.
BOOL TranslateMessage(const MSG* lpMsg) {
    if (!lpMsg || (lpMsg->message != WM_KEYDOWN && lpMsg->message != WM_SYSKEYDOWN))
        return lpMsg && (lpMsg->message == WM_KEYUP || lpMsg->message == WM_SYSKEYUP);
    if (WCHAR character = characterOf(lpMsg->wParam)) {
        UINT message = lpMsg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
        PostMessageW(lpMsg->hwnd, message, character, lpMsg->lParam);
    }
    return TRUE;
}

// Thread messages (null hwnd) have no procedure and are not dispatched; a timer with a
// procedure calls it instead of the window's.
LRESULT DispatchMessageW(const MSG* lpMsg) {
    if (!lpMsg) return 0;
    if (lpMsg->message == WM_TIMER && lpMsg->lParam) {
        reinterpret_cast<TIMERPROC>(lpMsg->lParam)(lpMsg->hwnd, WM_TIMER, lpMsg->wParam, lpMsg->time);
        return 0;
    }
    if (!lpMsg->hwnd) return 0;
    return SendMessageW(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

LRESULT CallWindowProcW(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return lpPrevWndFunc ? lpPrevWndFunc(hWnd, Msg, wParam, lParam) : 0;
}

DWORD GetMessagePos() {
    const MSG& last = MessageQueue::instance().lastMessage();
    return static_cast<DWORD>(MAKELONG(last.pt.x, last.pt.y));
}

LONG GetMessageTime() {
    return static_cast<LONG>(MessageQueue::instance().lastMessage().time);
}
