#include "VolumeReading.h"

#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "DatabaseList.h"
#include "RecordReader.h"
#include "ceobjstore.h"

namespace fuzz {

namespace fs = std::filesystem;

namespace {

// In memory where there is such a folder: the store syncs the disk on every open and commit.
fs::path scratchParent() {
    std::error_code error;
    if (::access("/dev/shm", W_OK) == 0) return "/dev/shm";
    return fs::temp_directory_path(error);
}

}  // namespace

const fs::path& scratchFolder() {
    // Never destroyed: the removal at exit still needs it.
    static const fs::path& folder = *[] {
        auto* path = new fs::path(scratchParent() / ("orvane-volume-fuzz." + std::to_string(::getpid())));
        fs::create_directories(*path);
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(scratchFolder(), ignored);
        });
        return path;
    }();
    return folder;
}

void emptyScratch(const fs::path& keep) {
    std::error_code ignored;
    for (const fs::directory_entry& entry : fs::directory_iterator(scratchFolder(), ignored))
        if (entry.path() != keep) fs::remove_all(entry.path(), ignored);
}

namespace {

void readAll() {
    auto oids = cedb::databaseOids();
    if (!oids) return;
    for (CEOID oid : *oids) {
        (void)cedb::databaseInfo(oid);
        std::vector<CEPROPID> orders{0};
        for (const SORTORDERSPEC& order : cedb::databaseSortOrders(oid)) orders.push_back(order.propid);
        for (CEPROPID order : orders) {
            cedb::RecordReader reader;
            if (!reader.open(oid, order)) continue;
            cedb::RecordImage record;
            while (reader.next(record)) {
            }
        }
    }
}

}  // namespace

void openAndReadVolume(const fs::path& volume) {
    ce::objstore::setVolumePath(volume.string());
    if (ce::objstore::openVolume()) readAll();
    ce::objstore::closeVolume();
}

}  // namespace fuzz
