// A message box is a dialog of the system's own template: a text static and the push
// buttons; its procedure lays them out when it starts and draws the title strip and icon.
#include "gwe/dialog/MessageBoxDialog.h"

#include <algorithm>

#include "gwe/Screen.h"
#include "gwe/dialog/DialogBuilder.h"
#include "gwe/dialog/DialogState.h"
#include "gwe/dialog/MessageBoxIcon.h"
#include "gwe/dialog/MessageBoxLayout.h"
#include "gwe/dialog/ModalLoop.h"

namespace ce::gwe::dialog {

namespace {

constexpr UINT c_textId = 0xFFFF;

struct MessageBoxData {
    UINT style = 0;
    std::vector<int> buttons;
    HFONT titleFont = nullptr;
    MessageBoxLayout layout;
};

LPCWSTR labelOf(int id) {
    switch (id) {
    case IDOK: return u"OK";
    case IDCANCEL: return u"Cancel";
    case IDABORT: return u"Abort";
    case IDRETRY: return u"Retry";
    case IDIGNORE: return u"Ignore";
    case IDYES: return u"Yes";
    case IDNO: return u"No";
    }
    return u"";
}

SIZE textSize(HDC hdc, HFONT font, const std::u16string& text, int width, UINT format) {
    HGDIOBJ old = SelectObject(hdc, font);
    RECT area{0, 0, width, 0};
    DrawTextW(hdc, text.c_str(), static_cast<int>(text.size()), &area, format | DT_CALCRECT);
    SelectObject(hdc, old);
    return SIZE{area.right, area.bottom};
}

std::u16string windowText(HWND hwnd) {
    std::u16string text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, u'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

MessageBoxLayout measure(HWND box, const MessageBoxData& data) {
    auto font = reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0));
    std::u16string text = windowText(GetDlgItem(box, c_textId));
    HDC hdc = CreateCompatibleDC(nullptr);
    const Screen& screen = Screen::instance();
    MessageBoxMeasures measures;
    measures.screenWidth = screen.width();
    measures.workAreaTop = screen.workArea().top;
    measures.dpi = screen.dpi();
    measures.hasIcon = (data.style & MB_ICONMASK) != 0;
    measures.titleLineHeight = textSize(hdc, data.titleFont, u"Ag", 1000, DT_SINGLELINE).cy;
    measures.lineHeight = textSize(hdc, font, u"Ag", 1000, DT_SINGLELINE).cy;
    measures.textHeight = [&](int width) {
        return textSize(hdc, font, text, width, DT_WORDBREAK | DT_EXPANDTABS).cy;
    };
    for (int id : data.buttons) measures.buttonTextWidths.push_back(textSize(hdc, font, labelOf(id), 1000, DT_SINGLELINE).cx);
    MessageBoxLayout layout = layOutMessageBox(measures);
    DeleteDC(hdc);
    return layout;
}

void move(HWND hwnd, const RECT& rect) {
    MoveWindow(hwnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, FALSE);
}

// Places everything. The box keeps the focus itself, so Enter answers the default button
// (DM_GETDEFID) and no focus rectangle is drawn over a button's caption.
INT_PTR start(HWND box, MessageBoxData& data) {
    SetWindowLongPtrW(box, DWLP_USER, reinterpret_cast<LONG_PTR>(&data));
    data.layout = measure(box, data);
    move(box, data.layout.window);
    move(GetDlgItem(box, c_textId), data.layout.text);
    for (size_t i = 0; i < data.buttons.size(); ++i) move(GetDlgItem(box, data.buttons[i]), data.layout.buttons[i]);
    return FALSE;
}

void paint(HWND box, const MessageBoxData& data) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(box, &ps);
    RECT title = data.layout.title;
    FillRect(hdc, &title, GetSysColorBrush(COLOR_HIGHLIGHT));
    HGDIOBJ old = SelectObject(hdc, data.titleFont);
    SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    SetBkMode(hdc, TRANSPARENT);
    InflateRect(&title, -Screen::instance().scale(4), 0);
    std::u16string caption = windowText(box);
    DrawTextW(hdc, caption.c_str(), -1, &title, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    SelectObject(hdc, old);
    if (data.style & MB_ICONMASK) drawMessageBoxIcon(hdc, data.layout.icon, data.style & MB_ICONMASK);
    EndPaint(box, &ps);
}

void command(HWND box, const MessageBoxData& data, int id) {
    if (std::find(data.buttons.begin(), data.buttons.end(), id) != data.buttons.end())
        EndDialog(box, id);
    else if (id == IDCANCEL && messageBoxEscape(data.style))
        EndDialog(box, messageBoxEscape(data.style));
}

INT_PTR messageBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return start(box, *reinterpret_cast<MessageBoxData*>(lParam));
    auto* data = reinterpret_cast<MessageBoxData*>(GetWindowLongPtrW(box, DWLP_USER));
    if (!data) return FALSE;
    switch (message) {
    case WM_PAINT: paint(box, *data); return TRUE;
    case WM_COMMAND: command(box, *data, LOWORD(wParam)); return TRUE;
    }
    return FALSE;
}

