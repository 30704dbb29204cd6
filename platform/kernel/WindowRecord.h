// One top-level window as its process publishes it for the user's other processes, and the
// text the records of one process take in the runtime folder.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ce::kernel {

struct WindowRecord {
    std::uint64_t handle = 0;
    std::u16string className;
    std::u16string title;

    bool operator==(const WindowRecord&) const = default;
};

// One line per window, topmost first, UTF-16 units as hex so that no name can break a line;
// an end line makes a cut-short text detectable.
std::string formatWindowRecords(const std::vector<WindowRecord>& records);
// nullopt for anything that is not a whole text as formatWindowRecords writes it.
std::optional<std::vector<WindowRecord>> parseWindowRecords(std::string_view text);

}  // namespace ce::kernel
