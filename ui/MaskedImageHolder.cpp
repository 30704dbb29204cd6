// MaskedImageHolder: loads the mask before the image and draws with a masked block transfer.
#include "MaskedImageHolder.h"

namespace Nevo {

namespace {

// Mask bit 1: destination AND image (white image keeps the background); bit 0: copy.
constexpr DWORD c_maskedCopy = 0xCC8800C6;

}  // namespace

MaskedImageHolder::MaskedImageHolder(int id, UINT resourceId, UINT maskResourceId, int width, HINSTANCE module)
    : ImageHolder(id, resourceId, width, module), m_maskResourceId(maskResourceId), m_mask(nullptr) {}

MaskedImageHolder::~MaskedImageHolder() {
    if (m_mask)
        DeleteObject(m_mask);
}

int MaskedImageHolder::initBitmap() {
    if (!m_mask)
        m_mask = loadResource(m_maskResourceId);
    if (!m_mask)
        return 0;
    return ImageHolder::initBitmap();
}

void MaskedImageHolder::show(HDC dc, POINT point) {
    if ((!m_bitmap || !m_mask) && !initBitmap())
        return;
    drawWith(dc, [&](HDC memory) {
        MaskBlt(dc, point.x, point.y, m_width, m_width, memory, 0, 0, m_mask, 0, 0, c_maskedCopy);
    });
}

}  // namespace Nevo
