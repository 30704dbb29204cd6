// Painting and input of the showcase window.
#include "ShowcaseWindow.h"

#include "aygshell.h"
#include "resource.h"

namespace showcase {

namespace {

constexpr const WCHAR* c_className = u"ShowcaseWindow";
constexpr int c_rowHeight = 32;
constexpr int c_statusHeight = 20;
constexpr int c_arrowSize = 16;
constexpr COLORREF c_oddRow = RGB(236, 241, 250);
constexpr COLORREF c_tagColour = RGB(192, 0, 0);

std::u16string loadString(UINT id) {
    const WCHAR* text = nullptr;
    int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    return text ? std::u16string(text, static_cast<size_t>(length)) : std::u16string();
}

HFONT makeFont(int dpi, int points, LONG weight) {
    LOGFONTW font{};
    font.lfHeight = -(points * dpi + 36) / 72;
    font.lfWeight = weight;
    std::u16string(u"Tahoma").copy(font.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

int screenDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

void fill(HDC hdc, const RECT& rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(hdc, &rect, brush);
    DeleteObject(brush);
}

}  // namespace

HWND ShowcaseWindow::create(HINSTANCE instance) {
    WNDCLASSW wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = c_className;
    if (!RegisterClassW(&wc)) return nullptr;
    std::u16string title = loadString(IDS_TITLE);
    return CreateWindowExW(0, c_className, title.c_str(), WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
}

ShowcaseWindow::ShowcaseWindow(HWND hwnd) :
    m_hwnd(hwnd),
    m_nameFont(makeFont(screenDpi(), 9, FW_BOLD)),
    m_detailFont(makeFont(screenDpi(), 8, FW_NORMAL)),
    m_status(loadString(IDS_HINT)) {}

ShowcaseWindow::~ShowcaseWindow() {
    DeleteObject(m_nameFont);
    DeleteObject(m_detailFont);
}

LRESULT CALLBACK ShowcaseWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new ShowcaseWindow(hwnd)));
    auto* self = reinterpret_cast<ShowcaseWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        delete self;
        return 0;
    }
    return self->handle(message, wParam, lParam);
}

LRESULT ShowcaseWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(m_hwnd, &ps);
        paint(hdc);
        EndPaint(m_hwnd, &ps);
        return 0;
    }
    case WM_CREATE: createMenuBar(); return 0;
    case WM_LBUTTONDOWN: press(POINT{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))}); return 0;
    case WM_COMMAND: command(LOWORD(wParam)); return 0;
    case WM_KEYDOWN: key(wParam); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

int ShowcaseWindow::scale(int pixels) const {
    static const int dpi = screenDpi();
    return pixels * dpi / 96;
}

RECT ShowcaseWindow::rowRect(int index) const {
    RECT client;
    GetClientRect(m_hwnd, &client);
    int height = scale(c_rowHeight);
    return RECT{0, index * height, client.right, (index + 1) * height};
}

RECT ShowcaseWindow::statusRect() const {
    RECT client;
    GetClientRect(m_hwnd, &client);
    int bottom = client.bottom - menuBarHeight();
    return RECT{0, bottom - scale(c_statusHeight), client.right, bottom};
}

void ShowcaseWindow::paint(HDC hdc) {
    for (int i = 0; i < static_cast<int>(m_rows.rows().size()); ++i) {
        RECT rect = rowRect(i);
        if (RectVisible(hdc, &rect)) paintRow(hdc, i);
    }
    paintStatus(hdc);
    if (m_rows.rows().empty()) return;
    RECT last = rowRect(static_cast<int>(m_rows.rows().size()) - 1);
    int arrowX = last.right - scale(c_arrowSize) - scale(4);
    paintArrow(hdc, arrowX, rowRect(0).top + scale(8), IDB_ARROW_UP, IDB_ARROW_UP_MASK);
    paintArrow(hdc, arrowX, last.top + scale(8), IDB_ARROW_DOWN, IDB_ARROW_DOWN_MASK);
}

// The name in bold on the first line, the details in the normal font below it, indented.
void ShowcaseWindow::paintRow(HDC hdc, int index) {
    const Row& row = m_rows.rows()[static_cast<size_t>(index)];
    bool selected = index == m_rows.selected();
    RECT rect = rowRect(index);
    fill(hdc, rect, selected ? GetSysColor(COLOR_HIGHLIGHT) : index % 2 ? c_oddRow : RGB(255, 255, 255));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    HGDIOBJ old = SelectObject(hdc, m_nameFont);
    ExtTextOutW(hdc, rect.left + scale(4), rect.top + scale(2), 0, nullptr, row.name.c_str(),
                static_cast<UINT>(row.name.size()), nullptr);
    SelectObject(hdc, m_detailFont);
    ExtTextOutW(hdc, rect.left + scale(14), rect.top + scale(17), 0, nullptr, row.details.c_str(),
                static_cast<UINT>(row.details.size()), nullptr);
    if (row.tagged) {
        std::u16string tag = loadString(IDS_TAGGED);
        RECT tagRect{rect.left, rect.top + scale(17), rect.right - scale(26), rect.bottom};
        SetTextColor(hdc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : c_tagColour);
        DrawTextW(hdc, tag.c_str(), -1, &tagRect, DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX);
    }
    SelectObject(hdc, old);
}

