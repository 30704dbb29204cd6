// Which volume file the calls use: CE_STORE, the default under the user's data folder, or
// a path set at run time; the default volume's first-use initializer.
#include <cstdlib>
#include <utility>

#include "ceobjstore.h"
#include "Store.h"
#include "winbase.h"

namespace ce::objstore {

namespace {

struct VolumeControl {
    std::string chosenPath;  // set at run time; empty uses the environment
    std::shared_ptr<Store> store;
    VolumeInitializer initializer = nullptr;
};

VolumeControl& control() {
    static VolumeControl instance;
    return instance;
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string defaultPath() {
    std::string data = environment("XDG_DATA_HOME");
    if (data.empty() || data[0] != '/') data = environment("HOME") + "/.local/share";
    return data + "/orvane/objectstore.vol";
}

bool isDefaultPath() {
    return control().chosenPath.empty() && environment("CE_STORE").empty();
}

}  // namespace

std::string volumePath() {
    if (!control().chosenPath.empty()) return control().chosenPath;
    std::string store = environment("CE_STORE");
    return store.empty() ? defaultPath() : store;
}

void setVolumePath(const std::string& path) {
    closeVolume();
    control().chosenPath = path;
}

void closeVolume() {
    control().store.reset();
}

VolumeInitializer setDefaultVolumeInitializer(VolumeInitializer initializer) {
    return std::exchange(control().initializer, initializer);
}

std::shared_ptr<Store> currentStore() {
    VolumeControl& state = control();
    if (state.store) return state.store;
    bool created = false;
    auto volume = Volume::open(volumePath(), created);
    if (!volume) return nullptr;
    auto openMarks = OpenMarks::forVolume(volume->path());
    if (!openMarks) return nullptr;
    clearVolumeError();
    state.store = std::make_shared<Store>(std::move(volume), std::move(openMarks));
    auto store = state.store;
    if (created && isDefaultPath() && state.initializer) state.initializer();
    return store;
}

bool beginBatch() {
    auto store = currentStore();
    return store && store->volume().beginBatch();
}

bool endBatch() {
    auto store = control().store;
    return !store || store->volume().endBatch();
}

bool openVolume() {
    return currentStore() != nullptr;
}

}  // namespace ce::objstore
