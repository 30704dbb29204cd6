// model_bench's operations. The model reads every field of a record into a new item and keeps
// the items in its cache, as a list window would use it; the SQLite side copies the same
// columns out of its row.
#include "ModelBenchmarks.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "BenchRecords.h"
#include "BenchSuite.h"
#include "SqliteTable.h"
#include "StoreVolume.h"
#include "records/CeDbListItem.h"
#include "records/CeDbListModel.h"

namespace bench {

namespace {

class BenchItem : public Nevo::CeDbListItem {
public:
    explicit BenchItem(Nevo::Template* shape) : CeDbListItem(shape, 0) {}
    void draw(const DRAWITEMSTRUCT*) override {}
};

class BenchModel : public Nevo::CeDbListModel {
public:
    BenchModel() : CeDbListModel(StoreVolume::c_databaseName, StoreVolume::c_number) {
        getTemplate()->addField(Nevo::TemplateField::Number, StoreVolume::c_number, nullptr);
        getTemplate()->addField(Nevo::TemplateField::String, StoreVolume::c_name, nullptr);
        getTemplate()->addField(Nevo::TemplateField::FileTime, StoreVolume::c_time, nullptr);
    }
    Nevo::CeDbListItem* createItem() override { return new BenchItem(getTemplate()); }
};

// Positions go on from one run of a benchmark to the next, so that a later run does not find
// the earlier run's items in the cache.
IndexPicker& pickerOf(std::map<std::uint32_t, IndexPicker>& pickers, std::uint32_t count) {
    return pickers.try_emplace(count, count).first->second;
}

// One model per size, opened once: the benchmarks time `at`, not the open.
BenchModel* modelOf(benchmark::State& state, std::uint32_t count) {
    static std::unique_ptr<BenchModel> model;
    static std::uint32_t modelCount = 0;
    if (modelCount != count) {
        model.reset();
        modelCount = 0;
        if (!StoreVolume::use(count)) {
            state.SkipWithError("cannot build the store volume");
            return nullptr;
        }
        model = std::make_unique<BenchModel>();
        modelCount = count;
    }
    if (model->size() != count) {
        state.SkipWithError("the model does not see every record");
        return nullptr;
    }
    return model.get();
}

void modelAt(benchmark::State& state, std::uint32_t count, bool random) {
    BenchModel* model = modelOf(state, count);
    if (!model) return;
    static std::map<std::uint32_t, IndexPicker> pickers;
    IndexPicker& picker = pickerOf(pickers, count);
    static std::uint32_t next = 0;
    for (auto _ : state) {
        std::uint32_t index = random ? picker.next() : next++ % count;
        Nevo::ListItem* item = model->at(index);
        if (!item) {
            state.SkipWithError("at gave no item");
            break;
        }
        benchmark::DoNotOptimize(item->getDataField(1));
    }
    state.SetItemsProcessed(state.iterations());
}

void copyRow(sqlite3_stmt* row) {
    char name[64];
    benchmark::DoNotOptimize(sqlite3_column_int64(row, 0) + sqlite3_column_int64(row, 1) +
                             sqlite3_column_int64(row, 3));
    const unsigned char* text = sqlite3_column_text(row, 2);
    size_t length = std::min<size_t>(static_cast<size_t>(sqlite3_column_bytes(row, 2)), sizeof name);
    if (text) std::memcpy(name, text, length);
    benchmark::DoNotOptimize(name);
}

void sqliteOffset(benchmark::State& state, std::uint32_t count, bool random) {
    sqlite3* db = SqliteTable::use(count);
    if (!db) return state.SkipWithError("cannot build the SQLite table");
    SqlStatement row(db, "SELECT id, num, name, ft FROM records ORDER BY num LIMIT 1 OFFSET ?");
    static std::map<std::uint32_t, IndexPicker> pickers;
    IndexPicker& picker = pickerOf(pickers, count);
    static std::uint32_t next = 0;
    for (auto _ : state) {
        std::uint32_t index = random ? picker.next() : next++ % count;
        row.bind(1, index);
        if (sqlite3_step(row.get()) != SQLITE_ROW) {
            state.SkipWithError("no row at the offset");
            break;
        }
        copyRow(row.get());
        sqlite3_reset(row.get());
    }
    state.SetItemsProcessed(state.iterations());
}

// The next row of one statement walking the whole order: the cheapest sequential read.
void sqliteStep(benchmark::State& state, std::uint32_t count, bool) {
    sqlite3* db = SqliteTable::use(count);
    if (!db) return state.SkipWithError("cannot build the SQLite table");
    SqlStatement walk(db, "SELECT id, num, name, ft FROM records ORDER BY num");
    for (auto _ : state) {
        if (sqlite3_step(walk.get()) != SQLITE_ROW) {
            state.PauseTiming();
            sqlite3_reset(walk.get());
            sqlite3_step(walk.get());
            state.ResumeTiming();
        }
        copyRow(walk.get());
    }
    state.SetItemsProcessed(state.iterations());
}

void add(const char* engine, const char* operation, std::uint32_t count,
         void (*function)(benchmark::State&, std::uint32_t, bool), bool random) {
    std::string name = std::string(engine) + "/" + operation + "/" + sizeName(count);
    benchmark::RegisterBenchmark(name.c_str(), function, count, random);
}

}  // namespace

void registerModel(std::uint32_t count) {
    add("model", "AtRandom", count, modelAt, true);
    add("model", "AtSequential", count, modelAt, false);
    add("model", "AtSequentialVsStep", count, modelAt, false);
    add("sqlite", "AtRandom", count, sqliteOffset, true);
    add("sqlite", "AtSequential", count, sqliteOffset, false);
    add("sqlite", "AtSequentialVsStep", count, sqliteStep, false);
}

}  // namespace bench
