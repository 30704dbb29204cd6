// Stock objects: made on first use, never deleted.
#include <array>
#include <memory>

#include "gwe/gdi/GdiObject.h"
#include "winbase.h"

namespace ce::gdi {

namespace {

HGDIOBJ makeStock(std::unique_ptr<GdiObject> object) {
    object->makeStock();
    return GdiObjects::instance().add(std::move(object));
}

HGDIOBJ makeStockObject(int index) {
    switch (index) {
    case WHITE_BRUSH: return makeStock(std::make_unique<Brush>(RGB(255, 255, 255), false));
    case LTGRAY_BRUSH: return makeStock(std::make_unique<Brush>(RGB(192, 192, 192), false));
    case GRAY_BRUSH: return makeStock(std::make_unique<Brush>(RGB(128, 128, 128), false));
    case DKGRAY_BRUSH: return makeStock(std::make_unique<Brush>(RGB(64, 64, 64), false));
    case BLACK_BRUSH: return makeStock(std::make_unique<Brush>(RGB(0, 0, 0), false));
    case NULL_BRUSH: return makeStock(std::make_unique<Brush>(RGB(0, 0, 0), true));
    case WHITE_PEN: return makeStock(std::make_unique<Pen>(PS_SOLID, 1, RGB(255, 255, 255)));
    case BLACK_PEN: return makeStock(std::make_unique<Pen>(PS_SOLID, 1, RGB(0, 0, 0)));
    case NULL_PEN: return makeStock(std::make_unique<Pen>(PS_NULL, 1, RGB(0, 0, 0)));
    case SYSTEM_FONT: return createStockSystemFont();
    }
    return nullptr;
}

}  // namespace

HBITMAP stockBitmap() {
    static HGDIOBJ bitmap = makeStock(std::make_unique<Bitmap>(1, 1, 1));
    return static_cast<HBITMAP>(bitmap);
}

}  // namespace ce::gdi

HGDIOBJ GetStockObject(int i) {
    static std::array<HGDIOBJ, SYSTEM_FONT + 1> objects{};
    if (i < 0 || i > SYSTEM_FONT) return nullptr;
    if (!objects[static_cast<size_t>(i)]) objects[static_cast<size_t>(i)] = ce::gdi::makeStockObject(i);
    return objects[static_cast<size_t>(i)];
}
