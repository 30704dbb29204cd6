// The SQLite baseline of the suite: the store's operations as a plain indexed table does
// them. Positions use OFFSET, as SQLite has no rank lookup; each change is its own transaction.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "BenchRecords.h"
#include "BenchSuite.h"
#include "SqliteTable.h"

namespace bench {

namespace {

sqlite3* prepare(benchmark::State& state, std::uint32_t count) {
    sqlite3* db = SqliteTable::use(count);
    if (!db) state.SkipWithError("cannot build the SQLite table");
    return db;
}

std::string ordered(const char* head, bool byName, const char* tail = "") {
    return std::string(head) + " ORDER BY " + SqliteTable::column(byName) + tail;
}

// A new connection, positioned on the first record of the order: what an open handle gives.
void openCold(benchmark::State& state, std::uint32_t count, bool byName) {
    if (!prepare(state, count)) return;
    std::string first = ordered("SELECT id FROM records", byName, " LIMIT 1");
    for (auto _ : state) {
        sqlite3* db = SqliteTable::connect(count);
        bool found = db && SqlStatement(db, first.c_str()).single() > 0;
        sqlite3_close(db);
        if (!found) {
            state.SkipWithError("open failed");
            break;
        }
    }
}

void openWarm(benchmark::State& state, std::uint32_t count, bool byName) {
    sqlite3* db = prepare(state, count);
    if (!db) return;
    std::string first = ordered("SELECT id FROM records", byName, " LIMIT 1");
    for (auto _ : state) {
        if (SqlStatement(db, first.c_str()).single() <= 0) {
            state.SkipWithError("open failed");
            break;
        }
    }
}

void seekIndex(benchmark::State& state, std::uint32_t count, bool byName) {
    sqlite3* db = prepare(state, count);
    if (!db) return;
    SqlStatement seek(db, ordered("SELECT id FROM records", byName, " LIMIT 1 OFFSET ?").c_str());
    IndexPicker picker(count);
    for (auto _ : state) {
        if (seek.bind(1, picker.next()).single() <= 0) {
            state.SkipWithError("seek failed");
            break;
        }
    }
}

void seekValue(benchmark::State& state, std::uint32_t count, bool byName) {
    sqlite3* db = prepare(state, count);
    if (!db) return;
    const char* sql = byName ? "SELECT id FROM records WHERE name = ? ORDER BY name, rowid LIMIT 1"
                             : "SELECT id FROM records WHERE num = ? ORDER BY num, rowid LIMIT 1";
    SqlStatement seek(db, sql);
    std::vector<BenchRecord> samples = sampleRecords(count, c_valueSamples);
    std::vector<std::string> names;
    for (const BenchRecord& record : samples) names.push_back(narrowName(record.name));
    size_t next = 0;
    for (auto _ : state) {
        size_t k = next++ % samples.size();
        if (byName) seek.bind(1, names[k]);
        else seek.bind(1, samples[k].number);
        if (seek.single() <= 0) {
            state.SkipWithError("value not found");
            break;
        }
    }
}

// One iteration is one row: step, then copy its columns out as a record read does.
void stepRead(benchmark::State& state, std::uint32_t count, bool byName) {
    sqlite3* db = prepare(state, count);
    if (!db) return;
    SqlStatement walk(db, ordered("SELECT id, num, name, ft FROM records", byName).c_str());
    char name[64];
    for (auto _ : state) {
        if (sqlite3_step(walk.get()) != SQLITE_ROW) {
            state.PauseTiming();
            sqlite3_reset(walk.get());
            sqlite3_step(walk.get());
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(sqlite3_column_int64(walk.get(), 0) + sqlite3_column_int64(walk.get(), 1) +
                                 sqlite3_column_int64(walk.get(), 3));
        const unsigned char* text = sqlite3_column_text(walk.get(), 2);
        size_t length = std::min<size_t>(sqlite3_column_bytes(walk.get(), 2), sizeof name);
        if (text) std::memcpy(name, text, length);
        benchmark::DoNotOptimize(name);
    }
    state.SetItemsProcessed(state.iterations());
}

bool insertRows(sqlite3* db, std::uint32_t count, std::int64_t number, benchmark::State* timed,
                std::vector<std::int64_t>& ids) {
    SqlStatement insert(db, "INSERT INTO records (num, name, ft) VALUES (?, ?, ?)");
    bool ok = insert.valid();
    std::int64_t k = 0;
    auto add = [&] {
        BenchRecord record = benchRecord(count + static_cast<std::uint32_t>(k++));
        insert.bind(1, record.number).bind(2, narrowName(record.name)).bind(3, static_cast<std::int64_t>(record.filetime));
        ok = insert.run() && ok;
        ids.push_back(sqlite3_last_insert_rowid(db));
    };
    if (timed) {
        for (auto _ : *timed) add();
    } else {
        while (k < number) add();
    }
    return ok;
}

bool deleteRows(sqlite3* db, const std::vector<std::int64_t>& ids, benchmark::State* timed) {
    SqlStatement remove(db, "DELETE FROM records WHERE id = ?");
    bool ok = remove.valid();
    size_t next = 0;
    if (timed) {
        for (auto _ : *timed) ok = remove.bind(1, ids[next++]).run() && ok;
    } else {
        for (std::int64_t id : ids) ok = remove.bind(1, id).run() && ok;
    }
    return ok;
}

// The untimed half runs in one transaction, like the store's batch.
void change(benchmark::State& state, std::uint32_t count, bool timeAdds) {
    sqlite3* db = prepare(state, count);
    if (!db) return;
    std::vector<std::int64_t> ids;
    bool ok = true;
    if (timeAdds) {
        ok = insertRows(db, count, state.max_iterations, &state, ids);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        ok = deleteRows(db, ids, nullptr) && ok;
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    } else {
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        ok = insertRows(db, count, state.max_iterations, nullptr, ids);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        ok = deleteRows(db, ids, &state) && ok;
    }
    if (!ok) state.SkipWithError("a change failed");
}

}  // namespace

void registerSqlite(std::uint32_t count) {
    registerEngine({"sqlite", openCold, openWarm, seekIndex, seekValue, stepRead, nullptr, change}, count);
}

}  // namespace bench