HFONT createTitleFont() {
    LOGFONTW logFont{};
    logFont.lfHeight = -((8 * Screen::instance().dpi() + 36) / 72);
    logFont.lfWeight = FW_BOLD;
    std::u16string_view(u"Tahoma").copy(logFont.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&logFont);
}

template <size_t N>
int run(HWND owner, const std::u16string& caption, const res::DialogControl (&controls)[N], MessageBoxData& data) {
    res::DialogResource resource{0, WS_POPUP | WS_BORDER | DS_SETFONT, 0, caption.c_str(), nullptr, 8, 0, 0, 0, 0,
                                 controls};
    if (data.style & MB_TOPMOST) resource.exStyle = WS_EX_TOPMOST;
    HWND top = topLevelWindow(owner);
    HWND box = buildDialog(nullptr, resource, top, messageBoxProc, reinterpret_cast<LPARAM>(&data));
    if (!box) return 0;
    if (DialogState* state = DialogStates::instance().find(box)) state->m_result = messageBoxEscape(data.style);
    ShowWindow(box, SW_SHOW);
    if (data.style & MB_SETFOREGROUND) SetForegroundWindow(box);
    return static_cast<int>(runModal(box, top));
}

res::DialogControl button(int id, bool isDefault) {
    return {u"BUTTON", labelOf(id), static_cast<UINT>(id),
            static_cast<DWORD>(WS_VISIBLE | WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)), 0, 0, 0, 0};
}

}  // namespace

std::vector<int> messageBoxButtons(UINT style) {
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

int messageBoxDefault(UINT style) {
    std::vector<int> buttons = messageBoxButtons(style);
    size_t index = (style & MB_DEFMASK) >> 8;
    if (buttons.empty()) return 0;
    return index < buttons.size() ? buttons[index] : buttons.front();
}

int messageBoxEscape(UINT style) {
    std::vector<int> buttons = messageBoxButtons(style);
    if (std::find(buttons.begin(), buttons.end(), IDCANCEL) != buttons.end()) return IDCANCEL;
    switch (style & MB_TYPEMASK) {
    case MB_OK: return IDOK;
    case MB_YESNO: return IDNO;
    }
    return 0;
}

int showMessageBox(HWND owner, const std::u16string& text, const std::u16string& caption, UINT style) {
    MessageBoxData data;
    data.style = style;
    data.buttons = messageBoxButtons(style);
    if (data.buttons.empty()) return 0;
    data.titleFont = createTitleFont();
    res::DialogControl textControl{u"STATIC", text.c_str(), c_textId, static_cast<DWORD>(WS_VISIBLE | SS_LEFT), 0, 0, 0, 0};
    int defaultId = messageBoxDefault(style);
    std::vector<res::DialogControl> buttons;
    for (int id : data.buttons) buttons.push_back(button(id, id == defaultId));
    int answer = 0;
    if (buttons.size() == 1) {
        const res::DialogControl controls[] = {textControl, buttons[0]};
        answer = run(owner, caption, controls, data);
    } else if (buttons.size() == 2) {
        const res::DialogControl controls[] = {textControl, buttons[0], buttons[1]};
        answer = run(owner, caption, controls, data);
    } else {
        const res::DialogControl controls[] = {textControl, buttons[0], buttons[1], buttons[2]};
        answer = run(owner, caption, controls, data);
    }
    DeleteObject(data.titleFont);
    return answer;
}

}  // namespace ce::gwe::dialog
