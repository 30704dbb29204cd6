// Opening a volume file someone else wrote: the input is the file. Anything may be refused;
// nothing may crash, hang or allocate without bound.
#include <cstdint>
#include <cstdio>

#include "VolumeReading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::filesystem::path volume = fuzz::scratchFolder() / "input.vol";
    if (std::FILE* file = std::fopen(volume.c_str(), "wb")) {
        bool written = std::fwrite(data, 1, size, file) == size;
        if (std::fclose(file) == 0 && written) fuzz::openAndReadVolume(volume);
    }
    fuzz::emptyScratch();
    return 0;
}
