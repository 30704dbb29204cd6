// allocation_sweep [--stride N] [--mode once|persistent|both] [--only POINT] SCENARIO...|all
// Sweeps each scenario and reports its fault points; exit code 1 when a run went wrong.
#include <ceobjstore.h>
#include <cetest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>

#include "Commands.h"
#include "StoreScenarios.h"

namespace {

namespace fs = std::filesystem;

std::vector<sweep::Scenario> allScenarios() {
    std::vector<sweep::Scenario> all = sweep::storeScenarios();
    for (sweep::Scenario& scenario : sweep::viewerScenarios()) all.push_back(scenario);
    return all;
}

// Thousands of runs each sync the volume to disk: in memory when the machine allows.
fs::path scratchParent() {
    if (!std::getenv("TMPDIR") && ::access("/dev/shm", W_OK) == 0) return "/dev/shm";
    return fs::temp_directory_path();
}

int usage() {
    std::cerr << "usage: allocation_sweep [--stride N] [--mode once|persistent|both] [--only POINT] SCENARIO...|all\n"
                 "  --only POINT runs that one fault point in this process (for a debugger)\n"
                 "scenarios:";
    for (const sweep::Scenario& scenario : allScenarios()) std::cerr << " " << scenario.name;
    std::cerr << "\n";
    return 2;
}

// The volume every run starts from, made by cedb import in a child so that this process
// never uses the store itself: each run's first use of it is swept too.
bool makeVolume(const std::string& path) {
    pid_t child = ::fork();
    if (child == 0) {
        std::ostringstream out;
        cedb::Console console{out, std::cerr, true};
        ce::objstore::setVolumePath(path);
        int code = cedb::runImport({ORVANE_SWEEP_VOLUME_JSON}, console);
        ce::objstore::closeVolume();
        ::_exit(code);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    sweep::Options options;
    std::string mode = "both";
    std::vector<std::string> names;
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        if (word == "--stride" && i + 1 < argc) options.stride = static_cast<unsigned>(std::max(1, std::atoi(argv[++i])));
        else if (word == "--mode" && i + 1 < argc) mode = argv[++i];
        else if (word == "--only" && i + 1 < argc) options.only = std::atol(argv[++i]);
        else if (word.rfind("--", 0) == 0) return usage();
        else names.push_back(word);
    }
    if (names.empty() || (mode != "once" && mode != "persistent" && mode != "both")) return usage();

    // Before anything in this process touches SQLite.
    ce::test::sqliteHeap();
    std::string scratchTemplate = (scratchParent() / "orvane-sweep.XXXXXX").string();
    if (!::mkdtemp(scratchTemplate.data())) return usage();
    options.scratch = scratchTemplate;
    options.volume = options.scratch + "/base.vol";
    if (!makeVolume(options.volume)) {
        std::cerr << "allocation_sweep: cannot make the volume to start from\n";
        return 2;
    }

    bool failed = false;
    size_t ran = 0;
    for (const sweep::Scenario& scenario : allScenarios()) {
        bool chosen = false;
        for (const std::string& name : names) chosen = chosen || name == "all" || name == scenario.name;
        if (!chosen) continue;
        ++ran;
        for (bool persistent : {false, true}) {
            if (mode != "both" && (mode == "persistent") != persistent) continue;
            sweep::Report report = sweep::sweepScenario(scenario, persistent, options);
            std::cout << scenario.name << (persistent ? ", every allocation failing from the fault point on: "
                                                      : ", one allocation failing: ")
                      << report.faultPoints << " fault points, " << report.runs << " runs: " << report.completed
                      << " completed, " << report.outOfMemory << " stopped with \"out of memory\", " << report.ladder
                      << " ended by the out-of-memory ladder (exit code 1), " << report.problems.size()
                      << " kinds of problem\n";
            for (const sweep::Report::Problem& problem : report.problems)
                std::cout << "  at fault point " << problem.first << " (and " << problem.times - 1
                          << " more): " << problem.what << "\n";
            failed = failed || !report.problems.empty() || report.faultPoints == 0;
        }
    }
    fs::remove_all(options.scratch);
    if (ran == 0) return usage();
    return failed ? 1 : 0;
}
