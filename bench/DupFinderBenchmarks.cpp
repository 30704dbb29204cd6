// The duplicate finder against SQLite's GROUP BY. Each iteration searches every record; the
// list's destruction is left out of the time, as a user waits only for the search.
#include "DupFinderBenchmarks.h"

#include <cinttypes>
#include <cstdio>
#include <memory>

#include <benchmark/benchmark.h>

#include "DupTable.h"
#include "SqliteTable.h"
#include "db/CeDatabase.h"
#include "duplicates/DupList.h"

namespace bench {

namespace {

struct FinderResult {
    std::int64_t repeats = -1;
    CEPROPID sortKey = 0;
};

FinderResult findOnce(CEOID database, CEPROPID propid) {
    Nevo::CeDatabase opened(database);
    if (!opened.open(nullptr, 0, nullptr)) return {};
    Orvane::DupList list(&opened, propid);
    return {static_cast<std::int64_t>(list.size()), list.getSortKey()};
}

benchmark::Counter perRecord(std::uint32_t records) {
    return benchmark::Counter(records, benchmark::Counter::kIsIterationInvariantRate);
}

void findInStore(benchmark::State& state, DupCase dupCase, bool sorted) {
    Nevo::CeDatabase database(sorted ? dupCase.sorted : dupCase.unsorted);
    if (!database.open(nullptr, 0, nullptr)) {
        state.SkipWithError("cannot open the database");
        return;
    }
    for (auto _ : state) {
        auto list = std::make_unique<Orvane::DupList>(&database, dupCase.propid);
        benchmark::DoNotOptimize(list->size());
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
    state.counters["records"] = perRecord(dupCase.records);
}

// Steps through every group, taking its value as the finder's UTF-16 text and its count.
void groupInSqlite(benchmark::State& state, sqlite3* db, std::uint32_t records) {
    SqlStatement query(db, DupTable::c_repeatsQuery);
    if (!query.valid()) {
        state.SkipWithError(sqlite3_errmsg(db));
        return;
    }
    for (auto _ : state) {
        std::int64_t rows = 0;
        while (sqlite3_step(query.get()) == SQLITE_ROW) {
            benchmark::DoNotOptimize(sqlite3_column_text16(query.get(), 0));
            rows += sqlite3_column_int64(query.get(), 1);
        }
        sqlite3_reset(query.get());
        benchmark::DoNotOptimize(rows);
    }
    state.counters["records"] = perRecord(records);
}

}  // namespace

std::string dupDisagreement(const DupCase& dupCase, const DupBaseline& baseline) {
    FinderResult sorted = findOnce(dupCase.sorted, dupCase.propid);
    FinderResult unsorted = findOnce(dupCase.unsorted, dupCase.propid);
    std::int64_t indexed = DupTable::repeats(baseline.indexed);
    std::int64_t plain = DupTable::repeats(baseline.plain);
    char text[256];
    if (sorted.sortKey != dupCase.propid || unsorted.sortKey != 0) {
        std::snprintf(text, sizeof text, "the finder searched with sort key 0x%08x and 0x%08x, not 0x%08x and 0",
                      static_cast<unsigned>(sorted.sortKey), static_cast<unsigned>(unsorted.sortKey),
                      static_cast<unsigned>(dupCase.propid));
        return text;
    }
    if (sorted.repeats >= 0 && sorted.repeats == unsorted.repeats && sorted.repeats == indexed && indexed == plain)
        return {};
    std::snprintf(text, sizeof text,
                  "records repeating an earlier value of property 0x%08x: the finder lists %" PRId64
                  " sorted and %" PRId64 " unsorted, SQLite counts %" PRId64 " indexed and %" PRId64 " plain",
                  static_cast<unsigned>(dupCase.propid), sorted.repeats, unsorted.repeats, indexed, plain);
    return text;
}

void registerDupFinder(const DupCase& dupCase, const DupBaseline& baseline) {
    for (bool sorted : {true, false}) {
        std::string tail = std::string(sorted ? "Sorted/" : "Unsorted/") + dupCase.label;
        benchmark::RegisterBenchmark(("store/" + tail).c_str(), findInStore, dupCase, sorted)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("sqlite/" + tail).c_str(), groupInSqlite,
                                     sorted ? baseline.indexed : baseline.plain, dupCase.records)
            ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace bench
