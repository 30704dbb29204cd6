// Selecting, querying and deleting GDI objects.
#include "gwe/gdi/DeviceContext.h"
#include "gwe/gdi/GdiObject.h"
#include "winbase.h"

using ce::gdi::DeviceContext;
using ce::gdi::GdiObject;
using ce::gdi::GdiObjects;

namespace {

// A bitmap goes only into a memory DC, and into one DC at a time (stock ones excepted).
HGDIOBJ selectBitmap(DeviceContext& dc, HGDIOBJ handle, GdiObject& bitmap) {
    HBITMAP previous = dc.state().bitmap;
    if (handle == previous) return previous;
    if (dc.kind() != DeviceContext::Kind::Memory || (!bitmap.isStock() && bitmap.selections() > 0)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    dc.selectBitmap(static_cast<HBITMAP>(handle));
    return previous;
}

}  // namespace

// A region becomes the clip, as SelectClipRgn; the result is then the region's type.
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc) return nullptr;
    GdiObject* object = GdiObjects::instance().find(h);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    HGDIOBJ previous = nullptr;
    switch (object->type()) {
    case OBJ_BRUSH:
        previous = dc->state().brush;
        dc->selectBrush(static_cast<HBRUSH>(h));
        return previous;
    case OBJ_PEN:
        previous = dc->state().pen;
        dc->selectPen(static_cast<HPEN>(h));
        return previous;
    case OBJ_FONT:
        previous = dc->state().font;
        dc->selectFont(static_cast<HFONT>(h));
        return previous;
    case OBJ_BITMAP: return selectBitmap(*dc, h, *object);
    case OBJ_REGION: {
        int type = SelectClipRgn(hdc, static_cast<HRGN>(h));
        return type == ERROR ? HGDI_ERROR : reinterpret_cast<HGDIOBJ>(static_cast<LONG_PTR>(type));
    }
    }
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
    DeviceContext* dc = DeviceContext::find(hdc);
    if (!dc) return nullptr;
    switch (type) {
    case OBJ_BRUSH: return dc->state().brush;
    case OBJ_PEN: return dc->state().pen;
    case OBJ_FONT: return dc->state().font;
    case OBJ_BITMAP: return dc->state().bitmap;
    }
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
}

BOOL DeleteObject(HGDIOBJ ho) {
    return GdiObjects::instance().remove(ho);
}

int GetObjectW(HGDIOBJ h, int c, LPVOID pv) {
    GdiObject* object = GdiObjects::instance().find(h);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return object->describe(c, pv);
}

DWORD GetObjectType(HGDIOBJ h) {
    if (GdiObject* object = GdiObjects::instance().find(h)) return object->type();
    DeviceContext* dc = DeviceContext::find(static_cast<HDC>(h));
    if (!dc) return 0;
    return dc->kind() == DeviceContext::Kind::Memory ? OBJ_MEMDC : OBJ_DC;
}
