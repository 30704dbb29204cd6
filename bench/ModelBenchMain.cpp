// model_bench: CeDbListModel::at over random and sequential positions on 100,000 and
// 1,000,000 records, against SQLite in the same run. Sizes run one after the other so that
// each volume is loaded once.
#include <unistd.h>

#include <benchmark/benchmark.h>

#include "ModelBenchmarks.h"
#include "RatioReporter.h"

int main(int argc, char** argv) {
    for (std::uint32_t count : {100000u, 1000000u}) bench::registerModel(count);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter(isatty(STDOUT_FILENO) != 0, "model", "sqlite");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
