// Builds the duplicate finder's databases through the calls of windbase.h, in batches so that
// thousands of records cost one disk sync.
#include "DupVolume.h"

#include <algorithm>

#include "BenchFiles.h"
#include "ceobjstore.h"
#include "cewchar.h"
#include "db/CeDatabase.h"
#include "SampleDatabases.h"
#include "winbase.h"

namespace {

// Coprime with every count of distinct values used (not a multiple of 7919): record i takes
// value (i * c_spread) % distinct, so each value comes back `distinct` records apart at most
// and the repeats are scattered rather than adjacent.
constexpr std::uint32_t c_spread = 7919;

bool databaseInfo(CEOID database, CEDBASEINFO& info) {
    CEOIDINFO oidInfo{};
    if (!CeOidGetInfo(database, &oidInfo) || oidInfo.wObjType != OBJTYPE_DATABASE) return false;
    info = oidInfo.infDatabase;
    return true;
}

void setName(CEDBASEINFO& info, const WCHAR* name) {
    std::fill(std::begin(info.szDbaseName), std::end(info.szDbaseName), 0);
    std::copy(name, name + std::min<size_t>(std::char_traits<WCHAR>::length(name), CEDB_MAXDBASENAMELEN - 1),
              info.szDbaseName);
}

// "(425) 555-0042" for 42: the look of a phone number, the call log's repeated property.
std::u16string syntheticValue(std::uint32_t index) {
    std::u16string text = u"(425) 555-0000";
    for (size_t at = text.size(); index && at > 10; index /= 10) text[--at] = static_cast<char16_t>(u'0' + index % 10);
    return text;
}

bool writeSynthetic(CEOID database, std::uint32_t count, std::uint32_t distinct) {
    HANDLE handle = CeOpenDatabaseEx(nullptr, &database, nullptr, 0, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    for (std::uint32_t i = 0; i < count && ok; ++i) {
        std::u16string value = syntheticValue(static_cast<std::uint32_t>((std::uint64_t{i} * c_spread) % distinct));
        CEPROPVAL prop{};
        prop.propid = DupVolume::c_syntheticProp;
        prop.val.lpwstr = value.data();
        ok = CeWriteRecordProps(handle, 0, 1, &prop) != 0;
    }
    CloseHandle(handle);
    return ok;
}

}  // namespace

std::vector<DupCase> DupVolume::create(const std::string& path, const std::vector<std::uint32_t>& syntheticCounts) {
    ce::objstore::closeVolume();
    removeDatabaseFile(path);
    ce::objstore::setVolumePath(path);
    std::vector<DupCase> cases;
    if (!ce::objstore::createSampleDatabases() || !addSampleCase(cases)) return {};
    for (std::uint32_t count : syntheticCounts)
        if (!addSyntheticCase(count, cases)) return {};
    return cases;
}

bool DupVolume::addSampleCase(std::vector<DupCase>& cases) {
    DupCase dupCase;
    dupCase.sorted = largestDatabase();
    CEDBASEINFO info{};
    if (!dupCase.sorted || !databaseInfo(dupCase.sorted, info)) return false;
    dupCase.label = ce::toUtf8(info.szDbaseName);
    dupCase.records = info.wNumRecords;
    dupCase.propid = sortedStringProperty(dupCase.sorted);
    if (!dupCase.propid) return false;
    dupCase.unsorted = copyWithout(dupCase.sorted, dupCase.propid, u"dups-unsorted");
    if (!dupCase.unsorted) return false;
    cases.push_back(dupCase);
    return true;
}

bool DupVolume::addSyntheticCase(std::uint32_t count, std::vector<DupCase>& cases) {
    DupCase dupCase;
    dupCase.label = "synthetic-" + std::to_string(count);
    dupCase.propid = c_syntheticProp;
    dupCase.records = count;
    std::u16string name = u"dups-" + std::u16string(dupCase.label.begin(), dupCase.label.end());
    dupCase.sorted = createSynthetic((name + u"-s").c_str(), count, count / 4, true);
    dupCase.unsorted = createSynthetic((name + u"-u").c_str(), count, count / 4, false);
    if (!dupCase.sorted || !dupCase.unsorted) return false;
    cases.push_back(dupCase);
    return true;
}

CEOID DupVolume::largestDatabase() {
    HANDLE search = CeFindFirstDatabaseEx(nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) return 0;
    CEOID largest = 0;
    WORD most = 0;
    for (CEOID oid = CeFindNextDatabaseEx(search, nullptr); oid; oid = CeFindNextDatabaseEx(search, nullptr)) {
        CEDBASEINFO info{};
        if (databaseInfo(oid, info) && (!largest || info.wNumRecords > most)) {
            largest = oid;
            most = info.wNumRecords;
        }
    }
    CloseHandle(search);
    return largest;
}

CEPROPID DupVolume::sortedStringProperty(CEOID database) {
    CEDBASEINFO info{};
    if (!databaseInfo(database, info)) return 0;
    for (WORD i = 0; i < info.wNumSortOrder && i < CEDB_MAXSORTORDER; ++i)
        if (TypeFromPropID(info.rgSortSpecs[i].propid) == CEVT_LPWSTR) return info.rgSortSpecs[i].propid;
    return 0;
}

CEOID DupVolume::copyWithout(CEOID source, CEPROPID propid, const WCHAR* name) {
    CEDBASEINFO info{};
    if (!databaseInfo(source, info)) return 0;
    auto sortsEnd = std::remove_if(info.rgSortSpecs, info.rgSortSpecs + info.wNumSortOrder,
                                   [propid](const SORTORDERSPEC& sort) { return sort.propid == propid; });
    info.wNumSortOrder = static_cast<WORD>(sortsEnd - info.rgSortSpecs);
    info.dwFlags = CEDB_VALIDNAME | CEDB_VALIDTYPE | CEDB_VALIDSORTSPEC;
    setName(info, name);
    CEOID copy = CeCreateDatabaseEx(nullptr, &info);
    HANDLE target = copy ? CeOpenDatabaseEx(nullptr, &copy, nullptr, 0, 0, nullptr) : INVALID_HANDLE_VALUE;
    Nevo::CeDatabase reader(source);
    if (target == INVALID_HANDLE_VALUE || !reader.open(nullptr, 0, nullptr)) {
        if (target != INVALID_HANDLE_VALUE) CloseHandle(target);
        return 0;
    }
    bool ok = ce::objstore::beginBatch();
    WORD count = 0;
    for (CEPROPVAL* props = reader.read(nullptr, &count); props && ok;
         props = reader.seekNext() ? reader.read(nullptr, &count) : nullptr)
        ok = CeWriteRecordProps(target, 0, count, props) != 0;
    ok = ce::objstore::endBatch() && ok;
    CloseHandle(target);
    return ok ? copy : 0;
}

CEOID DupVolume::createSynthetic(const WCHAR* name, std::uint32_t count, std::uint32_t distinct, bool sorted) {
    CEDBASEINFO info{};
    info.dwFlags = CEDB_VALIDNAME | CEDB_VALIDTYPE | CEDB_VALIDSORTSPEC;
    setName(info, name);
    info.wNumSortOrder = sorted ? 1 : 0;
    info.rgSortSpecs[0] = {c_syntheticProp, 0};
    CEOID database = CeCreateDatabaseEx(nullptr, &info);
    if (!database || !ce::objstore::beginBatch()) return 0;
    bool ok = writeSynthetic(database, count, distinct);
    return ce::objstore::endBatch() && ok ? database : 0;
}

std::vector<std::u16string> DupVolume::values(CEOID database, CEPROPID propid) {
    std::vector<std::u16string> found;
    Nevo::CeDatabase reader(database);
    if (!reader.open(nullptr, 0, nullptr)) return found;
    for (CEPROPVAL* value = reader.read(nullptr, propid); value;
         value = reader.seekNext() ? reader.read(nullptr, propid) : nullptr)
        if (!(value->wFlags & CEDB_PROPNOTFOUND) && value->val.lpwstr) found.emplace_back(value->val.lpwstr);
    return found;
}
