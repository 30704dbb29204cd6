// crashcheck: kills a process writing to an object store volume at random moments and checks
// after each kill that every change it reported done is there, the unfinished one is there
// wholly or not at all, and the volume is sound.
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <iostream>

#include "CrashLoop.h"
#include "Writer.h"
#include "ceobjstore.h"

namespace {

const char c_usage[] =
    "usage: crashcheck [--kills N] [--seed N] [--volume PATH] [--max-delay MS] [--writer-program PATH]\n"
    "       crashcheck --check VOLUME\n";

bool number(const char* text, unsigned long long& value) {
    char* end = nullptr;
    value = std::strtoull(text, &end, 10);
    return *text && !*end;
}

}  // namespace

int main(int argc, char** argv) {
    crashcheck::LoopSettings settings;
    settings.program = std::filesystem::read_symlink("/proc/self/exe").string();
    settings.seed = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    bool writer = false;
    std::string check;
    for (int i = 1; i < argc; ++i) {
        std::string option = argv[i];
        unsigned long long value = 0;
        bool hasValue = i + 1 < argc;
        if (option == "--writer") {
            writer = true;
        } else if (option == "--volume" && hasValue) {
            settings.volume = argv[++i];
        } else if (option == "--writer-program" && hasValue) {
            settings.program = argv[++i];  // another writer, to check the checker
        } else if (option == "--check" && hasValue) {
            check = argv[++i];
        } else if (option == "--seed" && hasValue && number(argv[++i], value)) {
            settings.seed = value;
        } else if (option == "--kills" && hasValue && number(argv[++i], value) && value <= 100000000) {
            settings.kills = static_cast<unsigned>(value);
        } else if (option == "--max-delay" && hasValue && number(argv[++i], value) && value <= 60000) {
            settings.maxDelayMs = static_cast<unsigned>(value);
        } else {
            std::cerr << c_usage;
            return 2;
        }
    }
    if (!check.empty()) return crashcheck::checkVolumeOnly(check, std::cout);
    if (writer) {
        if (settings.volume.empty()) return 2;
        ce::objstore::setVolumePath(settings.volume);
        return crashcheck::Writer(STDOUT_FILENO, settings.seed).run();
    }

    std::string scratch;
    if (settings.volume.empty()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "crashcheck.XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            std::cerr << "crashcheck: cannot make a scratch folder\n";
            return 1;
        }
        scratch = pattern;
        settings.volume = scratch + "/crash.vol";
    }
    std::cout << "crashcheck --seed " << settings.seed << " --kills " << settings.kills << " --volume "
              << settings.volume << "\n";
    int result = crashcheck::runCrashLoop(settings, std::cout);
    if (!scratch.empty() && result == 0) std::filesystem::remove_all(scratch);
    else if (!scratch.empty()) std::cout << "the volume is kept in " << scratch << "\n";
    return result;
}
