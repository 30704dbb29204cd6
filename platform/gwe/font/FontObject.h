// HFONT's object: the LOGFONTW it was made from, as GetObjectW gives it back, and the font
// it was realized as.
#pragma once

#include "gwe/font/Font.h"
#include "gwe/gdi/DeviceContext.h"
#include "gwe/gdi/GdiObject.h"

namespace ce::font {

class FontObject : public gdi::GdiObject {
public:
    explicit FontObject(const LOGFONTW& logFont) : gdi::GdiObject(OBJ_FONT), m_logFont(logFont), m_font(logFont) {}

    int describe(int size, void* buffer) const override;
    const LOGFONTW& logFont() const { return m_logFont; }
    const Font& font() const { return m_font; }

    // The font a DC draws with: its selected font, or the system font.
    static const Font& of(const gdi::DeviceContext& dc);

private:
    LOGFONTW m_logFont;
    Font m_font;
};

}  // namespace ce::font
