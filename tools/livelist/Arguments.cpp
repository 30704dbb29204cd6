#include "Arguments.h"

#include <cstdlib>

#include "cewchar.h"

namespace livelist {

const char* const c_usage =
    "usage: livelist [--filter FROM TO] DATABASE [SORTPROP]\n"
    "\n"
    "Shows the records of DATABASE (in the volume CE_STORE names, or the default one) in the\n"
    "order of its sort property SORTPROP (a propid in hex, e.g. 0x4001001f; by default its\n"
    "first sort order), and follows every change another program makes to them (cedb put,\n"
    "cedb rm) as it happens. With --filter, the Filter button shows only the records whose\n"
    "SORTPROP lies between FROM and TO (strings for a string property, numbers otherwise)\n"
    "and All shows every record again. Up, Down and a tap select a record; Ctrl+Q quits.\n"
    "\n"
    "Exit codes: 0 closed, 1 usage error, 2 the database cannot be shown.\n";

namespace {

std::optional<CEPROPID> parsePropid(const std::string& text) {
    if (text.empty() || text.size() > 10) return std::nullopt;
    char* end = nullptr;
    unsigned long value = std::strtoul(text.c_str(), &end, 16);
    if (*end || text[0] == '-' || text[0] == '+' || value > 0xFFFFFFFFul) return std::nullopt;
    return static_cast<CEPROPID>(value);
}

}  // namespace

std::optional<Arguments> parseArguments(const std::vector<std::string>& args, std::string& error, bool& help) {
    Arguments parsed;
    std::vector<std::string> positional;
    help = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h") {
            help = true;
            return std::nullopt;
        }
        if (args[i] == "--filter") {
            if (i + 2 >= args.size()) {
                error = "--filter needs FROM and TO";
                return std::nullopt;
            }
            parsed.filter = std::make_pair(args[i + 1], args[i + 2]);
            i += 2;
        } else if (args[i].size() > 1 && args[i][0] == '-' && args[i] != "-") {
            error = "unknown option " + args[i];
            return std::nullopt;
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.empty() || positional.size() > 2) {
        error = positional.empty() ? "which database?" : "too many arguments";
        return std::nullopt;
    }
    parsed.database = ce::fromUtf8(positional[0]);
    if (parsed.database.empty() || parsed.database.size() >= CEDB_MAXDBASENAMELEN) {
        error = "a database name has 1 to " + std::to_string(CEDB_MAXDBASENAMELEN - 1) + " characters";
        return std::nullopt;
    }
    if (positional.size() == 2) {
        auto propid = parsePropid(positional[1]);
        if (!propid) {
            error = "SORTPROP is a propid in hex, e.g. 0x4001001f: " + positional[1];
            return std::nullopt;
        }
        parsed.sortPropid = *propid;
        parsed.sortGiven = true;
    }
    return parsed;
}

}  // namespace livelist
