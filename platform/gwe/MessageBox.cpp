// MessageBoxW without a screen: a test responder answers it, or it is written to standard
// error and answered with its default button. Drawing it comes with the window manager.
#include <cstdio>
#include <vector>

#include "cetest.h"
#include "cewchar.h"
#include "gwe/Window.h"
#include "winbase.h"

namespace {

ce::test::MessageBoxResponder& responder() {
    static ce::test::MessageBoxResponder installed;
    return installed;
}

// The buttons of each MB_ type, left to right; empty for an unknown type.
std::vector<int> buttonsOf(UINT style) {
    switch (style & MB_TYPEMASK) {
    case MB_OK: return {IDOK};
    case MB_OKCANCEL: return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE: return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO: return {IDYES, IDNO};
    case MB_RETRYCANCEL: return {IDRETRY, IDCANCEL};
    }
    return {};
}

// A default button beyond the last falls back to the first, as on Win32.
int defaultButton(const std::vector<int>& buttons, UINT style) {
    size_t index = (style & MB_DEFMASK) >> 8;
    return index < buttons.size() ? buttons[index] : buttons.front();
}

}  // namespace

namespace ce::test {

void setMessageBoxResponder(MessageBoxResponder responder) {
    ::responder() = std::move(responder);
}

}  // namespace ce::test

int MessageBoxW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType) {
    if (hWnd && !ce::gwe::WindowTree::instance().findOrFail(hWnd)) return 0;
    std::vector<int> buttons = buttonsOf(uType);
    if (buttons.empty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    ce::test::MessageBoxCall call{hWnd, lpText ? lpText : u"", lpCaption ? lpCaption : u"Error", uType};
    if (responder()) return responder()(call);
    std::fprintf(stderr, "%s: %s\n", ce::toUtf8(call.caption).c_str(), ce::toUtf8(call.text).c_str());
    return defaultButton(buttons, uType);
}
