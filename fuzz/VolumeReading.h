// What the volume fuzzers share: a scratch folder of their own and the whole read of a volume.
#pragma once

#include <filesystem>

namespace fuzz {

// One folder per process, the same for every input, removed at exit.
const std::filesystem::path& scratchFolder();
// Removes everything in the scratch folder but `keep`: the store keeps files beside a volume
// (its log, its marks) that must not carry over to the next input.
void emptyScratch(const std::filesystem::path& keep = {});
// Opens the volume through the object store and reads it whole: every database, in creation
// order and in each of its sort orders, every record. Refusals are fine; the volume is
// closed again afterwards.
void openAndReadVolume(const std::filesystem::path& volume);

}  // namespace fuzz
