// Parsing and laying out the exchange documents.
#include "JsonText.h"

#include <algorithm>
#include <optional>

namespace cedb {

namespace {

// Far deeper than the exchange form goes; printing or comparing a value recurses, so a
// document nested without end is refused before it is parsed.
constexpr size_t c_maxDepth = 64;

// "line L, column C" of a byte of the text, both from 1.
std::string placeOf(const std::string& text, size_t offset) {
    offset = std::min(offset, text.size());
    auto end = text.begin() + static_cast<std::ptrdiff_t>(offset);
    size_t line = 1 + static_cast<size_t>(std::count(text.begin(), end, '\n'));
    size_t lineStart = offset == 0 ? std::string::npos : text.rfind('\n', offset - 1);
    size_t column = lineStart == std::string::npos ? offset + 1 : offset - lineStart;
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// The offset of the first bracket that opens a level deeper than c_maxDepth.
std::optional<size_t> tooDeep(const std::string& text) {
    size_t depth = 0;
    bool inString = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (inString) {
            if (c == '\\') ++i;
            else if (c == '"') inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > c_maxDepth) return i;
        } else if ((c == ']' || c == '}') && depth) {
            --depth;
        }
    }
    return std::nullopt;
}

// Reads the document without building it, to learn where it is wrong: the parser's own
// exceptions do not say where a number overflows.
class Validator : public nlohmann::json_sax<Json> {
public:
    explicit Validator(const std::string& text) : m_text(text) {}
    const std::string& error() const { return m_error; }

    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t&) override { return true; }
    bool string(string_t&) override { return true; }
    bool binary(binary_t&) override { return true; }
    bool start_object(std::size_t) override { return true; }
    bool key(string_t&) override { return true; }
    bool end_object() override { return true; }
    bool start_array(std::size_t) override { return true; }
    bool end_array() override { return true; }

    bool parse_error(std::size_t position, const std::string& lastToken,
                     const Json::exception& failure) override {
        // An overflowing number is reported just past it, a syntax error at its character.
        size_t start = failure.id == 406 ? position - std::min(position, lastToken.size()) : position - (position > 0);
        m_error = placeOf(m_text, start) + ": " + reason(lastToken, failure);
        return false;
    }

private:
    static std::string reason(const std::string& token, const Json::exception& failure) {
        if (failure.id == 406) return "the number " + token + " is too large";
        // "[json.exception.parse_error.101] parse error at line 1, column 9: syntax error ..."
        std::string text = failure.what();
        if (size_t bracket = text.find("] "); bracket != std::string::npos) text.erase(0, bracket + 2);
        if (text.starts_with("parse error"))
            if (size_t colon = text.find(": "); colon != std::string::npos) text.erase(0, colon + 2);
        return "malformed JSON: " + text;
    }

    const std::string& m_text;
    std::string m_error;
};

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
    if (auto deep = tooDeep(text)) {
        error = placeOf(text, *deep) + ": malformed JSON: nested deeper than " + std::to_string(c_maxDepth) + " levels";
        return false;
    }
    Validator validator(text);
    if (!Json::sax_parse(text, &validator)) {
        error = validator.error();
        return false;
    }
    // Valid now, so the parser does not throw.
    document = Json::parse(text, nullptr, false);
    return !document.is_discarded() || (error = "malformed JSON", false);
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
