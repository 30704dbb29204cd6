// The dialogs' states, by window handle.
#include "gwe/dialog/DialogState.h"

namespace ce::gwe::dialog {

DialogStates& DialogStates::instance() {
    static DialogStates states;
    return states;
}

DialogState& DialogStates::attach(HWND dialog) {
    std::unique_ptr<DialogState>& state = m_states[dialog];
    state = std::make_unique<DialogState>();
    return *state;
}

DialogState* DialogStates::find(HWND dialog) const {
    auto found = m_states.find(dialog);
    return found == m_states.end() ? nullptr : found->second.get();
}

void DialogStates::detach(HWND dialog) {
    auto found = m_states.find(dialog);
    if (found == m_states.end()) return;
    if (found->second->m_ownsFont) DeleteObject(found->second->m_font);
    m_states.erase(found);
}

}  // namespace ce::gwe::dialog
