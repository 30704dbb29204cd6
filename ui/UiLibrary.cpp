// The library's load and unload: the module object and the image store come first, then the
// built-in images are registered; unloading ends the module object before the store goes.
#include "ImageStore.h"
#include "MaskedImageHolder.h"
#include "UiModule.h"
#include "UiResourceIds.h"
#include "ceresource.h"

namespace Nevo {

namespace {

CAppModule c_module;

struct BuiltInImage {
    int id;
    int width;
    UINT image;
    UINT mask;  // 0: a plain image
};

const BuiltInImage c_builtInImages[] = {
    {0, 32, IDB_ARROWHEAD_DOWN, 0},
    {1, 32, IDB_ARROWHEAD_UP, 0},
    {2, 32, IDB_ARROW_DOWN_32, IDB_ARROW_DOWN_32_MASK},
    {3, 32, IDB_ARROW_UP_32, IDB_ARROW_UP_32_MASK},
    {2, 16, IDB_ARROW_DOWN_16, IDB_ARROW_DOWN_16_MASK},
    {3, 16, IDB_ARROW_UP_16, IDB_ARROW_UP_16_MASK},
    {2, 11, IDB_ARROW_DOWN_11, IDB_ARROW_DOWN_11_MASK},
    {3, 11, IDB_ARROW_UP_11, IDB_ARROW_UP_11_MASK},
};

void registerBuiltInImages() {
    for (const BuiltInImage& image : c_builtInImages) {
        if (image.mask)
            ImageStore::g_imageStore.addImage(
                new MaskedImageHolder(image.id, image.image, image.mask, image.width, nullptr));
        else
            ImageStore::g_imageStore.addImage(new ImageHolder(image.id, image.image, image.width, nullptr));
    }
}

}  // namespace

// Defined here, before the entry below, so that it exists when the images are registered
// and outlives the detach.
ImageStore ImageStore::g_imageStore;

namespace {

class LibraryEntry {
public:
    LibraryEntry() {
        c_module.Init(ce::moduleOf(&c_module));
        registerBuiltInImages();
    }
    ~LibraryEntry() { c_module.Term(); }
};

const LibraryEntry c_entry;

}  // namespace

CAppModule& UiModule::module() {
    return c_module;
}

}  // namespace Nevo

CAppModule nevo_ui_getLocalModule() {
    return Nevo::UiModule::module();
}
