// GetObjectW on a font, and finding a DC's font.
#include "gwe/font/FontObject.h"

#include <algorithm>
#include <cstring>

namespace ce::font {

int FontObject::describe(int size, void* buffer) const {
    if (!buffer) return static_cast<int>(sizeof(LOGFONTW));
    int bytes = std::min(size, static_cast<int>(sizeof(LOGFONTW)));
    if (bytes <= 0) return 0;
    std::memcpy(buffer, &m_logFont, static_cast<size_t>(bytes));
    return bytes;
}

const Font& FontObject::of(const gdi::DeviceContext& dc) {
    gdi::GdiObject* object = gdi::GdiObjects::instance().find(dc.state().font);
    if (!object || object->type() != OBJ_FONT) object = gdi::GdiObjects::instance().find(GetStockObject(SYSTEM_FONT));
    if (object && object->type() == OBJ_FONT) return static_cast<FontObject*>(object)->font();
    static const Font c_lastResort{LOGFONTW{}};  // only when the handle table is full
    return c_lastResort;
}

}  // namespace ce::font
