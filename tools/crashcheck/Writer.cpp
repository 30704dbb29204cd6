#include "Writer.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cwctype>

#include "ceobjstore.h"
#include "winbase.h"

namespace crashcheck {

namespace {

constexpr size_t c_maxDatabases = 8, c_maxRecords = 120;
constexpr WORD c_types[] = {CEVT_I2,  CEVT_I4,     CEVT_R8,       CEVT_BOOL, CEVT_UI2,
                            CEVT_UI4, CEVT_LPWSTR, CEVT_FILETIME, CEVT_BLOB};
// Every type at two ids, so that records differ in what they hold.
std::vector<CEPROPID> propertyPool() {
    std::vector<CEPROPID> pool;
    for (WORD type : c_types)
        for (WORD id = 1; id <= 2; ++id) pool.push_back(PROP_TAG(type, id));
    return pool;
}
const std::vector<CEPROPID> c_pool = propertyPool();

// Characters whose case folding is plain (ASCII letters; the rest have no case), with units on
// both sides of the surrogates so that UTF-16 order differs from code point order.
const std::u16string c_alphabet = u"aAbBzZ09 _\u00e9\u4e2d\uffe0\U0001F600";

std::string folded(const std::string& name) {
    std::string text = name;
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

Writer::Writer(int reportFd, std::uint64_t seed) : m_fd(reportFd), m_random(seed) {}

int Writer::run() {
    std::string problem;
    auto image = readVolume(problem);
    if (!image) return failed("reading the volume: " + problem), 3;
    m_image = std::move(*image);
    tell("ready");
    while (step()) {}
    return 3;
}

bool Writer::step() {
    if (m_image.databases.empty()) return createDatabase(false);
    double pick = std::uniform_real_distribution<double>(0, 1)(m_random);
    if (pick < 0.35) return writeNewRecord(false);
    if (pick < 0.57) return rewriteRecord(false);
    if (pick < 0.72) return deleteRecord(false);
    if (pick < 0.77) return createDatabase(false);
    if (pick < 0.80) return deleteDatabase(false);
    return importBatch();
}

CEOID Writer::anyDatabase() {
    auto at = m_image.databases.begin();
    std::advance(at, below(m_image.databases.size()));
    return at->first;
}

Bytes Writer::randomValue(CEPROPID propid) {
    auto number = [this](auto small, auto extreme) {
        using T = decltype(small);
        T value = chance(0.2) ? extreme : static_cast<T>(static_cast<long>(below(9)) - 4) * small;
        Bytes bytes(sizeof(T));
        std::memcpy(bytes.data(), &value, sizeof(T));
        return bytes;
    };
    switch (TypeFromPropID(propid)) {
    case CEVT_I2: return number(SHORT{1}, chance(0.5) ? SHORT{-32768} : SHORT{32767});
    case CEVT_I4: return number(LONG{1000}, chance(0.5) ? LONG{-2147483647 - 1} : LONG{2147483647});
    case CEVT_UI2: return number(USHORT{1}, USHORT{65535});
    case CEVT_UI4: return number(ULONG{7}, ULONG{0xFFFFFFFFu});
    case CEVT_BOOL: return number(BOOL{1}, BOOL{0});  // any non-zero value is true
    case CEVT_R8: return number(0.25, chance(0.5) ? -1e300 : -0.0);
    case CEVT_FILETIME: return number(std::uint64_t{1} << 40, ~std::uint64_t{0});
    case CEVT_LPWSTR: {
        size_t length = chance(0.05) ? below(3000) : below(6);
        std::u16string text;
        for (size_t i = 0; i < length; ++i) text += c_alphabet[below(c_alphabet.size())];
        // A lone surrogate at the end is still a unit like any other; the terminator follows.
        Bytes bytes((text.size() + 1) * sizeof(WCHAR), 0);
        std::memcpy(bytes.data(), text.data(), text.size() * sizeof(WCHAR));
        return bytes;
    }
    case CEVT_BLOB: {
        size_t length = chance(0.02) ? below(CEDB_MAXPROPDATASIZE + 1) : chance(0.1) ? below(8000) : below(40);
        Bytes bytes(length);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(m_random());
        return bytes;
    }
    }
    return {};
}

// Sort properties most of the time, so that the orders have values to put in order.
Properties Writer::randomProperties(const DatabaseShape& shape, size_t maxCount) {
    Properties properties;
    for (const SORTORDERSPEC& sort : shape.sortOrders)
        if (chance(0.7)) properties[sort.propid] = randomValue(sort.propid);
    for (CEPROPID propid : c_pool)
        if (chance(0.15)) properties[propid] = randomValue(propid);
    while (properties.size() > maxCount) {
        auto at = properties.begin();
        std::advance(at, below(properties.size()));
        properties.erase(at);
    }
    return properties;
}

std::string Writer::randomName() {
    static const char letters[] = "abcdefghijKLMNOPQRST";
    for (;;) {
        std::string name = "Db";
        for (size_t i = 0, length = 1 + below(8); i < length; ++i) name += letters[below(sizeof letters - 1)];
        bool taken = std::any_of(m_image.databases.begin(), m_image.databases.end(),
                                 [&](const auto& d) { return folded(d.second.shape.name) == folded(name); });
        if (!taken) return name;
    }
}

bool Writer::writeNewRecord(bool batched) {
    CEOID database = anyDatabase();
    if (m_image.databases[database].records.size() >= c_maxRecords) return deleteRecord(batched);
    Change change{Change::Kind::WriteRecord, database, 0, randomProperties(m_image.databases[database].shape, 6), {}};
    if (change.properties.empty()) {  // a write needs at least one property
        CEPROPID propid = c_pool[below(c_pool.size())];
        change.properties[propid] = randomValue(propid);
    }
    if (recordSize(change.properties) > CEDB_MAXRECORDSIZE) return true;
    std::vector<CEPROPVAL> values;
    Properties copy = change.properties;
    for (auto& [propid, bytes] : copy) values.push_back(propValOf(propid, bytes));
    announce(change, batched);
    HANDLE handle = CeOpenDatabaseEx(nullptr, &database, nullptr, 0, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return failed("open for a new record");
    change.record = CeWriteRecordProps(handle, 0, static_cast<WORD>(values.size()), values.data());
    CloseHandle(handle);
    if (!change.record) return failed("write a new record");
    return done(change, batched);
}

bool Writer::rewriteRecord(bool batched) {
    CEOID database = anyDatabase();
    auto& records = m_image.databases[database].records;
    if (records.empty()) return writeNewRecord(batched);
    auto at = records.begin();
    std::advance(at, below(records.size()));
    Change change{Change::Kind::WriteRecord, database, at->first, at->second, {}};
    Properties set = randomProperties(m_image.databases[database].shape, 3);
    std::vector<CEPROPVAL> values;
    for (auto& [propid, bytes] : set) {
        values.push_back(propValOf(propid, bytes));
        change.properties[propid] = bytes;
    }
    for (const auto& [propid, bytes] : at->second)
        if (!set.count(propid) && chance(0.2)) {
            CEPROPVAL removal{propid, 0, CEDB_PROPDELETE, {}};
            values.push_back(removal);
            change.properties.erase(propid);
        }
    if (values.empty() || recordSize(change.properties) > CEDB_MAXRECORDSIZE) return true;
    announce(change, batched);
    HANDLE handle = CeOpenDatabaseEx(nullptr, &database, nullptr, 0, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return failed("open to rewrite a record");
    CEOID written = CeWriteRecordProps(handle, change.record, static_cast<WORD>(values.size()), values.data());
    CloseHandle(handle);
    if (written != change.record) return failed("rewrite record " + std::to_string(change.record));
    return done(change, batched);
}

bool Writer::deleteRecord(bool batched) {
    CEOID database = anyDatabase();
    auto& records = m_image.databases[database].records;
    if (records.empty()) return writeNewRecord(batched);
    auto at = records.begin();
    std::advance(at, below(records.size()));
    Change change{Change::Kind::DeleteRecord, database, at->first, {}, {}};
    announce(change, batched);
    HANDLE handle = CeOpenDatabaseEx(nullptr, &database, nullptr, 0, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return failed("open to delete a record");
    bool deleted = CeDeleteRecord(handle, change.record);
    CloseHandle(handle);
    if (!deleted) return failed("delete record " + std::to_string(change.record));
    return done(change, batched);
}

bool Writer::createDatabase(bool batched) {
    if (m_image.databases.size() >= c_maxDatabases) return deleteDatabase(batched);
    Change change{Change::Kind::CreateDatabase, 0, 0, {}, {randomName(), static_cast<DWORD>(m_random()), {}}};
    std::vector<CEPROPID> keys;
    for (CEPROPID propid : c_pool)
        if (TypeFromPropID(propid) != CEVT_BLOB) keys.push_back(propid);
    std::shuffle(keys.begin(), keys.end(), m_random);
    for (size_t i = 0, count = 1 + below(CEDB_MAXSORTORDER); i < count; ++i)
        change.shape.sortOrders.push_back({keys[i], static_cast<DWORD>(below(8))});
    CEDBASEINFO info{};
    info.dwFlags = CEDB_VALIDNAME | CEDB_VALIDTYPE | CEDB_VALIDSORTSPEC;
    std::copy(change.shape.name.begin(), change.shape.name.end(), info.szDbaseName);
    info.dwDbaseType = change.shape.type;
    info.wNumSortOrder = static_cast<WORD>(change.shape.sortOrders.size());
    std::copy(change.shape.sortOrders.begin(), change.shape.sortOrders.end(), info.rgSortSpecs);
    announce(change, batched);
    change.database = CeCreateDatabaseEx(nullptr, &info);
    if (!change.database) return failed("create database " + change.shape.name);
    return done(change, batched);
}

bool Writer::deleteDatabase(bool batched) {
    if (m_image.databases.size() < 2) return createDatabase(batched);
    Change change{Change::Kind::DeleteDatabase, anyDatabase(), 0, {}, {}};
    announce(change, batched);
    if (!CeDeleteDatabase(change.database)) return failed("delete database " + std::to_string(change.database));
    return done(change, batched);
}

bool Writer::importBatch() {
    tell("batch");
    if (!ce::objstore::beginBatch()) return failed("begin a batch");
    for (size_t i = 0, count = 2 + below(14); i < count; ++i) {
        double pick = std::uniform_real_distribution<double>(0, 1)(m_random);
        bool ok = pick < 0.5    ? writeNewRecord(true)
                  : pick < 0.75 ? rewriteRecord(true)
                  : pick < 0.9  ? deleteRecord(true)
                  : pick < 0.95 ? createDatabase(true)
                                : deleteDatabase(true);
        if (!ok) return false;
    }
    tell("closing");
    if (!ce::objstore::endBatch()) return failed("commit a batch");
    tell("batched");
    return true;
}

void Writer::announce(const Change& change, bool batched) {
    if (!batched) tell("intent " + format(change));
}

bool Writer::done(const Change& change, bool batched) {
    apply(m_image, change);
    tell((batched ? "sub " : "done ") + format(change));
    return true;
}

bool Writer::failed(const std::string& what) {
    tell("fail " + what + ": error " + std::to_string(GetLastError()) + " " + ce::objstore::lastVolumeError());
    return false;
}

// One write per line where the pipe allows, so that a kill cuts at most the line in flight,
// which the checker ignores.
void Writer::tell(const std::string& line) {
    std::string text = line + "\n";
    for (size_t sent = 0; sent < text.size();) {
        ssize_t n = ::write(m_fd, text.data() + sent, text.size() - sent);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) _exit(4);
        sent += static_cast<size_t>(n);
    }
}

}  // namespace crashcheck
