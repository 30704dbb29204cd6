// The records' text: "<handle> <class> <title>" per line in hex, then "end".
#include "kernel/WindowRecord.h"

#include <charconv>

namespace ce::kernel {

namespace {

constexpr std::string_view c_header = "orvane-windows 1\n";
constexpr std::string_view c_end = "end\n";
constexpr char c_hex[] = "0123456789abcdef";

void appendHex(std::string& out, std::uint64_t value, int digits) {
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) out += c_hex[(value >> shift) & 15];
}

void appendText(std::string& out, std::u16string_view text) {
    out += text.empty() ? "-" : "";
    for (char16_t unit : text) appendHex(out, unit, 4);
}

// Takes the next space- or line-ended field off the front of text.
std::string_view takeField(std::string_view& text, char end) {
    std::size_t at = text.find(end);
    if (at == std::string_view::npos) return {};
    std::string_view field = text.substr(0, at);
    text.remove_prefix(at + 1);
    return field;
}

bool parseHex(std::string_view field, std::uint64_t& value) {
    if (field.empty()) return false;
    auto [next, error] = std::from_chars(field.data(), field.data() + field.size(), value, 16);
    return error == std::errc() && next == field.data() + field.size();
}

bool parseText(std::string_view field, std::u16string& text) {
    text.clear();
    if (field == "-") return true;
    if (field.empty() || field.size() % 4 != 0) return false;
    for (std::size_t at = 0; at < field.size(); at += 4) {
        std::uint64_t unit = 0;
        if (!parseHex(field.substr(at, 4), unit)) return false;
        text += static_cast<char16_t>(unit);
    }
    return true;
}

}  // namespace

std::string formatWindowRecords(const std::vector<WindowRecord>& records) {
    std::string out(c_header);
    for (const WindowRecord& record : records) {
        appendHex(out, record.handle, 16);
        out += ' ';
        appendText(out, record.className);
        out += ' ';
        appendText(out, record.title);
        out += '\n';
    }
    out += c_end;
    return out;
}

std::optional<std::vector<WindowRecord>> parseWindowRecords(std::string_view text) {
    if (!text.starts_with(c_header)) return std::nullopt;
    text.remove_prefix(c_header.size());
    std::vector<WindowRecord> records;
    while (text != c_end) {
        WindowRecord record;
        std::string_view handle = takeField(text, ' ');
        std::string_view className = takeField(text, ' ');
        std::string_view title = takeField(text, '\n');
        if (!parseHex(handle, record.handle) || !parseText(className, record.className) ||
            !parseText(title, record.title))
            return std::nullopt;
        records.push_back(std::move(record));
    }
    return records;
}

}  // namespace ce::kernel
