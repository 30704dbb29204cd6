// The object store's side of the suite: opens, positional and value seeks, stepping with
// reads, and single-record adds and deletes, each through the calls of windbase.h.
#include <malloc.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "BenchSuite.h"
#include "BenchRecords.h"
#include "StoreVolume.h"
#include "ceobjstore.h"
#include "winbase.h"

namespace bench {

namespace {

CEPROPID orderOf(bool byName) { return byName ? StoreVolume::c_name : StoreVolume::c_number; }

// Opens the benchmark database on `count` records in one order, or marks the run failed.
HANDLE prepare(benchmark::State& state, std::uint32_t count, bool byName) {
    if (!StoreVolume::use(count)) {
        state.SkipWithError("cannot build the object store volume");
        return INVALID_HANDLE_VALUE;
    }
    HANDLE handle = StoreVolume::open(orderOf(byName));
    if (handle == INVALID_HANDLE_VALUE) state.SkipWithError("cannot open the benchmark database");
    return handle;
}

void openCold(benchmark::State& state, std::uint32_t count, bool byName) {
    HANDLE first = prepare(state, count, byName);
    if (first == INVALID_HANDLE_VALUE) return;
    CloseHandle(first);
    for (auto _ : state) {
        // Dropping the volume drops the loaded database: the open reads it and builds the index.
        state.PauseTiming();
        ce::objstore::closeVolume();
        state.ResumeTiming();
        HANDLE handle = StoreVolume::open(orderOf(byName));
        if (handle == INVALID_HANDLE_VALUE) {
            state.SkipWithError("open failed");
            break;
        }
        CloseHandle(handle);
    }
}

// The same open as on a volume without saved indexes: it reads every record.
void openColdRebuilt(benchmark::State& state, std::uint32_t count, bool byName) {
    ce::objstore::setSavedIndexesUsed(false);
    openCold(state, count, byName);
    ce::objstore::setSavedIndexesUsed(true);
}

size_t residentBytes() {
    std::ifstream statm("/proc/self/statm");
    size_t pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * static_cast<size_t>(sysconf(_SC_PAGESIZE));
}

// What an open sort order keeps in memory, per record: the resident memory a cold open adds,
// with freed memory given back first, less what SQLite holds more (its page cache, up to
// 16 MB, which the second counter shows).
void memory(benchmark::State& state, std::uint32_t count, bool byName) {
    HANDLE first = prepare(state, count, byName);
    if (first == INVALID_HANDLE_VALUE) return;
    CloseHandle(first);
    for (auto _ : state) {
        ce::objstore::closeVolume();
        malloc_trim(0);
        size_t before = residentBytes();
        auto sqliteBefore = sqlite3_memory_used();
        HANDLE handle = StoreVolume::open(orderOf(byName));
        malloc_trim(0);
        size_t after = residentBytes();
        auto sqliteGrew = std::max<sqlite3_int64>(sqlite3_memory_used() - sqliteBefore, 0);
        if (handle == INVALID_HANDLE_VALUE) {
            state.SkipWithError("open failed");
            break;
        }
        CloseHandle(handle);
        double grew = static_cast<double>(after - std::min(before, after));
        state.counters["bytes_per_record"] = std::max(grew - static_cast<double>(sqliteGrew), 0.0) / count;
        state.counters["sqlite_per_record"] = static_cast<double>(sqliteGrew) / count;
    }
}

void openWarm(benchmark::State& state, std::uint32_t count, bool byName) {
    HANDLE first = prepare(state, count, byName);
    if (first == INVALID_HANDLE_VALUE) return;
    for (auto _ : state) {
        HANDLE handle = StoreVolume::open(orderOf(byName));
        if (handle == INVALID_HANDLE_VALUE) {
            state.SkipWithError("open failed");
            break;
        }
        CloseHandle(handle);
    }
    CloseHandle(first);
}

void seekIndex(benchmark::State& state, std::uint32_t count, bool byName) {
    HANDLE handle = prepare(state, count, byName);
    if (handle == INVALID_HANDLE_VALUE) return;
    IndexPicker picker(count);
    for (auto _ : state) {
        DWORD index = 0;
        CEOID oid = CeSeekDatabase(handle, CEDB_SEEK_BEGINNING, picker.next(), &index);
        if (!oid) {
            state.SkipWithError("seek failed");
            break;
        }
        benchmark::DoNotOptimize(oid);
    }
    CloseHandle(handle);
}

void seekValue(benchmark::State& state, std::uint32_t count, bool byName) {
    HANDLE handle = prepare(state, count, byName);
    if (handle == INVALID_HANDLE_VALUE) return;
    std::vector<BenchRecord> samples = sampleRecords(count, c_valueSamples);
    size_t next = 0;
    for (auto _ : state) {
        BenchRecord& record = samples[next++ % samples.size()];
        CEPROPVAL value{};
        value.propid = orderOf(byName);
        if (byName) value.val.lpwstr = record.name.data();
        else value.val.lVal = record.number;
        DWORD index = 0;
        CEOID oid = CeSeekDatabase(handle, CEDB_SEEK_VALUEFIRSTEQUAL, reinterpret_cast<DWORD_PTR>(&value), &index);
        if (!oid) {
            state.SkipWithError("value not found");
            break;
        }
    }
    CloseHandle(handle);
}

// One iteration is one record: read it, then step to the next.
void stepRead(benchmark::State& state, std::uint32_t count, bool byName) {
    HANDLE handle = prepare(state, count, byName);
    if (handle == INVALID_HANDLE_VALUE) return;
    alignas(8) BYTE buffer[512];
    for (auto _ : state) {
        WORD props = 0;
        LPBYTE data = buffer;
        DWORD size = sizeof buffer;
        if (!CeReadRecordPropsEx(handle, 0, &props, nullptr, &data, &size, nullptr)) {
            state.SkipWithError("read failed");
            break;
        }
        DWORD index = 0;
        if (!CeSeekDatabase(handle, CEDB_SEEK_CURRENT, 1, &index)) {
            state.PauseTiming();
            CeSeekDatabase(handle, CEDB_SEEK_BEGINNING, 0, &index);
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(state.iterations());
    CloseHandle(handle);
}

// Stepping without reading: how much of a step-and-read the position itself costs.
void stepOnly(benchmark::State& state, std::uint32_t count, bool byName) {
    HANDLE handle = prepare(state, count, byName);
    if (handle == INVALID_HANDLE_VALUE) return;
    for (auto _ : state) {
        DWORD index = 0;
        if (!CeSeekDatabase(handle, CEDB_SEEK_CURRENT, 1, &index)) {
            state.PauseTiming();
            CeSeekDatabase(handle, CEDB_SEEK_BEGINNING, 0, &index);
            state.ResumeTiming();
        }
    }
    CloseHandle(handle);
}

// New records, each written in its own transaction; they are removed afterwards in one
// batch so that the cached volume keeps its count.
std::vector<CEOID> addRecords(HANDLE handle, std::uint32_t count, std::int64_t number, benchmark::State* timed) {
    std::vector<BenchRecord> records;
    for (std::int64_t k = 0; k < number; ++k) records.push_back(benchRecord(count + static_cast<std::uint32_t>(k)));
    std::vector<CEOID> oids;
    oids.reserve(records.size());
    auto add = [&](BenchRecord& record) {
        CEPROPVAL props[StoreVolume::c_propCount];
        StoreVolume::fillProps(record, props);
        oids.push_back(CeWriteRecordProps(handle, 0, StoreVolume::c_propCount, props));
    };
    if (timed) {
        size_t next = 0;
        for (auto _ : *timed) add(records[next++]);
    } else {
        for (BenchRecord& record : records) add(record);
    }
    return oids;
}

bool deleteRecords(HANDLE handle, const std::vector<CEOID>& oids, benchmark::State* timed) {
    bool deleted = true;
    if (timed) {
        size_t next = 0;
        for (auto _ : *timed) deleted = CeDeleteRecord(handle, oids[next++]) && deleted;
    } else {
        for (CEOID oid : oids) deleted = CeDeleteRecord(handle, oid) && deleted;
    }
    return deleted;
}

// Both sort orders stay open so that every change updates both indexes, as SQLite's does.
void change(benchmark::State& state, std::uint32_t count, bool timeAdds) {
    HANDLE byNumber = prepare(state, count, false);
    if (byNumber == INVALID_HANDLE_VALUE) return;
    HANDLE byName = StoreVolume::open(StoreVolume::c_name);
    std::int64_t number = state.max_iterations;
    std::vector<CEOID> oids;
    if (timeAdds) {
        oids = addRecords(byNumber, count, number, &state);
    } else {
        ce::objstore::beginBatch();
        oids = addRecords(byNumber, count, number, nullptr);
        ce::objstore::endBatch();
    }
    bool ok = true;
    for (CEOID oid : oids) ok = ok && oid != 0;
    if (timeAdds) {
        ce::objstore::beginBatch();
        ok = deleteRecords(byNumber, oids, nullptr) && ok;
        ce::objstore::endBatch();
    } else {
        ok = deleteRecords(byNumber, oids, &state) && ok;
    }
    if (!ok) state.SkipWithError("a change failed");
    CloseHandle(byName);
    CloseHandle(byNumber);
}

}  // namespace

void registerStore(std::uint32_t count) {
    registerEngine({"store", openCold, openWarm, seekIndex, seekValue, stepRead, stepOnly, change}, count);
    for (bool byName : {false, true}) {
        std::string tail = std::string("/") + orderName(byName) + "/" + sizeName(count);
        benchmark::RegisterBenchmark(("store/OpenColdRebuilt" + tail).c_str(), openColdRebuilt, count, byName)
            ->Iterations(coldOpenIterations(count))
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("store/Memory" + tail).c_str(), memory, count, byName)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace bench
