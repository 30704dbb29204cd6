// The image store: lookups by id and available size over the built-in images, replacement of
// a holder of the same id and width, and the built-in bitmaps loading at their sizes.
#include <gtest/gtest.h>

#include "ImageStore.h"
#include "MaskedImageHolder.h"

using namespace Nevo;

namespace {

// Counts its destructions, so that replacement can be seen.
class CountedHolder : public ImageHolder {
public:
    CountedHolder(int width, int& destroyed) : ImageHolder(2, 1, width, nullptr), m_destroyed(destroyed) {}
    ~CountedHolder() override { ++m_destroyed; }

private:
    int& m_destroyed;
};

int widthFound(int id, int size) {
    ImageHolder* image = ImageStore::g_imageStore.getImage(id, size);
    return image && image->getId() == id ? image->getWidth() : 0;
}

}  // namespace

TEST(ImageStoreTest, FindsTheWidestImageOfTheIdThatFits) {
    EXPECT_EQ(widthFound(2, 20), 16);
    EXPECT_EQ(widthFound(2, 40), 32);
    EXPECT_EQ(widthFound(3, 11), 11);
    EXPECT_EQ(widthFound(0, 32), 32);
    EXPECT_EQ(ImageStore::g_imageStore.getImage(3, 10), nullptr);
    EXPECT_EQ(ImageStore::g_imageStore.getImage(7, 32), nullptr);
}

TEST(ImageStoreTest, AddingTheSameIdAndWidthDestroysTheOldHolder) {
    int firstGone = 0, secondGone = 0, otherGone = 0;
    ImageStore store;
    store.addImage(new CountedHolder(16, firstGone));
    store.addImage(new CountedHolder(11, otherGone));
    auto* second = new CountedHolder(16, secondGone);
    store.addImage(second);
    EXPECT_EQ(firstGone, 1);
    EXPECT_EQ(otherGone, 0);
    EXPECT_EQ(store.getImage(2, 16), second);
    EXPECT_EQ(store.getImage(2, 15)->getWidth(), 11);
}

TEST(ImageStoreTest, BuiltInBitmapsLoadOnceAtTheirSizes) {
    const int sizes[][3] = {{0, 32, 64}, {1, 32, 64}, {2, 32, 32}, {3, 32, 32}, {2, 16, 16},
                            {3, 16, 16}, {2, 11, 11}, {3, 11, 11}};
    for (auto [id, width, bitmapWidth] : sizes) {
        ImageHolder* image = ImageStore::g_imageStore.getImage(id, width);
        HBITMAP bitmap = image->getBitmap();
        BITMAP description{};
        GetObjectW(bitmap, sizeof description, &description);
        EXPECT_EQ(description.bmWidth, bitmapWidth) << "image " << id << " at " << width;
        EXPECT_EQ(description.bmHeight, width) << "image " << id << " at " << width;
        EXPECT_EQ(image->getBitmap(), bitmap);
    }
}

TEST(ImageStoreTest, AMissingResourceGivesNoBitmapAndDrawsNothing) {
    MaskedImageHolder missing(9, 9999, 9998, 8, nullptr);
    EXPECT_EQ(missing.getBitmap(), nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    missing.show(dc, {0, 0});
    DeleteDC(dc);
}
