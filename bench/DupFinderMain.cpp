// dupfinder_bench: the viewer's duplicate finder on the largest sample database and on two
// synthetic ones, against SQLite's GROUP BY on the same values. The databases are built
// anew each run and removed at the end.
#include <unistd.h>

#include <cstdio>
#include <vector>

#include <benchmark/benchmark.h>

#include "BenchFiles.h"
#include "DupFinderBenchmarks.h"
#include "DupTable.h"
#include "DupVolume.h"
#include "RatioReporter.h"
#include "ceobjstore.h"

namespace {

// A quarter of the records distinct: four times the records make the unsorted search about
// sixteen times longer, the sorted one four times.
const std::vector<std::uint32_t> c_syntheticCounts = {5000, 20000};

std::string tableFile(const DupCase& dupCase, const char* kind) {
    return benchPath("orvane-dups-" + dupCase.label + "-" + kind + ".sqlite");
}

// Builds both tables of a case and checks that every side counts the same repeats.
bool prepare(const DupCase& dupCase, bench::DupBaseline& baseline) {
    std::vector<std::u16string> values = DupVolume::values(dupCase.sorted, dupCase.propid);
    baseline.indexed = DupTable::create(tableFile(dupCase, "indexed"), values, true);
    baseline.plain = DupTable::create(tableFile(dupCase, "plain"), values, false);
    if (!baseline.indexed || !baseline.plain) {
        std::fprintf(stderr, "dupfinder_bench: cannot build the SQLite tables of %s\n", dupCase.label.c_str());
        return false;
    }
    std::string problem = bench::dupDisagreement(dupCase, baseline);
    if (problem.empty()) return true;
    std::fprintf(stderr, "dupfinder_bench: %s: %s\n", dupCase.label.c_str(), problem.c_str());
    return false;
}

void removeFiles(const std::vector<DupCase>& cases, const std::vector<bench::DupBaseline>& baselines,
                 const std::string& volume) {
    for (const bench::DupBaseline& baseline : baselines) {
        sqlite3_close(baseline.indexed);
        sqlite3_close(baseline.plain);
    }
    for (const DupCase& dupCase : cases)
        for (const char* kind : {"indexed", "plain"}) removeDatabaseFile(tableFile(dupCase, kind));
    ce::objstore::closeVolume();
    removeDatabaseFile(volume);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    std::string volume = benchPath("orvane-dups.vol");
    std::vector<DupCase> cases = DupVolume::create(volume, c_syntheticCounts);
    if (cases.empty()) {
        std::fprintf(stderr, "dupfinder_bench: cannot build the databases in %s: %s\n", volume.c_str(),
                     ce::objstore::lastVolumeError().c_str());
        removeFiles(cases, {}, volume);
        return 1;
    }
    std::vector<bench::DupBaseline> baselines(cases.size());
    bool ready = true;
    for (size_t i = 0; i < cases.size() && ready; ++i) ready = prepare(cases[i], baselines[i]);
    if (ready) {
        for (size_t i = 0; i < cases.size(); ++i) bench::registerDupFinder(cases[i], baselines[i]);
        RatioReporter reporter(isatty(STDOUT_FILENO) != 0);
        benchmark::RunSpecifiedBenchmarks(&reporter);
    }
    removeFiles(cases, baselines, volume);
    benchmark::Shutdown();
    return ready ? 0 : 2;
}
