// What livelist was asked to show: a database by name, the sort property its list follows,
// and optionally the bounds of a filter on that property.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <windows.h>
#include <windbase.h>

namespace livelist {

struct Arguments {
    std::u16string database;
    CEPROPID sortPropid = 0;  // 0: the database's first sort order (creation order if none)
    bool sortGiven = false;
    std::optional<std::pair<std::string, std::string>> filter;  // FROM and TO as typed
};

// Parses argv (without the program name). On a usage error returns nothing and sets
// `error`; `help` is set for --help.
std::optional<Arguments> parseArguments(const std::vector<std::string>& args, std::string& error, bool& help);

// The text --help prints.
extern const char* const c_usage;

}  // namespace livelist
