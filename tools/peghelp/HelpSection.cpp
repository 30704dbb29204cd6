// Finding a topic in HTML and turning its section into text.
#include "HelpSection.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string_view>

namespace peghelp {

namespace {

// The heading level of a tag starting at pos ("<h2 ..."), or 0.
int headingLevel(const std::string& html, std::size_t pos) {
    if (pos + 3 > html.size() || html[pos] != '<') return 0;
    char h = static_cast<char>(std::tolower(static_cast<unsigned char>(html[pos + 1])));
    char digit = html[pos + 2];
    if (h != 'h' || digit < '1' || digit > '6') return 0;
    char after = pos + 3 < html.size() ? html[pos + 3] : '>';
    return after == '>' || std::isspace(static_cast<unsigned char>(after)) ? digit - '0' : 0;
}

std::size_t skipBlank(const std::string& html, std::size_t pos) {
    while (pos < html.size() && std::isspace(static_cast<unsigned char>(html[pos]))) ++pos;
    return pos;
}

// The section's level: its own heading's, the heading that follows its tag at once, or the
// heading the anchor sits in; 6 (any heading ends it) otherwise.
int sectionLevel(const std::string& html, std::size_t tagStart, std::size_t tagEnd) {
    if (int own = headingLevel(html, tagStart)) return own;
    if (int next = headingLevel(html, skipBlank(html, tagEnd))) return next;
    std::size_t open = html.rfind("<h", tagStart);
    while (open != std::string::npos && !headingLevel(html, open))
        open = open ? html.rfind("<h", open - 1) : std::string::npos;
    if (open != std::string::npos && html.find("</h", open) > tagStart) return headingLevel(html, open);
    return 6;
}

std::string decodeEntity(const std::string& name) {
    if (name == "amp") return "&";
    if (name == "lt") return "<";
    if (name == "gt") return ">";
    if (name == "quot") return "\"";
    if (name == "apos") return "'";
    if (name == "nbsp") return " ";
    if (name.size() < 2 || name[0] != '#') return "&" + name + ";";
    bool hex = name[1] == 'x' || name[1] == 'X';
    unsigned long code = std::strtoul(name.c_str() + (hex ? 2 : 1), nullptr, hex ? 16 : 10);
    std::string out;
    if (code == 0 || code > 0x10FFFF) return out;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
    return out;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool isBlockTag(std::string_view tag) {
    static constexpr std::string_view c_blocks[] = {"p",  "br", "li", "div", "tr", "h1",    "h2", "h3",
                                                    "h4", "h5", "h6", "ul",  "ol", "dt",    "dd", "table",
                                                    "pre"};
    if (tag.starts_with('/')) tag.remove_prefix(1);
    return std::any_of(std::begin(c_blocks), std::end(c_blocks),
                       [tag](std::string_view block) { return equalsIgnoringCase(tag, block); });
}

bool isBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// Whether the tag between '<' at start and its '>' at end has an id or name attribute of
// the topic. A plain scan: attribute values may be as long as an inline picture.
bool tagNamesTopic(std::string_view html, std::size_t start, std::size_t end, std::string_view topic) {
    std::size_t pos = start + 1;
    if (pos >= end || !std::isalpha(static_cast<unsigned char>(html[pos]))) return false;
    while (pos < end && !isBlank(html[pos])) ++pos;  // the element's name
    while (pos < end) {
        while (pos < end && isBlank(html[pos])) ++pos;
        std::size_t nameStart = pos;
        while (pos < end && !isBlank(html[pos]) && html[pos] != '=') ++pos;
        std::string_view name = html.substr(nameStart, pos - nameStart);
        while (pos < end && isBlank(html[pos])) ++pos;
        if (pos >= end || html[pos] != '=') {
            if (pos == nameStart) ++pos;  // a stray character
            continue;
        }
        ++pos;
        while (pos < end && isBlank(html[pos])) ++pos;
        std::size_t valueStart = pos, valueEnd;
        if (pos < end && (html[pos] == '"' || html[pos] == '\'')) {
            valueStart = pos + 1;
            valueEnd = std::min(html.find(html[pos], valueStart), end);
            pos = valueEnd + 1;
        } else {
            while (pos < end && !isBlank(html[pos])) ++pos;
            valueEnd = pos;
        }
        std::string_view value = html.substr(valueStart, valueEnd - valueStart);
        if ((equalsIgnoringCase(name, "id") || equalsIgnoringCase(name, "name")) &&
            equalsIgnoringCase(value, topic))
            return true;
    }
    return false;
}

// Where the tag that carries the topic starts, or npos.
std::size_t findAnchor(const std::string& html, std::string_view topic) {
    for (std::size_t start = html.find('<'); start != std::string::npos; start = html.find('<', start + 1)) {
        std::size_t end = html.find('>', start);
        if (end == std::string::npos) return std::string::npos;
        if (tagNamesTopic(html, start, end, topic)) return start;
        start = end;
    }
    return std::string::npos;
}

// Tags out (block ones become line breaks), entities decoded, runs of blanks folded.
std::string plainText(const std::string& html) {
    std::string raw;
    for (std::size_t i = 0; i < html.size();) {
        if (html[i] == '<') {
            std::size_t end = html.find('>', i);
            if (end == std::string::npos) break;
            std::string_view tag(html.data() + i + 1, end - i - 1);
            tag = tag.substr(0, tag.find_first_of(" \t\r\n/", 1));
            raw += isBlockTag(tag) ? '\n' : ' ';
            i = end + 1;
        } else if (html[i] == '&' && html.find(';', i) < i + 12) {
            std::size_t end = html.find(';', i);
            raw += decodeEntity(html.substr(i + 1, end - i - 1));
            i = end + 1;
        } else {
            raw += std::isspace(static_cast<unsigned char>(html[i])) ? ' ' : html[i];
            ++i;
        }
    }
    std::string text;
    for (std::size_t start = 0; start < raw.size();) {
        std::size_t end = std::min(raw.find('\n', start), raw.size());
        std::string line;
        for (std::size_t i = start; i < end; ++i)
            if (raw[i] != ' ' || (!line.empty() && line.back() != ' ')) line += raw[i];
        while (!line.empty() && line.back() == ' ') line.pop_back();
        if (!line.empty()) text += line + "\n";
        start = end + 1;
    }
    return text;
}

}  // namespace

std::optional<std::string> sectionText(const std::string& html, const std::string& topic) {
    std::size_t tagStart = findAnchor(html, topic);
    if (tagStart == std::string::npos) return std::nullopt;
    std::size_t tagEnd = html.find('>', tagStart);
    if (tagEnd == std::string::npos) return std::nullopt;
    int level = sectionLevel(html, tagStart, tagEnd + 1);
    std::size_t bodyStart = headingLevel(html, tagStart) ? tagStart : tagEnd + 1;
    std::size_t first = skipBlank(html, tagEnd + 1);
    std::size_t scan = headingLevel(html, first) ? html.find('>', first) : tagEnd;
    std::size_t end = html.size();
    for (std::size_t pos = html.find("<h", scan); pos != std::string::npos;
         pos = html.find("<h", pos + 1)) {
        int found = headingLevel(html, pos);
        if (found && found <= level) {
            end = pos;
            break;
        }
        if (found == 0) continue;
    }
    return plainText(html.substr(bodyStart, end - bodyStart));
}

}  // namespace peghelp
