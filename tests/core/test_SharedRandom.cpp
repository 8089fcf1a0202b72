// The shared generator's test seam: a fixed seed gives the same numbers again.
#include "SharedRandom.h"

#include <gtest/gtest.h>

TEST(SharedRandom, ATestSeedRepeatsAndStaysInRange)
{
    SharedRandom::setTestSeed(42);
    std::vector<int> first;
    for (int i = 0; i < 50; ++i)
        first.push_back(SharedRandom::below(999));
    SharedRandom::seedFromClock(); // seeds with the test seed again
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(SharedRandom::below(999), first[size_t(i)]);
        EXPECT_GE(first[size_t(i)], 0);
        EXPECT_LT(first[size_t(i)], 999);
    }
    SharedRandom::setTestSeed(std::nullopt);
}
