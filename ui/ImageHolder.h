// One bitmap resource, loaded on first use and owned, drawn as a width x width square.
#pragma once

#include <windows.h>

namespace Nevo {

class ImageHolder {
public:
    // A null module means nevo_ui's own.
    ImageHolder(int id, UINT resourceId, int width, HINSTANCE module);
    virtual ~ImageHolder();

    int getId() const { return m_id; }
    int getWidth() const { return m_width; }
    // Loads on first use; null when loading failed. The holder keeps ownership.
    HBITMAP getBitmap();
    // Draws with the top left corner at `point`; nothing when the bitmap cannot be loaded.
    virtual void show(HDC dc, POINT point);

protected:
    // 1 when the bitmap is loaded.
    int initBitmap();
    HBITMAP loadResource(UINT resourceId) const;
    // Copies the width x width square at the top left of the image with `blit`.
    template <class Blit>
    void drawWith(HDC dc, Blit blit);

    int m_width;
    int m_id;
    UINT m_resourceId;
    HBITMAP m_bitmap;
    HINSTANCE m_module;
};

template <class Blit>
void ImageHolder::drawWith(HDC dc, Blit blit) {
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, m_bitmap);
    blit(memory);
    SelectObject(memory, previous);
    DeleteDC(memory);
}

}  // namespace Nevo
