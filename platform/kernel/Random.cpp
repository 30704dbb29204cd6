// Random(): a PCG32 generator (full 32-bit range), seeded from the clock unless a test
// seeds it to make the sequence repeatable.
#include <chrono>
#include <cstdint>

#include "cetest.h"
#include "winbase.h"

namespace {

constexpr std::uint64_t c_multiplier = 6364136223846793005ull;
constexpr std::uint64_t c_increment = 1442695040888963407ull;

class Pcg32 {
public:
    explicit Pcg32(std::uint64_t seed) { reseed(seed); }

    void reseed(std::uint64_t seed) {
        m_state = 0;
        next();
        m_state += seed;
        next();
    }

    std::uint32_t next() {
        std::uint64_t old = m_state;
        m_state = old * c_multiplier + c_increment;
        auto xorShifted = static_cast<std::uint32_t>(((old >> 18) ^ old) >> 27);
        auto rotation = static_cast<std::uint32_t>(old >> 59);
        return (xorShifted >> rotation) | (xorShifted << ((32 - rotation) & 31));
    }

private:
    std::uint64_t m_state = 0;
};

Pcg32& generator() {
    static Pcg32 s_generator(static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    return s_generator;
}

}  // namespace

DWORD Random() {
    return generator().next();
}

void ce::test::seedRandom(DWORD seed) {
    generator().reseed(seed);
}
