// Loads strings, icons, menus and bitmaps by id from the application's module, looking in a
// fallback module (the UI library's) for strings, icons and bitmaps it does not have.
#pragma once

#include <windows.h>

namespace Nevo {

class ResourceLoader {
public:
    explicit ResourceLoader(HINSTANCE primary) : m_primary(primary), m_fallback(nullptr) {}

    HINSTANCE getPrimaryResModule() const { return m_primary; }
    HINSTANCE getFallback() const { return m_fallback; }
    void setFallback(HINSTANCE fallback) { m_fallback = fallback; }

    // The module's own terminated text, no copy; null when neither module has the id.
    LPCWSTR loadString(UINT id) const;
    // Icons, bitmaps and menus belong to the caller.
    HICON loadIcon(UINT id) const;
    HBITMAP loadBitmap(UINT id) const;
    // The primary module only: menus never come from the fallback.
    HMENU loadMenu(UINT id) const;

private:
    static LPCWSTR stringFrom(HINSTANCE module, UINT id);

    HINSTANCE m_primary;
    HINSTANCE m_fallback;
};

}  // namespace Nevo
