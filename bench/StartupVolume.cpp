// Builds the start-up benchmark's volumes through the calls of windbase.h, in batches so that
// a thousand databases cost a few disk syncs. The volume is closed afterwards: the programs
// timed open it in processes of their own.
#include "StartupVolume.h"

#include <algorithm>

#include <unistd.h>

#include "BenchFiles.h"
#include "SampleDatabases.h"
#include "ceobjstore.h"
#include "winbase.h"
#include "windbase.h"

namespace {

constexpr CEPROPID c_label = PROP_TAG(CEVT_LPWSTR, 1);
constexpr CEPROPID c_number = PROP_TAG(CEVT_I4, 2);
constexpr CEPROPID c_when = PROP_TAG(CEVT_FILETIME, 3);
constexpr DWORD c_type = 0x5A000;
constexpr std::uint32_t c_batchDatabases = 100;

bool startVolume(const std::string& path) {
    ce::objstore::closeVolume();
    removeDatabaseFile(path);
    ce::objstore::setVolumePath(path);
    return ce::objstore::openVolume();
}

bool finish(bool ok) {
    ce::objstore::closeVolume();
    ce::objstore::setVolumePath("");
    return ok;
}

CEOID openByName(const std::u16string& name, HANDLE* handle) {
    CEOID oid = 0;
    *handle = CeOpenDatabaseEx(nullptr, &oid, name.c_str(), 0, 0, nullptr);
    return *handle == INVALID_HANDLE_VALUE ? 0 : oid;
}

bool writeRecords(HANDLE handle, std::uint32_t index) {
    for (std::uint32_t i = 0; i < StartupVolume::recordsOf(index); ++i) {
        std::u16string label = u"record " + StartupVolume::databaseName(index).substr(8) + u"/" +
                               static_cast<char16_t>(u'a' + i);
        CEPROPVAL props[3]{};
        props[0].propid = c_label;
        props[0].val.lpwstr = label.data();
        props[1].propid = c_number;
        props[1].val.lVal = static_cast<LONG>(index * 10 + i);
        props[2].propid = c_when;
        std::uint64_t ticks = 0x01D9000000000000ull + std::uint64_t{index} * 864'000'000'000ull + i;
        props[2].val.filetime = {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
        if (!CeWriteRecordProps(handle, 0, 3, props)) return false;
    }
    return true;
}

bool createDatabase(std::uint32_t index) {
    CEDBASEINFO info{};
    info.dwFlags = CEDB_VALIDCREATE;
    std::u16string name = StartupVolume::databaseName(index);
    std::copy(name.begin(), name.end(), info.szDbaseName);
    info.dwDbaseType = c_type + index % 4;
    info.wNumSortOrder = StartupVolume::sortOrdersOf(index);
    info.rgSortSpecs[0] = {c_label, CEDB_SORT_CASEINSENSITIVE};
    info.rgSortSpecs[1] = {c_number, 0};
    CEOID oid = CeCreateDatabaseEx(nullptr, &info);
    HANDLE handle = oid ? CeOpenDatabaseEx(nullptr, &oid, nullptr, 0, 0, nullptr) : INVALID_HANDLE_VALUE;
    if (handle == INVALID_HANDLE_VALUE) return false;
    bool ok = writeRecords(handle, index);
    CloseHandle(handle);
    return ok;
}

}  // namespace

std::u16string StartupVolume::databaseName(std::uint32_t index) {
    std::u16string name = u"startup-0000";
    for (size_t at = name.size(); index && at > 8; index /= 10) name[--at] = static_cast<char16_t>(u'0' + index % 10);
    return name;
}

bool StartupVolume::createSample(const std::string& path) {
    return finish(startVolume(path) && ce::objstore::createSampleDatabases());
}

bool StartupVolume::useMany(const std::string& path, std::uint32_t count) {
    if (holdsMany(path, count)) return true;
    bool ok = startVolume(path);
    for (std::uint32_t first = 0; first < count && ok; first += c_batchDatabases) {
        ok = ce::objstore::beginBatch();
        for (std::uint32_t index = first; index < count && index < first + c_batchDatabases && ok; ++index)
            ok = createDatabase(index);
        ok = ce::objstore::endBatch() && ok;
    }
    return finish(ok);
}

std::uint32_t StartupVolume::databaseCount(const std::string& path) {
    return static_cast<std::uint32_t>(databaseNames(path).size());
}

std::u16string StartupVolume::firstName(const std::string& path) {
    auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; };
    auto before = [&](const std::u16string& a, const std::u16string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [&](char16_t x, char16_t y) { return lower(x) < lower(y); });
    };
    std::vector<std::u16string> names = databaseNames(path);
    auto first = std::min_element(names.begin(), names.end(), before);
    return first == names.end() ? std::u16string() : *first;
}

std::vector<std::u16string> StartupVolume::databaseNames(const std::string& path) {
    ce::objstore::closeVolume();
    ce::objstore::setVolumePath(path);
    std::vector<std::u16string> names;
    HANDLE found = CeFindFirstDatabaseEx(nullptr, 0);
    if (found != INVALID_HANDLE_VALUE) {
        while (CEOID oid = CeFindNextDatabaseEx(found, nullptr)) {
            CEOIDINFO info{};
            names.emplace_back(CeOidGetInfo(oid, &info) ? info.infDatabase.szDbaseName : u"");
        }
        CloseHandle(found);
    }
    finish(true);
    return names;
}

// The right number of databases, the last of them complete: a build cut short has fewer.
bool StartupVolume::holdsMany(const std::string& path, std::uint32_t count) {
    if (access(path.c_str(), R_OK) != 0 || databaseCount(path) != count || count == 0) return false;
    ce::objstore::setVolumePath(path);
    HANDLE handle = INVALID_HANDLE_VALUE;
    CEOID last = openByName(databaseName(count - 1), &handle);
    bool complete = false;
    if (last) {
        CEOIDINFO info{};
        complete = CeOidGetInfo(last, &info) && info.infDatabase.wNumRecords == recordsOf(count - 1) &&
                   info.infDatabase.wNumSortOrder == sortOrdersOf(count - 1);
        CloseHandle(handle);
    }
    return finish(complete);
}
