// objstore_bench: the object store against a plain SQLite table, on 100,000 and 1,000,000
// records. Sizes run one after the other so that each volume is loaded once. Last, a reader
// on the 1,000,000 records after another process's writes (this program again, as the writer).
#include <unistd.h>

#include <cstring>

#include <benchmark/benchmark.h>

#include "BenchSuite.h"
#include "RatioReporter.h"

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], bench::c_changeLogWriterFlag) == 0) return bench::runChangeLogWriter(argv[2]);
    for (std::uint32_t count : {100000u, 1000000u}) {
        bench::registerStore(count);
        bench::registerSqlite(count);
    }
    bench::registerChangeLog(1000000u);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter(isatty(STDOUT_FILENO) != 0);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
