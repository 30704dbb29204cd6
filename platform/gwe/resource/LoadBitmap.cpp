// LoadBitmapW: a new bitmap from a module's .bmp resource.
#include "gwe/gdi/BmpDecoder.h"
#include "gwe/resource/ResourceRegistry.h"

// Each call decodes the file again into a bitmap of the caller's own. A null instance is not
// a module here (there are no system bitmaps).
HBITMAP LoadBitmapW(HINSTANCE hInstance, LPCWSTR lpBitmapName) {
    const ce::res::BitmapResource* resource =
        ce::res::findResource(hInstance, lpBitmapName, &ce::res::ModuleResources::bitmaps);
    return resource ? ce::gdi::createBitmapFromBmp(resource->file.data, resource->file.size) : nullptr;
}
