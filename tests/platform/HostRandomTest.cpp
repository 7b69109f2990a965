#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/HostRandom.h"

TEST(HostRandom, DrawsCoverTheFifteenBitRangeAndNothingBeyond)
{
    hostSrand(12345);
    int lowest = HOST_RAND_MAX;
    int highest = 0;
    for (int i = 0; i < 1 << 20; ++i) {
        const int r = hostRand();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, HOST_RAND_MAX);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_EQ(lowest, 0);
    EXPECT_EQ(highest, 32767);
    // So the game's scaled draws stay within 0..1.
    EXPECT_EQ(static_cast<float>(highest) / 32767.0f, 1.0f);
}

TEST(HostRandom, TheSequenceDependsOnlyOnTheSeed)
{
    auto draws = [](unsigned int seed) {
        hostSrand(seed);
        std::vector<int> values;
        for (int i = 0; i < 16; ++i) {
            values.push_back(hostRand());
        }
        return values;
    };
    const std::vector<int> first = draws(99);
    hostRand();
    EXPECT_EQ(draws(99), first);
    EXPECT_NE(draws(100), first);
}
