// Turns a script's text into commands, or names the first line it cannot read. Parsing needs
// no screen and no windows; the runner checks what depends on them (coordinates, text).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "display/ScriptCommand.h"

namespace ce::display {

struct ScriptError {
    int line;  // 0: the script as a whole
    std::string reason;
};

struct ParsedScript {
    std::vector<ScriptCommand> commands;
    std::optional<ScriptError> error;
};

class ScriptParser {
public:
    static ParsedScript parse(std::string_view script);
    // A key name as scripts spell it (RETURN, CTRL+S, x, 7 ...), case-insensitive.
    static bool parseKey(std::string_view name, UINT& virtualKey, bool& control);

private:
    // Fills command from one non-blank, non-comment line, or returns why it cannot.
    static std::optional<std::string> parseLine(std::string_view line, ScriptCommand& command);
    static std::optional<std::string> parsePoint(std::string_view arguments, POINT& point);
};

}  // namespace ce::display
