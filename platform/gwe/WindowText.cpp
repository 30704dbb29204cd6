// Window text: the API goes through WM_SETTEXT, WM_GETTEXT and WM_GETTEXTLENGTH, so that a
// window procedure can keep its text its own way, as on Win32. Another process's window gives
// the title it last published.
#include <algorithm>

#include "gwe/ForeignWindows.h"
#include "gwe/Window.h"
#include "gwe/WindowHandle.h"
#include "winbase.h"

using ce::gwe::WindowTree;

namespace {

int copyForeignTitle(HWND hwnd, LPWSTR buffer, int size) {
    auto record = ce::gwe::ForeignWindows::record(hwnd);
    if (!record) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    if (!buffer) return static_cast<int>(record->title.size());
    size_t count = std::min<size_t>(record->title.size(), static_cast<size_t>(size) - 1);
    record->title.copy(buffer, count);
    buffer[count] = 0;
    return static_cast<int>(count);
}

}  // namespace

BOOL SetWindowTextW(HWND hWnd, LPCWSTR lpString) {
    if (!WindowTree::instance().findOrFail(hWnd)) return FALSE;
    return SendMessageW(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)) != 0;
}

int GetWindowTextW(HWND hWnd, LPWSTR lpString, int nMaxCount) {
    if (ce::gwe::WindowHandle::isForeign(hWnd) && lpString && nMaxCount > 0)
        return copyForeignTitle(hWnd, lpString, nMaxCount);
    if (!WindowTree::instance().findOrFail(hWnd) || !lpString || nMaxCount <= 0) return 0;
    lpString[0] = 0;
    auto copied = SendMessageW(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount),
                               reinterpret_cast<LPARAM>(lpString));
    return static_cast<int>(copied);
}

int GetWindowTextLengthW(HWND hWnd) {
    if (ce::gwe::WindowHandle::isForeign(hWnd)) return copyForeignTitle(hWnd, nullptr, 0);
    if (!WindowTree::instance().findOrFail(hWnd)) return 0;
    return static_cast<int>(SendMessageW(hWnd, WM_GETTEXTLENGTH, 0, 0));
}
