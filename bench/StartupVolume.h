// The volumes Orvane starts on in the start-up benchmark: the sample databases of a fresh
// handheld, and many small databases (a few records each, some with sort orders) kept in the
// benchmarks' folder between runs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class StartupVolume {
public:
    // Makes `path` a new volume holding the sample databases, as `cedb init --sample` does.
    static bool createSample(const std::string& path);
    // Makes `path` hold `count` small databases, reusing the file when it already does.
    static bool useMany(const std::string& path, std::uint32_t count);

    // "startup-0042": the catalogue, sorted by name, shows them in their order.
    static std::u16string databaseName(std::uint32_t index);
    static std::uint32_t recordsOf(std::uint32_t index) { return 3 + index % 3; }
    // Every tenth database has two sort orders, every tenth from the fifth has one.
    static std::uint16_t sortOrdersOf(std::uint32_t index) { return index % 10 == 0 ? 2 : index % 10 == 5 ? 1 : 0; }

    // How many databases the volume at `path` holds; the volume is closed again.
    static std::uint32_t databaseCount(const std::string& path);
    // The name the catalogue, sorted by name regardless of case, shows first.
    static std::u16string firstName(const std::string& path);

private:
    static std::vector<std::u16string> databaseNames(const std::string& path);
    static bool holdsMany(const std::string& path, std::uint32_t count);
};
