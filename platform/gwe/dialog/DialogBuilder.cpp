// Building a dialog: the dialog procedure is in place before the first message it sees,
// WM_SETFONT (with DS_SETFONT), then the controls each get the dialog's font, then
// WM_INITDIALOG with the first tab stop; answering TRUE gives that control the focus when
// the dialog is activated.
#include "gwe/dialog/DialogBuilder.h"

#include <string>

#include "gwe/Window.h"
#include "gwe/WindowGeometry.h"
#include "gwe/dialog/DialogState.h"
#include "gwe/dialog/DialogUnits.h"
#include "gwe/dialog/DialogWindow.h"
#include "winbase.h"

namespace ce::gwe::dialog {

namespace {

RECT templateRect(short x, short y, short cx, short cy, SIZE base) {
    return dialogUnitsToPixels(RECT{x, y, x + cx, y + cy}, base);
}

// Where the dialog's client area goes: relative to the owner's client area (the work area
// without an owner), or centred in the work area with DS_CENTER.
POINT clientOrigin(const res::DialogResource& resource, HWND owner, SIZE size) {
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    if (resource.style & DS_CENTER)
        return POINT{work.left + (work.right - work.left - size.cx) / 2, work.top + (work.bottom - work.top - size.cy) / 2};
    POINT origin{work.left, work.top};
    if (resource.style & DS_ABSALIGN)
        origin = POINT{0, 0};
    else if (owner) {
        origin = POINT{0, 0};
        ClientToScreen(owner, &origin);
    }
    return origin;
}

HWND createWindow(HINSTANCE module, const res::DialogResource& resource, HWND owner, SIZE base) {
    RECT client = templateRect(resource.x, resource.y, resource.cx, resource.cy, base);
    DWORD style = resource.style & ~WS_VISIBLE;
    if (!(style & WS_CHILD)) style |= WS_POPUP;
    int frame = (style & (WS_BORDER | WS_DLGFRAME)) ? 1 : 0;
    SIZE size{client.right - client.left, client.bottom - client.top};
    POINT origin = clientOrigin(resource, owner, size);
    if (!(resource.style & DS_CENTER)) origin = POINT{origin.x + client.left, origin.y + client.top};
    return CreateWindowExW(resource.exStyle, dialogClassName(), resource.caption ? resource.caption : u"", style,
                           origin.x - frame, origin.y - frame, size.cx + 2 * frame, size.cy + 2 * frame, owner,
                           nullptr, module, nullptr);
}

// A template names a bitmap by MAKEINTRESOURCEW(id); the window text of a control says "#id".
std::u16string controlText(LPCWSTR text) {
    if (!text) return u"";
    if (!IS_INTRESOURCE(text)) return text;
    std::string digits = std::to_string(reinterpret_cast<ULONG_PTR>(text));
    return u"#" + std::u16string(digits.begin(), digits.end());
}

bool createControl(HWND dialog, HINSTANCE module, const res::DialogControl& control, const DialogState& state) {
    RECT rect = templateRect(control.x, control.y, control.cx, control.cy, state.m_baseUnits);
    std::u16string text = controlText(control.text);
    HWND hwnd = CreateWindowExW(control.exStyle, control.className, text.c_str(), control.style | WS_CHILD,
                                rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, dialog,
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(control.id)), module, nullptr);
    if (hwnd && state.m_font) SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(state.m_font), FALSE);
    return hwnd != nullptr;
}

DialogState& attachState(HWND dialog, HFONT font, SIZE base) {
    DialogState& state = DialogStates::instance().attach(dialog);
    state.m_font = font;
    state.m_ownsFont = font != nullptr;
    state.m_baseUnits = base;
    return state;
}

}  // namespace

HWND topLevelWindow(HWND hwnd) {
    Window* top = topLevelOf(WindowTree::instance().find(hwnd));
    return top ? top->m_handle : nullptr;
}

HWND buildDialog(HINSTANCE module, const res::DialogResource& resource, HWND owner, DLGPROC proc, LPARAM param) {
    HFONT font = createTemplateFont(resource);
    SIZE base = baseUnitsOf(font);
    HWND dialog = createWindow(module, resource, owner, base);
    if (!dialog) {
        if (font) DeleteObject(font);
        return nullptr;
    }
    DialogState& state = attachState(dialog, font, base);
    setDialogProc(dialog, proc);
    if (font) SendMessageW(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (const res::DialogControl& control : resource.controls) {
        if (IsWindow(dialog) && createControl(dialog, module, control, state)) continue;
        DWORD error = GetLastError();
        if (IsWindow(dialog)) DestroyWindow(dialog);
        SetLastError(error);
        return nullptr;
    }
    HWND first = firstTabStop(dialog);
    if (SendMessageW(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param) && first)
        if (DialogState* live = DialogStates::instance().find(dialog)) live->m_focus = first;
    if (!IsWindow(dialog)) return nullptr;
    if (resource.style & WS_VISIBLE) ShowWindow(dialog, SW_SHOW);
    return IsWindow(dialog) ? dialog : nullptr;
}

}  // namespace ce::gwe::dialog
