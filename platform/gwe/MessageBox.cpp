// MessageBoxW: a test responder answers it when one is installed; otherwise the user does,
// in the modal box of gwe/dialog.
#include "cetest.h"
#include "gwe/Window.h"
#include "gwe/dialog/MessageBoxDialog.h"
#include "winbase.h"

namespace {

ce::test::MessageBoxResponder& responder() {
    static ce::test::MessageBoxResponder installed;
    return installed;
}

}  // namespace

namespace ce::test {

void setMessageBoxResponder(MessageBoxResponder responder) {
    ::responder() = std::move(responder);
}

}  // namespace ce::test

int MessageBoxW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType) {
    if (hWnd && !ce::gwe::WindowTree::instance().findOrFail(hWnd)) return 0;
    if (ce::gwe::dialog::messageBoxButtons(uType).empty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    ce::test::MessageBoxCall call{hWnd, lpText ? lpText : u"", lpCaption ? lpCaption : u"Error", uType};
    if (responder()) return responder()(call);
    return ce::gwe::dialog::showMessageBox(hWnd, call.text, call.caption, uType);
}
