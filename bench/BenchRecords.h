// The content of the benchmark databases: record i's values, the same for the object store
// and the SQLite baseline, computed rather than stored so that seeks can pick real values.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct BenchRecord {
    std::int32_t number;  // distinct for every i
    std::u16string name;  // 20 letters
    std::uint64_t filetime;
};

BenchRecord benchRecord(std::uint32_t i);
// UTF-8 of an ASCII name, for SQLite.
std::string narrowName(const std::u16string& name);

// A fixed-seed generator of record indexes in [0, count).
class IndexPicker {
public:
    explicit IndexPicker(std::uint32_t count) : m_count(count) {}
    std::uint32_t next();

private:
    std::uint32_t m_count;
    std::uint64_t m_state = 0x5EED0F0B7A11ULL;
};

// A fixed-seed sample of existing records, for value seeks: picked before timing starts.
std::vector<BenchRecord> sampleRecords(std::uint32_t count, std::uint32_t samples);
