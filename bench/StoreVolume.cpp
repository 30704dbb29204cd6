// Builds and caches the object store volume of the benchmark. The load runs in batches so
// that a million records cost a few disk syncs rather than a million.
#include "StoreVolume.h"

#include "BenchFiles.h"
#include "ceobjstore.h"
#include "winbase.h"

namespace {

constexpr const WCHAR* c_databaseName = StoreVolume::c_databaseName;
constexpr DWORD c_databaseType = 0x0BE7C400;
constexpr std::uint32_t c_batchSize = 100000;
std::uint32_t c_current = 0;

CEOID databaseOid() {
    CEOID oid = 0;
    HANDLE handle = CeOpenDatabaseEx(nullptr, &oid, c_databaseName, 0, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return 0;
    CloseHandle(handle);
    return oid;
}

bool holds(std::uint32_t count) {
    CEOID oid = databaseOid();
    if (!oid) return false;
    CEOIDINFOEX info{};
    info.wVersion = CEOIDINFOEX_VERSION;
    return CeOidGetInfoEx2(nullptr, oid, &info) && info.infDatabase.dwNumRecords == count;
}

CEOID createDatabase() {
    CEDBASEINFO info{};
    info.dwFlags = CEDB_VALIDCREATE;
    for (size_t i = 0; i < sizeof StoreVolume::c_databaseName / sizeof(WCHAR); ++i) info.szDbaseName[i] = c_databaseName[i];
    info.dwDbaseType = c_databaseType;
    info.wNumSortOrder = 2;
    info.rgSortSpecs[0] = {StoreVolume::c_number, 0};
    info.rgSortSpecs[1] = {StoreVolume::c_name, 0};
    return CeCreateDatabaseEx(nullptr, &info);
}

bool fill(HANDLE handle, std::uint32_t count) {
    for (std::uint32_t first = 0; first < count; first += c_batchSize) {
        if (!ce::objstore::beginBatch()) return false;
        for (std::uint32_t i = first; i < count && i < first + c_batchSize; ++i) {
            BenchRecord record = benchRecord(i);
            CEPROPVAL props[StoreVolume::c_propCount];
            StoreVolume::fillProps(record, props);
            if (!CeWriteRecordProps(handle, 0, StoreVolume::c_propCount, props)) return false;
        }
        if (!ce::objstore::endBatch()) return false;
    }
    return true;
}

bool build(std::uint32_t count, const std::string& path) {
    ce::objstore::closeVolume();
    removeDatabaseFile(path);
    ce::objstore::setVolumePath(path);
    CEOID oid = createDatabase();
    if (!oid) return false;
    HANDLE handle = CeOpenDatabaseEx(nullptr, &oid, nullptr, 0, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    bool filled = fill(handle, count);
    CloseHandle(handle);
    return filled;
}

}  // namespace

bool StoreVolume::use(std::uint32_t count) {
    std::string path = benchFile(count, c_fileSuffix);
    // Staying on the same volume keeps its loaded databases and their indexes.
    if (c_current == count && ce::objstore::volumePath() == path) return true;
    c_current = 0;
    ce::objstore::setVolumePath(path);
    if (!holds(count) && !build(count, path)) return false;
    c_current = count;
    return true;
}

HANDLE StoreVolume::open(CEPROPID order) {
    CEOID oid = 0;
    return CeOpenDatabaseEx(nullptr, &oid, c_databaseName, order, 0, nullptr);
}

void StoreVolume::fillProps(BenchRecord& record, CEPROPVAL (&props)[c_propCount]) {
    props[0] = CEPROPVAL{};
    props[0].propid = c_number;
    props[0].val.lVal = record.number;
    props[1] = CEPROPVAL{};
    props[1].propid = c_name;
    props[1].val.lpwstr = record.name.data();
    props[2] = CEPROPVAL{};
    props[2].propid = c_time;
    props[2].val.filetime.dwLowDateTime = static_cast<DWORD>(record.filetime);
    props[2].val.filetime.dwHighDateTime = static_cast<DWORD>(record.filetime >> 32);
}
