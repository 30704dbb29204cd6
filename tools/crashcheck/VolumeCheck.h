// The checks of a volume that hold whatever was written to it: SQLite's own integrity check
// of the file, and through the store, each database's information against its records and
// each of its orders against the records put in order here.
#pragma once

#include <string>
#include <vector>

#include "VolumeImage.h"

namespace crashcheck {

// SQLite's PRAGMA integrity_check on the file opened read-only; empty when it passes.
std::string integrityProblem(const std::string& path);

// Record counts, sizes and sort orders of every database in the image, read from the
// current volume; each problem in words.
std::vector<std::string> consistencyProblems(const VolumeImage& image);

}  // namespace crashcheck
