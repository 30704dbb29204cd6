// An image drawn through a one-bit mask: where the mask is black the image is copied, where it
// is white the background stays (the image is white there).
#pragma once

#include "ImageHolder.h"

namespace Nevo {

class MaskedImageHolder : public ImageHolder {
public:
    MaskedImageHolder(int id, UINT resourceId, UINT maskResourceId, int width, HINSTANCE module);
    ~MaskedImageHolder() override;

    void show(HDC dc, POINT point) override;

private:
    // 1 when both the mask and the image are loaded.
    int initBitmap();

    UINT m_maskResourceId;
    HBITMAP m_mask;
};

}  // namespace Nevo
