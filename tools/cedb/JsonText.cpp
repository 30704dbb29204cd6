// Parsing and laying out the exchange documents.
#include "JsonText.h"

namespace cedb {

namespace {

std::string scalarText(const Json& value) {
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// Compact, with ", " and ": " between items, as people write JSON by hand.
void writeInline(const Json& value, std::string& out) {
    if (value.is_object()) {
        out += '{';
        const char* separator = "";
        for (const auto& [key, member] : value.items()) {
            out += separator + scalarText(key) + ": ";
            writeInline(member, out);
            separator = ", ";
        }
        out += '}';
    } else if (value.is_array()) {
        out += '[';
        for (size_t i = 0; i < value.size(); ++i) {
            if (i) out += ", ";
            writeInline(value[i], out);
        }
        out += ']';
    } else {
        out += scalarText(value);
    }
}

void writeDatabase(const Json& database, std::string& out) {
    out += "  {";
    const char* separator = "";
    for (const auto& [key, member] : database.items()) {
        out += separator + scalarText(key) + ": ";
        separator = ", ";
        if (key != "records" || member.empty()) {
            writeInline(member, out);
            continue;
        }
        out += "[\n";
        for (size_t i = 0; i < member.size(); ++i) {
            out += "    ";
            writeInline(member[i], out);
            out += i + 1 < member.size() ? ",\n" : "\n";
        }
        out += "  ]";
    }
    out += '}';
}

}  // namespace

bool parseJson(const std::string& text, Json& document, std::string& error) {
    // The parser reports through an exception; nothing else in cedb uses them.
    try {
        document = Json::parse(text);
        return true;
    } catch (const Json::parse_error& failure) {
        error = std::string("malformed JSON: ") + failure.what();
        return false;
    }
}

std::string exportText(const Json& document) {
    const Json& databases = document["databases"];
    std::string out = "{\"databases\": [";
    for (size_t i = 0; i < databases.size(); ++i) {
        out += i ? ",\n" : "\n";
        writeDatabase(databases[i], out);
    }
    out += databases.empty() ? "]}\n" : "\n]}\n";
    return out;
}

}  // namespace cedb
