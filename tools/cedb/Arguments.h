// A command's words split into options and positional arguments.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cedb {

struct Arguments {
    std::vector<std::string> positional;
    std::vector<std::pair<std::string, std::string>> options;  // flags have an empty value

    bool has(std::string_view name) const;
    // Every value given to an option that may repeat, in order.
    std::vector<std::string> values(std::string_view name) const;
    // The last value given, if any.
    std::optional<std::string> value(std::string_view name) const;
};

// `flags` stand alone, `valued` options take the next word; "--" ends the options. False,
// with the reason, on an unknown option or a missing value.
bool parseArguments(const std::vector<std::string>& words, const std::vector<std::string_view>& flags,
                    const std::vector<std::string_view>& valued, Arguments& parsed, std::string& error);

}  // namespace cedb
