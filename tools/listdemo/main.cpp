// listdemo: rows drawn by nevo_ui's TextListItemDrawer in the application theme's colours and
// fonts, one selected, with the library's built-in scroll arrows: the look of the viewer's
// lists. Run it with CE_DISPLAY=headless and CE_SCRIPT to take a screenshot.
#include <string>
#include <vector>

#include "ImageStore.h"
#include "TextListItemDrawer.h"
#include "app/App.h"
#include "app/Globals.h"
#include "app/Theme.h"
#include "cewchar.h"

namespace {

constexpr const WCHAR* c_className = u"ListDemo";
constexpr UINT c_selected = 2;
constexpr int c_arrowUp = 3;
constexpr int c_arrowDown = 2;

HWND c_window = nullptr;

class DemoApp : public Nevo::App {
public:
    void createCards(HWND) override {}
    Nevo::ResourceLoader* getResourceLoader() override { return nullptr; }
    void showAbout(HWND) override {}
    HWND getMainWindow() override { return c_window; }
    int showTopicHelp() override { return 0; }
};

class Row : public Nevo::TextListItemDrawer {
public:
    Row(std::u16string name, std::u16string details) : m_name(std::move(name)), m_details(std::move(details)) {}
    int getLine1Text(LPWSTR buffer, int capacity) override { return copy(m_name, buffer, capacity); }
    int getLine2Text(LPWSTR buffer, int capacity) override { return copy(m_details, buffer, capacity); }

private:
    static int copy(const std::u16string& text, LPWSTR buffer, int capacity) {
        int length = static_cast<int>(text.copy(buffer, static_cast<size_t>(capacity - 1)));
        buffer[length] = 0;
        return length;
    }
    std::u16string m_name;
    std::u16string m_details;
};

std::vector<Row>& rows() {
    static std::vector<Row> list{{u"Contacts Database", u"124 records, 18432 bytes"},
                                 {u"Appointments Database", u"37 records, 6144 bytes"},
                                 {u"Tasks Database", u"12 records, 2048 bytes"},
                                 {u"Inbox", u"58 records, 40960 bytes"},
                                 {u"Notes", u""},
                                 {u"Call Log", u"211 records, 12800 bytes"},
                                 {u"Speed Dial", u"6 records, 512 bytes"}};
    return list;
}

DemoApp& app() {
    static DemoApp demo;
    return demo;
}

// Two lines: the item font's height and the detail font's.
int rowHeight(HDC hdc, Nevo::Theme& theme) {
    int height = 0;
    for (Nevo::FontType font : {Nevo::FontItem, Nevo::FontItemDetail}) {
        HGDIOBJ old = SelectObject(hdc, theme.getFont(font));
        TEXTMETRICW metrics{};
        GetTextMetricsW(hdc, &metrics);
        SelectObject(hdc, old);
        height += metrics.tmHeight;
    }
    return height + 2;
}

void paint(HWND hwnd, HDC hdc) {
    RECT client;
    GetClientRect(hwnd, &client);
    int height = rowHeight(hdc, *app().getTheme());
    for (UINT i = 0; i < rows().size(); ++i) {
        int top = static_cast<int>(i) * height;
        DRAWITEMSTRUCT item{ODT_LISTBOX, 0, i, ODA_DRAWENTIRE, i == c_selected ? UINT(ODS_SELECTED) : 0u,
                            hwnd, hdc, RECT{0, top, client.right, top + height}, reinterpret_cast<ULONG_PTR>(&app())};
        rows()[i].draw(&item);
    }
    // The arrows say that rows lie above and below, at the right edge of the first and last row.
    int size = 16 * GetDeviceCaps(hdc, LOGPIXELSY) / 96;
    int x = client.right - size - 2;
    int lastBottom = static_cast<int>(rows().size()) * height;
    if (Nevo::ImageHolder* up = Nevo::ImageStore::g_imageStore.getImage(c_arrowUp, size)) up->show(hdc, {x, 2});
    if (Nevo::ImageHolder* down = Nevo::ImageStore::g_imageStore.getImage(c_arrowDown, size))
        down->show(hdc, {x, lastBottom - size - 2});
}

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(hwnd, &ps);
        paint(hwnd, hdc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int main() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW wc{};
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = c_className;
    if (!RegisterClassW(&wc)) return 1;
    c_window = CreateWindowExW(0, c_className, u"Databases", 0, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (!c_window) return 1;
    Nevo::Globals::setActiveApp(&app());
    ShowWindow(c_window, SW_SHOW);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
