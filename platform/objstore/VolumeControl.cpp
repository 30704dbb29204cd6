// Which volume file the calls use: CE_STORE, the default under the user's data folder, or
// a path set at run time; the default volume's first-use initializer.
#include <cstdlib>
#include <filesystem>
#include <utility>

#include "ceobjstore.h"
#include "Store.h"
#include "kernel/IdleHooks.h"
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

// The volume file the next call uses, or an empty path and why none can be chosen.
struct VolumeChoice {
    std::string path;
    std::string problem;
    bool isDefault = false;
};

VolumeChoice defaultVolume() {
    std::string data = environment("XDG_DATA_HOME");
    if (data.empty() || data[0] != '/') {
        std::string home = environment("HOME");
        if (home.empty() || home[0] != '/')
            return {"", "HOME is not set (nor XDG_DATA_HOME): the default volume lives under it", true};
        data = home + "/.local/share";
    }
    return {data + "/orvane/objectstore.vol", "", true};
}

// A set but empty CE_STORE is most likely a script's unset variable: falling back to the
// default would touch the user's own volume, so it is refused instead.
VolumeChoice chooseVolume() {
    if (!control().chosenPath.empty()) return {control().chosenPath, "", false};
    if (const char* store = std::getenv("CE_STORE")) {
        if (*store) return {store, "", false};
        return {"", "CE_STORE is set but empty: set it to a volume file, or unset it for the default volume", false};
    }
    return defaultVolume();
}

// Only the default volume's folder is made on first use, also when its path is set
// explicitly (an empty default volume); a named volume's folder must already exist, so that
// a mistyped path fails instead of growing folders.
std::string folderProblem(const VolumeChoice& choice) {
    if (choice.isDefault || choice.path == defaultVolume().path) return {};
    std::filesystem::path folder = std::filesystem::path(choice.path).parent_path();
    std::error_code ignored;
    if (folder.empty() || std::filesystem::is_directory(folder, ignored)) return {};
    return choice.path + ": there is no folder " + folder.string() + " (only the default volume's folder is created)";
}

// A read transaction kept between calls is let go whenever the program waits.
void releaseHeldReads() {
    if (control().store) control().store->volume().releaseHeldBeforeWaiting();
}

std::shared_ptr<Store> openStore(const std::string& path) {
    kernel::addIdleHook(releaseHeldReads);
    bool created = false;
    auto volume = Volume::open(path, created);
    if (!volume) return nullptr;
    auto openMarks = OpenMarks::forVolume(volume->path());
    if (!openMarks) return nullptr;
    clearVolumeError();
    return control().store = std::make_shared<Store>(std::move(volume), std::move(openMarks));
}

// The filling writes through the calls, so the volume being built is their store until it
// is filled; closing it puts everything written into the file. A volume left empty or half
// filled is not linked into place, where it would stay for good.
bool fillUnderConstruction(const std::string& building, VolumeInitializer fill, const char* what) {
    if (!openStore(building)) return false;
    bool filled = fill();
    if (!filled) {
        DWORD error = GetLastError();
        std::string reason = lastVolumeError();
        setVolumeError(error, building + ": cannot fill the new " + what + ": " +
                                  (reason.empty() ? "error " + std::to_string(error) : reason));
    }
    control().store.reset();
    return filled;
}

// The chosen volume's path, when there is one whose folder may hold it; false with the
// volume error set.
bool usable(const VolumeChoice& choice) {
    if (choice.path.empty()) return setVolumeError(ERROR_PATH_NOT_FOUND, choice.problem), false;
    if (std::string problem = folderProblem(choice); !problem.empty())
        return setVolumeError(ERROR_PATH_NOT_FOUND, problem), false;
    return true;
}

}  // namespace

std::string volumePath() {
    return chooseVolume().path;
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
    VolumeChoice choice = chooseVolume();
    if (!usable(choice)) return nullptr;
    // The default volume is filled before it is linked into place: no other process sees
    // it empty, and none fills it twice.
    std::error_code ignored;
    auto fill = [&state](const std::string& building) {
        return fillUnderConstruction(building, state.initializer, "default volume");
    };
    if (choice.isDefault && state.initializer && !std::filesystem::exists(choice.path, ignored) &&
        !volumefile::create(choice.path, fill))
        return nullptr;
    return openStore(choice.path);
}

bool createVolume(VolumeInitializer fill) {
    closeVolume();
    VolumeChoice choice = chooseVolume();
    if (!usable(choice)) return false;
    auto build = [fill](const std::string& building) { return fillUnderConstruction(building, fill, "volume"); };
    return volumefile::create(choice.path, build, volumefile::Existing::Refused);
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
