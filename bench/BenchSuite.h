// The benchmark suite: each operation registered for the object store and for the SQLite
// baseline under names that differ only in their first part, so they can be paired.
#pragma once

#include <cstdint>
#include <string>

#include <benchmark/benchmark.h>

namespace bench {

// Records a step benchmark walks: the whole of a small database, a slice of a large one.
constexpr std::uint32_t c_stepSlice = 100000;
// Single-change transactions timed by the add and delete benchmarks.
constexpr std::int64_t c_changeCount = 2000;
constexpr std::uint32_t c_valueSamples = 4096;

// Cold opens load a whole database: a few suffice, fewer on a large one.
inline std::int64_t coldOpenIterations(std::uint32_t count) { return count >= 1000000 ? 3 : 10; }
// "100k", "1M": names that a filter can tell apart.
inline std::string sizeName(std::uint32_t count) {
    return count % 1000000 == 0 ? std::to_string(count / 1000000) + "M" : std::to_string(count / 1000) + "k";
}
inline const char* orderName(bool byName) { return byName ? "Name" : "I4"; }

// One engine's benchmark functions; step is the store's alone (null for the baseline).
using Benchmark = void (*)(benchmark::State& state, std::uint32_t count, bool flag);
struct EngineBenchmarks {
    const char* engine;  // the first part of every name: "store" or "sqlite"
    Benchmark openCold, openWarm, seekIndex, seekValue, stepRead, stepOnly;
    Benchmark change;  // flag: time adds (else deletes)
};
// Registers every operation of the engine on a database of `count` records, each by the
// I4 and by the name order, as "<engine>/<operation>/<order>/<size>".
void registerEngine(const EngineBenchmarks& engine, std::uint32_t count);

void registerStore(std::uint32_t count);
void registerSqlite(std::uint32_t count);
// A reader's seek after another process's write, following the change log and rebuilding.
void registerChangeLog(std::uint32_t count);
// The other process of those benchmarks: objstore_bench started with this flag and a volume
// makes one change per byte it reads, answering each once committed.
constexpr char c_changeLogWriterFlag[] = "--change-log-writer";
int runChangeLogWriter(const char* volume);

}  // namespace bench
