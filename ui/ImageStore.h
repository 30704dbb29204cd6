// The registry of images, found by id and the size available for them.
#pragma once

#include "ImageHolder.h"

namespace Nevo {

class Sequence;

class ImageStore {
public:
    ImageStore();
    ~ImageStore();
    ImageStore(const ImageStore&) = delete;
    ImageStore& operator=(const ImageStore&) = delete;

    // Takes ownership; replaces and destroys a holder of the same id and width.
    void addImage(ImageHolder* holder);
    // The widest holder of the id no wider than `size`; null when none fits.
    ImageHolder* getImage(int id, int size) const;

    // The library's store, filled with the built-in images when the library loads.
    static ImageStore g_imageStore;

private:
    Sequence* m_images;
};

}  // namespace Nevo
