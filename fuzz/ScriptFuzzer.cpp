// The CE_SCRIPT language: any text parses to commands or to one error naming a line of it.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "display/ScriptParser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view script(reinterpret_cast<const char*>(data), size);
    ce::display::ParsedScript parsed = ce::display::ScriptParser::parse(script);
    // A line number past the script's own would send a reader to the wrong place.
    int lines = 1;
    for (char c : script) lines += c == '\n';
    if (parsed.error && (parsed.error->line < 0 || parsed.error->line > lines || parsed.error->reason.empty()))
        std::abort();
    for (const ce::display::ScriptCommand& command : parsed.commands)
        if (command.line < 1 || command.line > lines) std::abort();
    return 0;
}
