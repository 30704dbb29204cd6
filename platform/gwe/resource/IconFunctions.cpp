// LoadIconW, DrawIcon and DestroyIcon.
#include "gwe/gdi/BmpDecoder.h"
#include "gwe/gdi/GdiObject.h"
#include "gwe/resource/Icon.h"
#include "gwe/resource/ResourceRegistry.h"

namespace {

bool sameSize(HBITMAP a, HBITMAP b) {
    const ce::gdi::Bitmap* first = ce::gdi::findBitmap(a);
    const ce::gdi::Bitmap* second = ce::gdi::findBitmap(b);
    return first->m_surface.width() == second->m_surface.width() &&
           first->m_surface.height() == second->m_surface.height();
}

}  // namespace

// Each call makes a new icon, for DestroyIcon to free. A null instance is not a module here
// (there are no system icons).
HICON LoadIconW(HINSTANCE hInstance, LPCWSTR lpIconName) {
    const ce::res::IconResource* resource =
        ce::res::findResource(hInstance, lpIconName, &ce::res::ModuleResources::icons);
    if (!resource) return nullptr;
    HBITMAP image = ce::gdi::createBitmapFromBmp(resource->image.data, resource->image.size);
    HBITMAP mask = image ? ce::gdi::createBitmapFromBmp(resource->mask.data, resource->mask.size) : nullptr;
    if (mask && sameSize(image, mask)) {
        if (HICON icon = ce::res::Icon::add(std::make_unique<ce::res::Icon>(image, mask))) return icon;
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);  // the icon freed its bitmaps
        return nullptr;
    }
    ce::gdi::GdiObjects::instance().remove(image);
    ce::gdi::GdiObjects::instance().remove(mask);
    SetLastError(ERROR_INVALID_DATA);
    return nullptr;
}

BOOL DrawIcon(HDC hDC, int X, int Y, HICON hIcon) {
    const ce::res::Icon* icon = ce::res::Icon::find(hIcon);
    return icon && icon->draw(hDC, X, Y);
}

BOOL DestroyIcon(HICON hIcon) {
    return ce::res::Icon::destroy(hIcon);
}
