// A plain GetMessageW loop ending on the dialog's flag; keys go through IsDialogMessageW.
#include "gwe/dialog/ModalLoop.h"

#include <optional>

#include "gwe/dialog/DialogState.h"

namespace ce::gwe::dialog {

namespace {

DialogState* stateOf(HWND dialog) { return DialogStates::instance().find(dialog); }

bool running(HWND dialog) {
    DialogState* state = stateOf(dialog);
    return state && !state->m_ended;
}

// The message loop's turn; the exit code of a WM_QUIT that ended it.
std::optional<int> loop(HWND dialog) {
    MSG msg;
    while (running(dialog)) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(msg.wParam);
        if (got < 0) break;
        if (!IsDialogMessageW(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return std::nullopt;
}

}  // namespace

void releaseOwner(HWND dialog) {
    DialogState* state = stateOf(dialog);
    if (!state || !state->m_modal) return;
    state->m_modal = false;
    HWND owner = state->m_owner;
    if (owner && state->m_ownerDisabled && IsWindow(owner)) EnableWindow(owner, TRUE);
    ShowWindow(dialog, SW_HIDE);
    if (owner && IsWindow(owner) && IsWindowVisible(owner)) SetActiveWindow(owner);
}

INT_PTR runModal(HWND dialog, HWND owner) {
    DialogState* state = stateOf(dialog);
    if (!state) return -1;
    state->m_modal = true;
    state->m_owner = owner;
    state->m_ownerDisabled = owner && IsWindowEnabled(owner);
    if (state->m_ownerDisabled) EnableWindow(owner, FALSE);
    if (!state->m_ended) ShowWindow(dialog, SW_SHOW);
    bool ownerDisabled = state->m_ownerDisabled;
    std::optional<int> quit = loop(dialog);
    state = stateOf(dialog);
    INT_PTR result = state ? state->m_result : 0;
    if (state) {
        releaseOwner(dialog);
        DestroyWindow(dialog);
    } else if (ownerDisabled && IsWindow(owner)) {  // destroyed by someone else
        EnableWindow(owner, TRUE);
        if (IsWindowVisible(owner)) SetActiveWindow(owner);
    }
    if (quit) PostQuitMessage(*quit);
    return result;
}

}  // namespace ce::gwe::dialog
