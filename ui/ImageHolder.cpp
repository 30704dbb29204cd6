// ImageHolder: lazy loading from the holder's module (or nevo_ui's) and the plain copy.
#include "ImageHolder.h"

#include "UiModule.h"

namespace Nevo {

ImageHolder::ImageHolder(int id, UINT resourceId, int width, HINSTANCE module)
    : m_width(width), m_id(id), m_resourceId(resourceId), m_bitmap(nullptr), m_module(module) {}

ImageHolder::~ImageHolder() {
    if (m_bitmap)
        DeleteObject(m_bitmap);
}

HBITMAP ImageHolder::loadResource(UINT resourceId) const {
    HINSTANCE module = m_module ? m_module : UiModule::instance();
    return LoadBitmapW(module, MAKEINTRESOURCEW(static_cast<WORD>(resourceId)));
}

int ImageHolder::initBitmap() {
    HBITMAP loaded = loadResource(m_resourceId);
    if (m_bitmap && m_bitmap != loaded)
        DeleteObject(m_bitmap);
    m_bitmap = loaded;
    return m_bitmap ? 1 : 0;
}

HBITMAP ImageHolder::getBitmap() {
    if (!m_bitmap)
        initBitmap();
    return m_bitmap;
}

void ImageHolder::show(HDC dc, POINT point) {
    if (!m_bitmap && !initBitmap())
        return;
    drawWith(dc, [&](HDC memory) { BitBlt(dc, point.x, point.y, m_width, m_width, memory, 0, 0, SRCCOPY); });
}

}  // namespace Nevo
