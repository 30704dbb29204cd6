// SYSTEM_FONT: the fonts arrive with the font engine.
#include "gwe/gdi/GdiObject.h"

namespace ce::gdi {

HFONT createStockSystemFont() {
    return nullptr;
}

}  // namespace ce::gdi
