// ResourceLoader: primary module first, the fallback only on a null result.
#include "app/ResourceLoader.h"

namespace Nevo {

namespace {

// Ids are 16-bit integer resource names.
LPCWSTR nameOf(UINT id) {
    return MAKEINTRESOURCEW(static_cast<WORD>(id));
}

}  // namespace

LPCWSTR ResourceLoader::stringFrom(HINSTANCE module, UINT id) {
    // With no buffer size the platform hands back the resource's own address.
    LPCWSTR text = nullptr;
    int length = LoadStringW(module, static_cast<WORD>(id), reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? text : nullptr;
}

LPCWSTR ResourceLoader::loadString(UINT id) const {
    LPCWSTR text = stringFrom(m_primary, id);
    if (!text && m_fallback)
        text = stringFrom(m_fallback, id);
    return text;
}

HICON ResourceLoader::loadIcon(UINT id) const {
    HICON icon = LoadIconW(m_primary, nameOf(id));
    if (!icon && m_fallback)
        icon = LoadIconW(m_fallback, nameOf(id));
    return icon;
}

HBITMAP ResourceLoader::loadBitmap(UINT id) const {
    HBITMAP bitmap = LoadBitmapW(m_primary, nameOf(id));
    if (!bitmap && m_fallback)
        bitmap = LoadBitmapW(m_fallback, nameOf(id));
    return bitmap;
}

HMENU ResourceLoader::loadMenu(UINT id) const {
    return LoadMenuW(m_primary, nameOf(id));
}

}  // namespace Nevo
