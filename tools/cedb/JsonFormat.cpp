// Conversions between database images and their JSON form, checking each value's JSON type
// and range against the type in its property id.
#include "JsonFormat.h"

#include <cmath>

#include "ImageCheck.h"
#include "ValueText.h"
#include "cewchar.h"

namespace cedb {

namespace {

constexpr size_t c_shownLength = 40;

std::string scalarText(const Json& value) {
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// Appends the value's JSON text, stopping soon after it passes c_shownLength: a huge or
// deeply nested value is never written out whole.
void appendShort(const Json& value, std::string& out) {
    if (out.size() > c_shownLength) return;
    if (value.is_string()) {
        out += scalarText(value.get_ref<const std::string&>().substr(0, c_shownLength + 1));
    } else if (value.is_structured()) {
        out += value.is_array() ? '[' : '{';
        const char* separator = "";
        for (const auto& [key, member] : value.items()) {
            if (out.size() > c_shownLength) return;
            out += separator;
            if (value.is_object()) out += scalarText(key) + ":";
            appendShort(member, out);
            separator = ",";
        }
        out += value.is_array() ? ']' : '}';
    } else {
        out += scalarText(value);
    }
}

// A value as an error message quotes it: its JSON text, shortened when long.
std::string shown(const Json& value) {
    std::string text;
    appendShort(value, text);
    if (text.size() > c_shownLength) text = text.substr(0, c_shownLength - 3) + "...";
    return text;
}

Json realJson(double value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
    return value;
}

Json valueJson(const PropertyValue& value) {
    switch (value.type()) {
    case CEVT_BOOL: return value.integer != 0;
    case CEVT_R8: return realJson(value.real);
    case CEVT_LPWSTR: return ce::toUtf8(value.text);
    case CEVT_BLOB: return blobText(value.bytes);
    case CEVT_FILETIME:
        if (auto text = fileTimeText(value.ticks, 'T')) return *text;
        return value.ticks;
    default: return value.integer;
    }
}

Json databaseJson(const DatabaseImage& database) {
    Json sortOrders = Json::array();
    for (const SORTORDERSPEC& order : database.sortOrders)
        sortOrders.push_back({{"prop", hexWord(order.propid)},
                              {"descending", (order.dwFlags & CEDB_SORT_DESCENDING) != 0},
                              {"caseInsensitive", (order.dwFlags & CEDB_SORT_CASEINSENSITIVE) != 0},
                              {"unknownFirst", (order.dwFlags & CEDB_SORT_UNKNOWNFIRST) != 0}});
    Json records = Json::array();
    for (const RecordImage& record : database.records) {
        Json properties = Json::array();
        for (const PropertyValue& value : record)
            properties.push_back({{"prop", hexWord(value.propid)}, {"value", valueJson(value)}});
        records.push_back(std::move(properties));
    }
    return {{"name", ce::toUtf8(database.name)}, {"type", database.type}, {"sortOrders", std::move(sortOrders)},
            {"records", std::move(records)}};
}

// Reading: each function fills its part or sets `error` and returns false.
struct Reader {
    std::string error;

    bool fail(const std::string& where, const std::string& message) {
        error = located(where, message);
        return false;
    }

    bool onlyMembers(const Json& object, std::initializer_list<const char*> known, const std::string& where) {
        if (!object.is_object()) return fail(where, shown(object) + " is not an object");
        for (const auto& [key, member] : object.items()) {
            bool found = false;
            for (const char* name : known) found = found || key == name;
            if (!found) return fail(where, "unknown member \"" + key + "\"");
        }
        return true;
    }

    bool readPropid(const Json& object, const std::string& where, CEPROPID& propid) {
        auto prop = object.find("prop");
        if (prop == object.end()) return fail(where, "no \"prop\"");
        std::string text = prop->is_string() ? prop->get<std::string>() : "";
        auto parsed = text.starts_with("0x") || text.starts_with("0X") ? parseWord(text) : std::nullopt;
        if (!parsed) return fail(where, shown(*prop) + " is not a property id (a hex string such as \"0x4013001f\")");
        propid = *parsed;
        if (!typeName(TypeFromPropID(propid)))
            return fail(where, "unknown type " + hexNumber(TypeFromPropID(propid)) + " in property " + hexWord(propid));
        return true;
    }

    bool readFlag(const Json& object, const char* name, DWORD flag, const std::string& where, DWORD& flags) {
        auto member = object.find(name);
        if (member == object.end()) return true;
        if (!member->is_boolean()) return fail(where + "." + name, shown(*member) + " is not true or false");
        if (member->get<bool>()) flags |= flag;
        return true;
    }

    bool readSortOrder(const Json& object, const std::string& where, SORTORDERSPEC& order) {
        order.dwFlags = 0;
        return onlyMembers(object, {"prop", "descending", "caseInsensitive", "unknownFirst"}, where) &&
               readPropid(object, where, order.propid) &&
               readFlag(object, "descending", CEDB_SORT_DESCENDING, where, order.dwFlags) &&
               readFlag(object, "caseInsensitive", CEDB_SORT_CASEINSENSITIVE, where, order.dwFlags) &&
               readFlag(object, "unknownFirst", CEDB_SORT_UNKNOWNFIRST, where, order.dwFlags);
    }

    bool readInteger(const Json& json, const std::string& where, PropertyValue& value) {
        const char* type = typeName(value.type());
        if (!json.is_number_integer()) return fail(where, shown(json) + " is not an integer for " + type);
        bool huge = json.is_number_unsigned() && json.get<std::uint64_t>() > INT64_MAX;
        value.integer = huge ? 0 : json.get<std::int64_t>();
        if (huge || !integerFits(value.type(), value.integer))
            return fail(where, shown(json) + " is out of range for " + type);
        return true;
    }

    bool readReal(const Json& json, const std::string& where, PropertyValue& value) {
        if (json.is_number()) {
            value.real = json.get<double>();
            return true;
        }
        std::string text = json.is_string() ? json.get<std::string>() : "";
        if (text == "NaN") value.real = NAN;
        else if (text == "Infinity") value.real = INFINITY;
        else if (text == "-Infinity") value.real = -INFINITY;
        else return fail(where, shown(json) + " is not a number for R8");
        return true;
    }

    bool readFileTime(const Json& json, const std::string& where, PropertyValue& value) {
        if (json.is_number_unsigned()) {
            value.ticks = json.get<std::uint64_t>();
            return true;
        }
        if (json.is_number_integer()) return fail(where, shown(json) + " is out of range for FILETIME");
        auto ticks = json.is_string() ? parseFileTime(json.get<std::string>()) : std::nullopt;
        if (!ticks)
            return fail(where, shown(json) + " is not a FILETIME (" + c_fileTimeForms + ")");
        value.ticks = *ticks;
        return true;
    }

    bool readValue(const Json& json, const std::string& where, PropertyValue& value) {
        switch (value.type()) {
        case CEVT_BOOL:
            if (!json.is_boolean()) return fail(where, shown(json) + " is not true or false for BOOL");
            value.integer = json.get<bool>() ? 1 : 0;
            return true;
        case CEVT_R8: return readReal(json, where, value);
        case CEVT_FILETIME: return readFileTime(json, where, value);
        case CEVT_LPWSTR:
            if (!json.is_string()) return fail(where, shown(json) + " is not a string for LPWSTR");
            value.text = ce::fromUtf8(json.get<std::string>());
            return true;
        case CEVT_BLOB: {
            auto bytes = json.is_string() ? parseBlob(json.get<std::string>()) : std::nullopt;
            if (!bytes) return fail(where, shown(json) + " is not a hex string for BLOB");
            value.bytes = std::move(*bytes);
            return true;
        }
        default: return readInteger(json, where, value);
        }
    }

    bool readProperty(const Json& object, const std::string& where, PropertyValue& value) {
        if (!onlyMembers(object, {"prop", "value"}, where) || !readPropid(object, where, value.propid)) return false;
        auto json = object.find("value");
        if (json == object.end()) return fail(where, "no \"value\"");
        return readValue(*json, where, value);
    }

    bool readRecord(const Json& json, const std::string& where, RecordImage& record) {
        if (!json.is_array()) return fail(where, shown(json) + " is not an array of properties");
        record.resize(json.size());
        for (size_t i = 0; i < json.size(); ++i)
            if (!readProperty(json[i], where + "[" + std::to_string(i) + "]", record[i])) return false;
        return true;
    }

    template <class T, class ReadItem>
    bool readArray(const Json& object, const char* name, const std::string& where, std::vector<T>& items,
                   ReadItem readItem) {
        auto member = object.find(name);
        if (member == object.end()) return true;
        std::string at = where.empty() ? name : where + "." + name;
        if (!member->is_array()) return fail(at, shown(*member) + " is not an array");
        items.resize(member->size());
        for (size_t i = 0; i < member->size(); ++i)
            if (!(this->*readItem)((*member)[i], at + "[" + std::to_string(i) + "]", items[i])) return false;
        return true;
    }

    bool readHeader(const Json& object, const std::string& where, DatabaseImage& database) {
        auto name = object.find("name");
        if (name == object.end() || !name->is_string()) return fail(where + ".name", "a database needs a name (a string)");
        database.name = ce::fromUtf8(name->get<std::string>());
        auto type = object.find("type");
        if (type == object.end()) return true;
        bool fits = type->is_number_unsigned() && type->get<std::uint64_t>() <= 0xFFFFFFFFu;
        if (!fits) return fail(where + ".type", shown(*type) + " is not a database type (0 to 4294967295)");
        database.type = type->get<DWORD>();
        return true;
    }

    bool readDatabase(const Json& object, const std::string& where, DatabaseImage& database) {
        return onlyMembers(object, {"name", "type", "sortOrders", "records"}, where) &&
               readHeader(object, where, database) &&
               readArray(object, "sortOrders", where, database.sortOrders, &Reader::readSortOrder) &&
               readArray(object, "records", where, database.records, &Reader::readRecord);
    }
};

}  // namespace

Json toJson(const std::vector<DatabaseImage>& databases) {
    Json list = Json::array();
    for (const DatabaseImage& database : databases) list.push_back(databaseJson(database));
    return {{"databases", std::move(list)}};
}

bool fromJson(const Json& document, std::vector<DatabaseImage>& databases, std::string& error) {
    Reader reader;
    bool read = reader.onlyMembers(document, {"databases"}, "document") &&
                (document.contains("databases") || reader.fail("document", "no \"databases\"")) &&
                reader.readArray(document, "databases", "", databases, &Reader::readDatabase);
    error = reader.error;
    return read;
}

}  // namespace cedb
