// Lines: "put DB RECORD PROPS", "del DB RECORD", "mkdb DB TYPE NAME SORTS", "rmdb DB", where
// PROPS is "-" or "propid=hex,..." and SORTS is "-" or "propid/flags,..." (numbers in hex).
#include "Change.h"

#include <sstream>

namespace crashcheck {

namespace {

std::string hex(const Bytes& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) text += {digits[b >> 4], digits[b & 15]};
    return text;
}

std::optional<Bytes> unhex(const std::string& text) {
    if (text.size() % 2) return std::nullopt;
    Bytes bytes;
    bytes.reserve(text.size() / 2);
    for (size_t i = 0; i < text.size(); i += 2) {
        size_t used = 0;
        unsigned long value = std::stoul(text.substr(i, 2), &used, 16);
        if (used != 2) return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(value));
    }
    return bytes;
}

// Splits "a,b,c" ("-" is none).
std::vector<std::string> items(const std::string& list) {
    std::vector<std::string> result;
    if (list == "-") return result;
    std::stringstream stream(list);
    for (std::string item; std::getline(stream, item, ',');) result.push_back(item);
    return result;
}

std::optional<Properties> parseProperties(const std::string& list) {
    Properties properties;
    for (const std::string& item : items(list)) {
        size_t equals = item.find('=');
        if (equals == std::string::npos) return std::nullopt;
        auto bytes = unhex(item.substr(equals + 1));
        if (!bytes) return std::nullopt;
        properties[static_cast<CEPROPID>(std::stoul(item.substr(0, equals), nullptr, 16))] = std::move(*bytes);
    }
    return properties;
}

std::optional<std::vector<SORTORDERSPEC>> parseSorts(const std::string& list) {
    std::vector<SORTORDERSPEC> sorts;
    for (const std::string& item : items(list)) {
        size_t slash = item.find('/');
        if (slash == std::string::npos) return std::nullopt;
        sorts.push_back({static_cast<CEPROPID>(std::stoul(item.substr(0, slash), nullptr, 16)),
                         static_cast<DWORD>(std::stoul(item.substr(slash + 1), nullptr, 16))});
    }
    return sorts;
}

template <class T>
std::string listOf(const T& items, auto itemText) {
    if (items.empty()) return "-";
    std::string text;
    for (const auto& item : items) text += (text.empty() ? "" : ",") + itemText(item);
    return text;
}

std::string hexNumber(DWORD value) {
    std::ostringstream out;
    out << std::hex << value;
    return out.str();
}

}  // namespace

std::string format(const Change& change) {
    std::string ids = std::to_string(change.database);
    switch (change.kind) {
    case Change::Kind::WriteRecord:
        return "put " + ids + " " + std::to_string(change.record) + " " +
               listOf(change.properties, [](const auto& p) { return hexNumber(p.first) + "=" + hex(p.second); });
    case Change::Kind::DeleteRecord: return "del " + ids + " " + std::to_string(change.record);
    case Change::Kind::CreateDatabase:
        return "mkdb " + ids + " " + hexNumber(change.shape.type) + " " + change.shape.name + " " +
               listOf(change.shape.sortOrders,
                      [](const SORTORDERSPEC& s) { return hexNumber(s.propid) + "/" + hexNumber(s.dwFlags); });
    case Change::Kind::DeleteDatabase: return "rmdb " + ids;
    }
    return {};
}

std::optional<Change> parseChange(const std::string& text) try {
    std::istringstream in(text);
    std::string verb, list;
    Change change;
    in >> verb >> change.database;
    if (verb == "put") {
        change.kind = Change::Kind::WriteRecord;
        in >> change.record >> list;
        auto properties = parseProperties(list);
        if (!properties) return std::nullopt;
        change.properties = std::move(*properties);
    } else if (verb == "del") {
        change.kind = Change::Kind::DeleteRecord;
        in >> change.record;
    } else if (verb == "mkdb") {
        change.kind = Change::Kind::CreateDatabase;
        std::string type;
        in >> type >> change.shape.name >> list;
        change.shape.type = static_cast<DWORD>(std::stoul(type, nullptr, 16));
        auto sorts = parseSorts(list);
        if (!sorts) return std::nullopt;
        change.shape.sortOrders = std::move(*sorts);
    } else if (verb == "rmdb") {
        change.kind = Change::Kind::DeleteDatabase;
    } else {
        return std::nullopt;
    }
    if (in.fail()) return std::nullopt;
    return change;
} catch (const std::exception&) {
    return std::nullopt;
}

bool apply(VolumeImage& image, const Change& change) {
    auto database = image.databases.find(change.database);
    switch (change.kind) {
    case Change::Kind::WriteRecord:
        if (database == image.databases.end() || !change.record) return false;
        database->second.records[change.record] = change.properties;
        return true;
    case Change::Kind::DeleteRecord:
        return database != image.databases.end() && database->second.records.erase(change.record);
    case Change::Kind::CreateDatabase:
        if (database != image.databases.end() || !change.database) return false;
        image.databases[change.database].shape = change.shape;
        return true;
    case Change::Kind::DeleteDatabase:
        if (database == image.databases.end()) return false;
        image.databases.erase(database);
        return true;
    }
    return false;
}

bool resolveNewOid(Change& change, const VolumeImage& before, const VolumeImage& actual) {
    std::vector<CEOID> added;
    if (change.kind == Change::Kind::CreateDatabase) {
        for (const auto& [oid, database] : actual.databases)
            if (!before.databases.count(oid)) added.push_back(oid);
        if (added.size() != 1) return false;
        change.database = added.front();
        return true;
    }
    auto was = before.databases.find(change.database);
    auto is = actual.databases.find(change.database);
    if (was == before.databases.end() || is == actual.databases.end()) return false;
    for (const auto& [oid, properties] : is->second.records)
        if (!was->second.records.count(oid)) added.push_back(oid);
    if (added.size() != 1) return false;
    change.record = added.front();
    return true;
}

}  // namespace crashcheck
