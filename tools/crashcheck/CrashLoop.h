// The checker: starts a writer on the volume, kills it with SIGKILL at a random moment,
// reopens the volume and checks it against what the writer told, again and again.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

namespace crashcheck {

struct LoopSettings {
    std::string program;  // this program, started again as the writer
    std::string volume;
    std::uint64_t seed = 1;
    unsigned kills = 20;
    unsigned maxDelayMs = 200;
};

// One line per kill and a summary on `out`; 0 when every check held, 1 otherwise.
int runCrashLoop(const LoopSettings& settings, std::ostream& out);

// The checks that need no writer: the volume as it is; 0 when they hold, 1 otherwise.
int checkVolumeOnly(const std::string& volume, std::ostream& out);

}  // namespace crashcheck