// The arrow's mask is white around the arrow, where the image is white too: ANDing it there
// leaves the row's background as it was; where the mask is black the red arrow is copied.
void ShowcaseWindow::paintArrow(HDC hdc, int x, int y, UINT image, UINT mask) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HBITMAP imageBitmap = LoadBitmapW(instance, MAKEINTRESOURCEW(image));
    HBITMAP maskBitmap = LoadBitmapW(instance, MAKEINTRESOURCEW(mask));
    int size = scale(c_arrowSize);
    // At higher resolutions the 16-pixel pictures are scaled first, image and mask alike.
    HDC source = CreateCompatibleDC(hdc);
    HDC scaled = CreateCompatibleDC(hdc);
    HBITMAP scaledImage = CreateCompatibleBitmap(hdc, size, size);
    HBITMAP scaledMask = CreateBitmap(size, size, 1, 1, nullptr);
    HGDIOBJ oldSource = SelectObject(source, imageBitmap);
    HGDIOBJ oldScaled = SelectObject(scaled, scaledImage);
    StretchBlt(scaled, 0, 0, size, size, source, 0, 0, c_arrowSize, c_arrowSize, SRCCOPY);
    SelectObject(source, maskBitmap);
    SelectObject(scaled, scaledMask);
    StretchBlt(scaled, 0, 0, size, size, source, 0, 0, c_arrowSize, c_arrowSize, SRCCOPY);
    SelectObject(scaled, scaledImage);
    MaskBlt(hdc, x, y, size, size, scaled, 0, 0, scaledMask, 0, 0, 0xCC8800C6);
    SelectObject(scaled, oldScaled);
    SelectObject(source, oldSource);
    DeleteDC(scaled);
    DeleteDC(source);
    for (HBITMAP bitmap : {imageBitmap, maskBitmap, scaledImage, scaledMask}) DeleteObject(bitmap);
}

void ShowcaseWindow::paintStatus(HDC hdc) {
    RECT rect = statusRect();
    fill(hdc, rect, GetSysColor(COLOR_BTNFACE));
    RECT line{rect.left, rect.top, rect.right, rect.top + 1};
    fill(hdc, line, GetSysColor(COLOR_BTNSHADOW));
    SelectObject(hdc, m_detailFont);
    SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
    SetBkMode(hdc, TRANSPARENT);
    RECT text{rect.left + scale(4), rect.top, rect.right - scale(4), rect.bottom};
    DrawTextW(hdc, m_status.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}

// A touch selects the row under it; held still there, it opens the row's menu too.
void ShowcaseWindow::press(POINT client) {
    if (!tap(client)) return;
    SHRGINFO gesture{sizeof(SHRGINFO), m_hwnd, client, SHRG_RETURNCMD};
    if (SHRecognizeGesture(&gesture) != GN_CONTEXTMENU) return;
    POINT screen = client;
    ClientToScreen(m_hwnd, &screen);
    showRowMenu(screen);
}

// True when a row is under the touch.
bool ShowcaseWindow::tap(POINT client) {
    int index = client.y / scale(c_rowHeight);
    if (client.y >= statusRect().top || index >= static_cast<int>(m_rows.rows().size())) return false;
    int previous = m_rows.selected();
    m_rows.select(index);
    selectionChanged(previous);
    return true;
}

void ShowcaseWindow::key(WPARAM virtualKey) {
    int previous = m_rows.selected();
    switch (virtualKey) {
    case VK_UP: m_rows.moveSelection(-1); break;
    case VK_DOWN: m_rows.moveSelection(1); break;
    case VK_RETURN: m_rows.toggleTag(); break;
    default: return;
    }
    selectionChanged(previous);
}

void ShowcaseWindow::selectionChanged(int previous) {
    RECT before = rowRect(previous);
    RECT now = rowRect(m_rows.selected());
    InvalidateRect(m_hwnd, &before, FALSE);
    InvalidateRect(m_hwnd, &now, FALSE);
    setStatus(formatted(IDS_SELECTED));
}

// A string resource with the selected row's name in place of its %s.
std::u16string ShowcaseWindow::formatted(UINT formatId) const {
    std::u16string format = loadString(formatId);
    size_t at = format.find(u"%s");
    if (at == std::u16string::npos || m_rows.rows().empty()) return format;
    return format.replace(at, 2, m_rows.rows()[static_cast<size_t>(m_rows.selected())].name);
}

void ShowcaseWindow::setStatus(std::u16string text) {
    m_status = std::move(text);
    RECT rect = statusRect();
    InvalidateRect(m_hwnd, &rect, FALSE);
}

}  // namespace showcase
