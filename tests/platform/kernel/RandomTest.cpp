// Random(): repeatable after seeding, and spread over the whole 32-bit range.
#include <gtest/gtest.h>

#include "cetest.h"
#include "winbase.h"

namespace {

TEST(Random, SameSeedRepeatsTheSequenceAcrossTheWhole32BitRange) {
    ce::test::seedRandom(42);
    DWORD first[1000], ored = 0, anded = ~0u;
    for (DWORD& v : first) ored |= v = Random(), anded &= v;
    ce::test::seedRandom(42);
    for (DWORD v : first) ASSERT_EQ(Random(), v);
    EXPECT_EQ(ored, ~0u);
    EXPECT_EQ(anded, 0u);
}

}  // namespace
