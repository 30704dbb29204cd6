#include "frame/PageButton.h"

#include "ImageHolder.h"
#include "ImageStore.h"

namespace Orvane {

namespace {

// The built-in arrowheads: image 0 points down, image 1 up.
constexpr int c_arrowheadDown = 0;
constexpr int c_arrowheadUp = 1;

}  // namespace

HWND PageButton::create(HWND frame, int x, int y, int size) {
    HWND made = CreateWindowExW(WS_EX_NOACTIVATE, u"BUTTON", u"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, x, y, size,
                                size, frame, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(m_id)), nullptr, nullptr);
    m_window.SubclassWindow(made);
    return made;
}

LRESULT PageButton::onDraw(UINT, WPARAM, LPARAM drawItem, BOOL&) {
    auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(drawItem);
    int image = m_id == c_pageDown ? c_arrowheadDown : c_arrowheadUp;
    Nevo::ImageHolder* holder = Nevo::ImageStore::g_imageStore.getImage(image, c_size);
    HBITMAP bitmap = holder ? holder->getBitmap() : nullptr;
    if (!bitmap) return TRUE;
    RECT client = item->rcItem;
    HDC memory = CreateCompatibleDC(item->hDC);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    // Normal on the left half, pressed on the right; stretched to a button larger than the
    // picture on a high-resolution screen.
    int width = holder->getWidth();
    int source = (item->itemState & ODS_SELECTED) ? width : 0;
    StretchBlt(item->hDC, 0, 0, client.right - client.left, client.bottom - client.top, memory, source, 0, width, width,
               SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    return TRUE;
}

}  // namespace Orvane
