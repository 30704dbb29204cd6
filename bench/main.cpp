// objstore_bench: the object store against a plain SQLite table, on 100,000 and 1,000,000
// records. Sizes run one after the other so that each volume is loaded once.
#include <unistd.h>

#include <benchmark/benchmark.h>

#include "BenchSuite.h"
#include "RatioReporter.h"

int main(int argc, char** argv) {
    for (std::uint32_t count : {100000u, 1000000u}) {
        bench::registerStore(count);
        bench::registerSqlite(count);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter(isatty(STDOUT_FILENO) != 0);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
