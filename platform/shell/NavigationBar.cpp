// The navigation bar is a window of the shell's own: topmost, never active, repainted when
// the foreground window or its title changes and when the minute turns. A foreground dialog
// with a Done button gets a round "ok" at the right end; tapping it is that dialog's IDOK.
#include "shell/NavigationBar.h"

#include <string>

#include "gwe/Activation.h"
#include "gwe/Screen.h"
#include "gwe/Window.h"
#include "gwe/dialog/DialogState.h"
#include "winbase.h"
#include "winuser.h"

namespace ce::shell {

namespace {

constexpr const WCHAR* c_className = u"HHTaskBar";
constexpr UINT_PTR c_clockTimer = 1;
// The handheld's bar: a deep blue band with white text.
constexpr COLORREF c_topColour = RGB(36, 92, 188);
constexpr COLORREF c_bottomColour = RGB(12, 48, 128);

HWND c_bar = nullptr;
bool c_okPressed = false;

int blend(int from, int to, int step, int steps) {
    return from + (to - from) * step / (steps > 1 ? steps - 1 : 1);
}

void paintBand(HDC hdc, const RECT& client) {
    int rows = client.bottom;
    for (int y = 0; y < rows; ++y) {
        HBRUSH brush = CreateSolidBrush(RGB(blend(GetRValue(c_topColour), GetRValue(c_bottomColour), y, rows),
                                            blend(GetGValue(c_topColour), GetGValue(c_bottomColour), y, rows),
                                            blend(GetBValue(c_topColour), GetBValue(c_bottomColour), y, rows)));
        RECT row{0, y, client.right, y + 1};
        FillRect(hdc, &row, brush);
        DeleteObject(brush);
    }
}

// The Start button's glyph: a white ring around a white arrowhead pointing right, "go".
void paintStartGlyph(HDC hdc, int x, int y, int size) {
    HPEN pen = CreatePen(PS_SOLID, gwe::Screen::instance().scale(2), RGB(255, 255, 255));
    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(NULL_BRUSH));
    Ellipse(hdc, x, y, x + size, y + size);
    SelectObject(hdc, white);
    int third = size / 3;
    const POINT arrow[3] = {{x + third + third / 4, y + size / 4},
                            {x + third + third / 4, y + size - size / 4},
                            {x + size - size / 4 + 1, y + size / 2}};
    Polygon(hdc, arrow, 3);
    SelectObject(hdc, oldBrush);
    SelectObject(hdc, oldPen);
    DeleteObject(white);
    DeleteObject(pen);
}

std::u16string title() {
    HWND foreground = GetForegroundWindow();
    WCHAR text[128] = {};
    if (foreground) GetWindowTextW(foreground, text, 128);
    return text[0] ? std::u16string(text) : std::u16string(u"Start");
}

std::u16string clockText() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    int hour = now.wHour % 12 == 0 ? 12 : now.wHour % 12;
    std::string text = std::to_string(hour) + (now.wMinute < 10 ? ":0" : ":") + std::to_string(now.wMinute);
    return std::u16string(text.begin(), text.end());
}

