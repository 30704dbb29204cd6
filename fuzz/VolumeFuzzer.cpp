// Opening a volume file someone else wrote: the input becomes the volume, which is opened
// through the object store and read whole: every database, in every one of its sort orders,
// every record. Anything may be refused; nothing may crash, hang or allocate without bound.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "DatabaseList.h"
#include "RecordReader.h"
#include "ceobjstore.h"

namespace {

namespace fs = std::filesystem;

// One folder per process, the same for every input, emptied after each: the store keeps
// files beside the volume (its log, its marks) that must not carry over to the next input.
const fs::path& scratchFolder() {
    // Never destroyed: the removal at exit still needs it.
    static const fs::path& folder = *[] {
        auto* path = new fs::path(fs::temp_directory_path() / ("orvane-volume-fuzz." + std::to_string(::getpid())));
        fs::create_directories(*path);
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(scratchFolder(), ignored);
        });
        return path;
    }();
    return folder;
}

void emptyScratch() {
    std::error_code ignored;
    for (const fs::directory_entry& entry : fs::directory_iterator(scratchFolder(), ignored))
        fs::remove_all(entry.path(), ignored);
}

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

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fs::path volume = scratchFolder() / "input.vol";
    if (std::FILE* file = std::fopen(volume.c_str(), "wb")) {
        bool written = std::fwrite(data, 1, size, file) == size;
        if (std::fclose(file) == 0 && written) {
            ce::objstore::setVolumePath(volume.string());
            if (ce::objstore::openVolume()) readAll();
            ce::objstore::closeVolume();
        }
    }
    emptyScratch();
    return 0;
}
