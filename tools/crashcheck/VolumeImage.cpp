#include "VolumeImage.h"

#include <cstring>

#include "winbase.h"

namespace crashcheck {

namespace {

constexpr std::uint64_t c_recordOverhead = 20, c_propertyOverhead = 4;

std::string errorText(const char* call) {
    return std::string(call) + " failed with error " + std::to_string(GetLastError());
}

template <class T>
Bytes rawBytes(const T& value) {
    Bytes bytes(sizeof(T));
    std::memcpy(bytes.data(), &value, sizeof(T));
    return bytes;
}

std::string describeRecord(CEOID database, CEOID record) {
    return "record " + std::to_string(record) + " of database " + std::to_string(database);
}

// Reads one database's records in creation order through a handle of its own.
bool readRecords(CEOID oid, DatabaseImage& database, std::string& problem) {
    HANDLE handle = CeOpenDatabaseEx(nullptr, &oid, nullptr, 0, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return problem = errorText("CeOpenDatabaseEx"), false;
    LPBYTE buffer = nullptr;
    DWORD bufferSize = 0;
    bool ok = true;
    for (DWORD seek = CEDB_SEEK_BEGINNING, step = 0;; seek = CEDB_SEEK_CURRENT, step = 1) {
        CEOID record = CeSeekDatabase(handle, seek, step, nullptr);
        if (!record) {
            if (GetLastError() != ERROR_NO_MORE_ITEMS) ok = false, problem = errorText("CeSeekDatabase");
            break;
        }
        WORD count = 0;
        Properties& properties = database.records[record];
        if (!CeReadRecordPropsEx(handle, CEDB_ALLOWREALLOC, &count, nullptr, &buffer, &bufferSize, nullptr)) {
            if (GetLastError() == ERROR_NO_DATA) continue;  // every property deleted
            ok = false, problem = errorText("CeReadRecordPropsEx") + " on " + describeRecord(oid, record);
            break;
        }
        const auto* values = reinterpret_cast<const CEPROPVAL*>(buffer);
        for (WORD i = 0; i < count; ++i) properties[values[i].propid] = bytesOf(values[i]);
    }
    if (buffer) LocalFree(buffer);
    CloseHandle(handle);
    return ok;
}

}  // namespace

bool operator==(const DatabaseShape& a, const DatabaseShape& b) {
    if (a.name != b.name || a.type != b.type || a.sortOrders.size() != b.sortOrders.size()) return false;
    for (size_t i = 0; i < a.sortOrders.size(); ++i)
        if (a.sortOrders[i].propid != b.sortOrders[i].propid || a.sortOrders[i].dwFlags != b.sortOrders[i].dwFlags)
            return false;
    return true;
}

std::vector<std::string> differences(const VolumeImage& expected, const VolumeImage& actual) {
    std::vector<std::string> found;
    for (const auto& [oid, database] : expected.databases) {
        auto there = actual.databases.find(oid);
        if (there == actual.databases.end()) {
            found.push_back("database " + std::to_string(oid) + " (" + database.shape.name + ") is missing");
            continue;
        }
        if (!(there->second.shape == database.shape))
            found.push_back("database " + std::to_string(oid) + " has another name, type or sort orders");
        for (const auto& [record, properties] : database.records) {
            auto held = there->second.records.find(record);
            if (held == there->second.records.end()) found.push_back(describeRecord(oid, record) + " is missing");
            else if (held->second != properties) found.push_back(describeRecord(oid, record) + " has other properties");
        }
        for (const auto& [record, properties] : there->second.records)
            if (!database.records.count(record)) found.push_back(describeRecord(oid, record) + " should not be there");
    }
    for (const auto& [oid, database] : actual.databases)
        if (!expected.databases.count(oid))
            found.push_back("database " + std::to_string(oid) + " (" + database.shape.name + ") should not be there");
    return found;
}

std::uint64_t recordSize(const Properties& properties) {
    std::uint64_t total = c_recordOverhead;
    for (const auto& [propid, bytes] : properties) total += c_propertyOverhead + bytes.size();
    return total;
}

std::optional<VolumeImage> readVolume(std::string& problem) {
    HANDLE enumeration = CeFindFirstDatabaseEx(nullptr, 0);
    if (enumeration == INVALID_HANDLE_VALUE) return problem = errorText("CeFindFirstDatabaseEx"), std::nullopt;
    VolumeImage image;
    bool ok = true;
    while (CEOID oid = CeFindNextDatabaseEx(enumeration, nullptr)) {
        CEOIDINFO info{};
        if (!CeOidGetInfoEx(nullptr, oid, &info) || info.wObjType != OBJTYPE_DATABASE) {
            ok = false, problem = errorText("CeOidGetInfoEx") + " on database " + std::to_string(oid);
            break;
        }
        const CEDBASEINFO& about = info.infDatabase;
        DatabaseImage& database = image.databases[oid];
        for (const WCHAR* c = about.szDbaseName; *c && c < about.szDbaseName + CEDB_MAXDBASENAMELEN; ++c)
            database.shape.name.push_back(*c < 0x80 ? static_cast<char>(*c) : '?');
        database.shape.type = about.dwDbaseType;
        for (WORD i = 0; i < about.wNumSortOrder && i < CEDB_MAXSORTORDER; ++i)
            database.shape.sortOrders.push_back(about.rgSortSpecs[i]);
        database.reportedCount = about.wNumRecords;
        database.reportedSize = about.dwSize;
        if (!(ok = readRecords(oid, database, problem))) break;
    }
    if (ok && GetLastError() != ERROR_NO_MORE_ITEMS) ok = false, problem = errorText("CeFindNextDatabaseEx");
    CloseHandle(enumeration);
    if (!ok) return std::nullopt;
    return image;
}

Bytes bytesOf(const CEPROPVAL& value) {
    switch (TypeFromPropID(value.propid)) {
    case CEVT_I2: return rawBytes(value.val.iVal);
    case CEVT_UI2: return rawBytes(value.val.uiVal);
    case CEVT_I4: return rawBytes(value.val.lVal);
    case CEVT_UI4: return rawBytes(value.val.ulVal);
    case CEVT_BOOL: return rawBytes(value.val.boolVal);
    case CEVT_R8: return rawBytes(value.val.dblVal);
    case CEVT_FILETIME: return rawBytes(value.val.filetime);
    case CEVT_LPWSTR: {
        size_t units = 0;
        while (value.val.lpwstr[units]) ++units;
        Bytes bytes((units + 1) * sizeof(WCHAR));
        std::memcpy(bytes.data(), value.val.lpwstr, bytes.size());
        return bytes;
    }
    case CEVT_BLOB: return Bytes(value.val.blob.lpb, value.val.blob.lpb + value.val.blob.dwCount);
    default: return {};
    }
}

CEPROPVAL propValOf(CEPROPID propid, Bytes& bytes) {
    CEPROPVAL value{};
    value.propid = propid;
    switch (TypeFromPropID(propid)) {
    case CEVT_LPWSTR: value.val.lpwstr = reinterpret_cast<LPWSTR>(bytes.data()); break;
    case CEVT_BLOB:
        value.val.blob.dwCount = static_cast<DWORD>(bytes.size());
        value.val.blob.lpb = bytes.data();
        break;
    default: std::memcpy(&value.val, bytes.data(), std::min(bytes.size(), sizeof(value.val))); break;
    }
    return value;
}

}  // namespace crashcheck
