// Option parsing shared by the commands.
#include "Arguments.h"

#include <algorithm>

namespace cedb {

namespace {

bool contains(const std::vector<std::string_view>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

bool Arguments::has(std::string_view name) const {
    return std::any_of(options.begin(), options.end(), [name](const auto& option) { return option.first == name; });
}

std::vector<std::string> Arguments::values(std::string_view name) const {
    std::vector<std::string> found;
    for (const auto& [option, value] : options)
        if (option == name) found.push_back(value);
    return found;
}

std::optional<std::string> Arguments::value(std::string_view name) const {
    auto found = values(name);
    if (found.empty()) return std::nullopt;
    return found.back();
}

bool parseArguments(const std::vector<std::string>& words, const std::vector<std::string_view>& flags,
                    const std::vector<std::string_view>& valued, Arguments& parsed, std::string& error) {
    bool optionsEnded = false;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
            parsed.positional.push_back(word);
        } else if (word == "--") {
            optionsEnded = true;
        } else if (contains(flags, word)) {
            parsed.options.emplace_back(word, "");
        } else if (!contains(valued, word)) {
            error = "unknown option " + word;
            return false;
        } else if (i + 1 == words.size()) {
            error = word + " needs a value";
            return false;
        } else {
            parsed.options.emplace_back(word, words[++i]);
        }
    }
    return true;
}

}  // namespace cedb
