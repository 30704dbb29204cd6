// Script parsing: one command a line; blank lines and lines starting with # are skipped.
#include "display/ScriptParser.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "winuser.h"

namespace ce::display {

namespace {

using Kind = ScriptCommand::Kind;

std::string_view trim(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

std::string upper(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

// Double quotes around an argument are optional; they let it keep its outer spaces.
std::string_view unquote(std::string_view text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
    return text;
}

bool parseInteger(std::string_view text, int& value) {
    const char* end = text.data() + text.size();
    auto [next, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && next == end && !text.empty();
}

// The words of a line split at the first run of blanks.
std::pair<std::string_view, std::string_view> firstWord(std::string_view text) {
    size_t blank = text.find_first_of(" \t");
    if (blank == std::string_view::npos) return {text, {}};
    return {text.substr(0, blank), trim(text.substr(blank))};
}

struct NamedKey {
    const char* name;
    UINT virtualKey;
};

constexpr NamedKey c_namedKeys[] = {
    {"RETURN", VK_RETURN}, {"ESCAPE", VK_ESCAPE}, {"UP", VK_UP},       {"DOWN", VK_DOWN},
    {"LEFT", VK_LEFT},     {"RIGHT", VK_RIGHT},   {"F1", VK_F1},       {"SPACE", VK_SPACE},
    {"TAB", VK_TAB},       {"BACK", VK_BACK},
};

struct CommandShape {
    const char* name;
    Kind kind;
    enum Arguments { None, Point, PointAndTime, Text, Path, Key, Milliseconds, Word } arguments;
};

constexpr CommandShape c_commands[] = {
    {"tap", Kind::Tap, CommandShape::Point},
    {"hold", Kind::Hold, CommandShape::PointAndTime},
    {"click", Kind::Click, CommandShape::Text},
    {"key", Kind::Key, CommandShape::Key},
    {"wait", Kind::Wait, CommandShape::Milliseconds},
    {"expect", Kind::Expect, CommandShape::Text},
    {"expect-not", Kind::ExpectNot, CommandShape::Text},
    {"screenshot", Kind::Screenshot, CommandShape::Path},
    {"text", Kind::Text, CommandShape::Path},
    {"hibernate", Kind::Hibernate, CommandShape::None},
    {"close", Kind::Close, CommandShape::None},
    {"mark", Kind::Mark, CommandShape::Word},
    {"repaint", Kind::Repaint, CommandShape::None},
};

}  // namespace

ParsedScript ScriptParser::parse(std::string_view script) {
    ParsedScript parsed;
    int lineNumber = 0;
    while (!script.empty()) {
        ++lineNumber;
        size_t end = script.find('\n');
        std::string_view line = trim(script.substr(0, end));
        script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
        if (line.empty() || line.front() == '#') continue;
        ScriptCommand command;
        command.line = lineNumber;
        if (std::optional<std::string> reason = parseLine(line, command)) {
            parsed.error = ScriptError{lineNumber, *reason};
            return parsed;
        }
        parsed.commands.push_back(std::move(command));
    }
    return parsed;
}

std::optional<std::string> ScriptParser::parseLine(std::string_view line, ScriptCommand& command) {
    std::string_view name = firstWord(line).first;
    std::string_view arguments = firstWord(line).second;
    auto shape = std::find_if(std::begin(c_commands), std::end(c_commands),
                              [name](const CommandShape& known) { return name == known.name; });
    if (shape == std::end(c_commands)) return "unknown command '" + std::string(name) + "'";
    command.kind = shape->kind;
    std::string usage = std::string(name) + " needs ";
    switch (shape->arguments) {
    case CommandShape::None:
        if (!arguments.empty()) return std::string(name) + " takes no arguments";
        return std::nullopt;
    case CommandShape::Point:
        if (std::optional<std::string> reason = parsePoint(arguments, command.point)) return usage + *reason;
        return std::nullopt;
    case CommandShape::PointAndTime: {
        // hold X Y [MS]: the time the stylus stays down is optional.
        auto [x, rest] = firstWord(arguments);
        auto [y, time] = firstWord(rest);
        command.milliseconds = -1;
        if (!time.empty() && (!parseInteger(time, command.milliseconds) || command.milliseconds < 0))
            return usage + "X Y and optionally a number of milliseconds";
        std::string point = std::string(x) + " " + std::string(y);
        if (std::optional<std::string> reason = parsePoint(point, command.point)) return usage + *reason;
        return std::nullopt;
    }
    case CommandShape::Text:
    case CommandShape::Path:
        command.text = unquote(arguments);
        if (command.text.empty()) return usage + (shape->arguments == CommandShape::Text ? "a text" : "a path");
        return std::nullopt;
    case CommandShape::Key:
        if (!parseKey(arguments, command.virtualKey, command.control))
            return "unknown key '" + std::string(arguments) + "'";
        return std::nullopt;
    case CommandShape::Word:
        // One word, so that the line it prints splits into its three fields.
        command.text = arguments;
        if (command.text.empty() || command.text.find_first_of(" \t") != std::string::npos)
            return usage + "a label without blanks";
        return std::nullopt;
    case CommandShape::Milliseconds:
        if (!parseInteger(arguments, command.milliseconds) || command.milliseconds < 0)
            return usage + "a number of milliseconds";
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<std::string> ScriptParser::parsePoint(std::string_view arguments, POINT& point) {
    auto [x, y] = firstWord(arguments);
    int xValue = 0;
    int yValue = 0;
    if (!parseInteger(x, xValue) || !parseInteger(y, yValue)) return "X Y in screen pixels";
    point = POINT{xValue, yValue};
    return std::nullopt;
}

bool ScriptParser::parseKey(std::string_view name, UINT& virtualKey, bool& control) {
    std::string key = upper(trim(name));
    control = key.starts_with("CTRL+");
    if (control) {
        key.erase(0, 5);
        if (key.size() != 1 || key[0] < 'A' || key[0] > 'Z') return false;
    }
    if (key.size() == 1 && (std::isupper(static_cast<unsigned char>(key[0])) ||
                            std::isdigit(static_cast<unsigned char>(key[0])))) {
        virtualKey = static_cast<UINT>(key[0]);  // letters and digits are their own key codes
        return true;
    }
    for (const NamedKey& named : c_namedKeys) {
        if (key == named.name) {
            virtualKey = named.virtualKey;
            return true;
        }
    }
    return false;
}

}  // namespace ce::display