HFONT barFont() {
    LOGFONTW font{};
    font.lfHeight = -gwe::Screen::instance().scale(12);
    font.lfWeight = FW_BOLD;
    std::u16string(u"Tahoma").copy(font.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

// The foreground dialog that asked for a Done button, or null.
HWND doneTarget() {
    HWND foreground = GetForegroundWindow();
    gwe::dialog::DialogState* state = gwe::dialog::DialogStates::instance().find(foreground);
    return state && state->m_doneButton ? foreground : nullptr;
}

RECT okRect(const RECT& client) {
    const gwe::Screen& screen = gwe::Screen::instance();
    int size = screen.scale(21);
    int top = (client.bottom - size) / 2;
    int right = client.right - screen.scale(3);
    return RECT{right - size, top, right, top + size};
}

// A white-rimmed disc a shade lighter than the bar, "ok" in the bar's bold white.
void paintOk(HDC hdc, const RECT& client) {
    RECT disc = okRect(client);
    HBRUSH brush = CreateSolidBrush(RGB(60, 120, 220));
    HPEN pen = CreatePen(PS_SOLID, gwe::Screen::instance().scale(1), RGB(255, 255, 255));
    HGDIOBJ oldBrush = SelectObject(hdc, brush);
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    Ellipse(hdc, disc.left, disc.top, disc.right, disc.bottom);
    SelectObject(hdc, oldPen);
    SelectObject(hdc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
    DrawTextW(hdc, u"ok", -1, &disc, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
}

void paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    paintBand(hdc, client);
    const gwe::Screen& screen = gwe::Screen::instance();
    int glyph = screen.scale(14);
    paintStartGlyph(hdc, screen.scale(5), (client.bottom - glyph) / 2, glyph);
    HFONT font = barFont();
    HGDIOBJ old = SelectObject(hdc, font);
    SetTextColor(hdc, RGB(255, 255, 255));
    SetBkMode(hdc, TRANSPARENT);
    bool ok = doneTarget() != nullptr;
    int right = ok ? okRect(client).left - screen.scale(2) : client.right;  // the clock sits left of "ok"
    RECT text{screen.scale(24), 0, right - screen.scale(44), client.bottom};
    std::u16string name = title();
    DrawTextW(hdc, name.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    if (ok) paintOk(hdc, client);
    RECT clock{right - screen.scale(42), 0, right - screen.scale(4), client.bottom};
    std::u16string time = clockText();
    DrawTextW(hdc, time.c_str(), -1, &clock, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    SelectObject(hdc, old);
    DeleteObject(font);
    EndPaint(hwnd, &ps);
}

// Wakes at the next turn of the minute.
void armClock(HWND hwnd) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    UINT untilNextMinute = (60 - now.wSecond) * 1000 - now.wMilliseconds;
    SetTimer(hwnd, c_clockTimer, untilNextMinute, nullptr);
}

bool onOk(HWND hwnd, LPARAM lParam) {
    RECT client;
    GetClientRect(hwnd, &client);
    RECT ok = okRect(client);
    POINT point{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
    return doneTarget() && PtInRect(&ok, point);
}

// Like a push button: it counts when the stylus goes down and comes up on it.
void okTapped(HWND hwnd, UINT message, LPARAM lParam) {
    bool inside = onOk(hwnd, lParam);
    if (message == WM_LBUTTONDOWN) {
        c_okPressed = inside;
        return;
    }
    bool pressed = c_okPressed;
    c_okPressed = false;
    if (pressed && inside) SendMessageW(doneTarget(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

LRESULT barProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: paint(hwnd); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: okTapped(hwnd, message, lParam); return 0;
    case WM_TIMER:
        InvalidateRect(hwnd, nullptr, FALSE);
        armClock(hwnd);
        return 0;
    case WM_CLOSE: return 0;  // the shell's bar stays
    case WM_DESTROY: c_bar = nullptr; return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void create() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = barProc;
        wc.lpszClassName = c_className;
        registered = RegisterClassW(&wc) != 0;
    }
    const gwe::Screen& screen = gwe::Screen::instance();
    c_bar = CreateWindowExW(WS_EX_TOPMOST, c_className, u"", WS_POPUP, 0, 0, screen.width(),
                            screen.navigationBarHeight(), nullptr, nullptr, nullptr, nullptr);
    if (!c_bar) return;
    gwe::WindowTree::instance().find(c_bar)->m_system = true;
    ShowWindow(c_bar, SW_SHOWNOACTIVATE);
    armClock(c_bar);
}

// Every change of the foreground window or of its title shows on the bar.
void onActivation() {
    if (!c_bar) create();
    if (c_bar) InvalidateRect(c_bar, nullptr, FALSE);
}

const bool c_listening = (gwe::setActivationListener(onActivation), true);

}  // namespace

HWND navigationBar() {
    if (!c_bar) create();
    return c_bar;
}

void refreshNavigationBar() {
    onActivation();
}

}  // namespace ce::shell
