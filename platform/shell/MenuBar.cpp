// A menu bar's buttons and strings: labels are resolved and copied when a button goes in, so
// the caller's text may go away.
#include "shell/MenuBar.h"

#include <algorithm>

#include "gwe/menu/Menu.h"
#include "gwe/resource/ResourceRegistry.h"

namespace ce::shell {

namespace {

// Menu-built buttons are what the handheld's own code inserts by hand.
constexpr BYTE c_dropDownStyle = TBSTYLE_DROPDOWN | TBSTYLE_NO_DROPDOWN_ARROW | TBSTYLE_AUTOSIZE;

// A string index is a small number; anything else is the text's address.
bool isStringIndex(INT_PTR string) {
    return string >= 0 && string <= 0xFFFF;
}

// A button index once the button at removed has gone.
int shifted(int index, int removed) {
    return index == removed ? -1 : index > removed ? index - 1 : index;
}

}  // namespace

MenuBar::MenuBar(HWND owner, DWORD flags, COLORREF background) :
    m_owner(owner), m_flags(flags), m_background(background) {}

MenuBar::~MenuBar() {
    if (m_menu) DestroyMenu(m_menu);
}

bool MenuBar::addButtonsFrom(HMENU menu) {
    const gwe::Menu* source = gwe::MenuTable::instance().find(menu);
    if (!source) return false;
    for (const gwe::MenuEntry& entry : source->entries) {
        if (entry.flags & MF_SEPARATOR) continue;
        TBBUTTON button{};
        button.iBitmap = I_IMAGENONE;
        button.idCommand = static_cast<int>(entry.id);
        button.fsState = (entry.flags & (MF_GRAYED | MF_DISABLED)) ? 0 : TBSTATE_ENABLED;
        button.fsStyle = entry.popup ? c_dropDownStyle : TBSTYLE_BUTTON | TBSTYLE_AUTOSIZE;
        button.dwData = reinterpret_cast<DWORD_PTR>(entry.popup);
        button.iString = reinterpret_cast<INT_PTR>(entry.text.c_str());
        insertButton(m_buttons.size(), button);
    }
    return true;
}

int MenuBar::addStrings(HINSTANCE module, LPARAM source) {
    if (module) {
        const res::StringResource* resource =
            res::findResource(module, LOWORD(source), &res::ModuleResources::strings);
        if (!resource) return -1;
        m_strings.emplace_back(resource->text);
        return static_cast<int>(m_strings.size() - 1);
    }
    auto text = reinterpret_cast<LPCWSTR>(source);
    if (!text || !*text) return -1;
    int first = static_cast<int>(m_strings.size());
    for (; *text; text += m_strings.back().size() + 1) m_strings.emplace_back(text);
    return first;
}

void MenuBar::insertButton(size_t position, const TBBUTTON& button) {
    MenuBarButton added{button, labelOf(button.iString)};
    // The address given is not kept: it may not outlive the call.
    if (!isStringIndex(button.iString)) added.info.iString = -1;
    position = std::min(position, m_buttons.size());
    m_buttons.insert(m_buttons.begin() + static_cast<std::ptrdiff_t>(position), std::move(added));
    if (m_highlighted >= static_cast<int>(position)) ++m_highlighted;
    if (m_pressed >= static_cast<int>(position)) ++m_pressed;
}

bool MenuBar::deleteButton(size_t index) {
    if (index >= m_buttons.size()) return false;
    m_buttons.erase(m_buttons.begin() + static_cast<std::ptrdiff_t>(index));
    m_highlighted = shifted(m_highlighted, static_cast<int>(index));
    m_pressed = shifted(m_pressed, static_cast<int>(index));
    return true;
}

int MenuBar::indexOf(int command) const {
    for (size_t i = 0; i < m_buttons.size(); ++i)
        if (m_buttons[i].info.idCommand == command) return static_cast<int>(i);
    return -1;
}

HMENU MenuBar::setDropDownMenu(int command, HMENU menu) {
    int index = indexOf(command);
    if (index < 0) return nullptr;
    TBBUTTON& info = m_buttons[static_cast<size_t>(index)].info;
    HMENU old = reinterpret_cast<HMENU>(info.dwData);
    info.dwData = reinterpret_cast<DWORD_PTR>(menu);
    if (menu) info.fsStyle |= TBSTYLE_DROPDOWN;
    return old;
}

std::u16string MenuBar::labelOf(INT_PTR string) const {
    if (isStringIndex(string))
        return static_cast<size_t>(string) < m_strings.size() ? m_strings[static_cast<size_t>(string)] : u"";
    if (string < 0) return u"";
    return reinterpret_cast<LPCWSTR>(string);
}

}  // namespace ce::shell
