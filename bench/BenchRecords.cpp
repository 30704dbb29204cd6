// Deterministic record values: a multiplicative bijection for the numbers, splitmix64 for
// the names, so both engines hold exactly the same data without sharing a file.
#include "BenchRecords.h"

namespace {

std::uint64_t splitmix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

constexpr std::uint64_t c_baseFiletime = 132000000000000000ULL;  // late 2019
constexpr std::uint64_t c_minute = 600000000ULL;

}  // namespace

BenchRecord benchRecord(std::uint32_t i) {
    BenchRecord record;
    // An odd multiplier is a bijection of the 32-bit values: every number is distinct.
    record.number = static_cast<std::int32_t>(i * 2654435761u);
    std::uint64_t bits = splitmix(i);
    std::uint64_t more = splitmix(bits);
    record.name.reserve(20);
    for (int k = 0; k < 20; ++k) {
        std::uint64_t& source = k < 10 ? bits : more;
        record.name.push_back(static_cast<char16_t>(u'a' + source % 26));
        source /= 26;
    }
    record.filetime = c_baseFiletime + i * c_minute;
    return record;
}

std::string narrowName(const std::u16string& name) {
    return std::string(name.begin(), name.end());
}

std::uint32_t IndexPicker::next() {
    m_state = splitmix(m_state);
    return static_cast<std::uint32_t>(m_state % m_count);
}

std::vector<BenchRecord> sampleRecords(std::uint32_t count, std::uint32_t samples) {
    IndexPicker picker(count);
    std::vector<BenchRecord> records;
    records.reserve(samples);
    for (std::uint32_t k = 0; k < samples; ++k) records.push_back(benchRecord(picker.next()));
    return records;
}
