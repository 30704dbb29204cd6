// What the system keeps for each dialog besides its window: the dialog procedure, the font
// and its base units, the focus to give back on activation, and how the dialog ended.
#pragma once

#include <memory>
#include <unordered_map>

#include "windows.h"

namespace ce::gwe::dialog {

struct DialogState {
    HFONT m_font = nullptr;  // null: the system font
    bool m_ownsFont = false;
    SIZE m_baseUnits{};
    HWND m_focus = nullptr;  // the control that had the focus when the dialog lost activation
    bool m_ended = false;
    INT_PTR m_result = 0;
    // A modal dialog's owner, and whether the dialog disabled it (and so enables it again).
    bool m_modal = false;
    HWND m_owner = nullptr;
    bool m_ownerDisabled = false;
    bool m_doneButton = false;  // the navigation bar shows "ok" while this dialog is in front
};

class DialogStates {
public:
    static DialogStates& instance();

    DialogState& attach(HWND dialog);
    // Null for a window that is not a dialog.
    DialogState* find(HWND dialog) const;
    // Frees the state and the font the dialog owns.
    void detach(HWND dialog);

private:
    std::unordered_map<HWND, std::unique_ptr<DialogState>> m_states;
};

}  // namespace ce::gwe::dialog
