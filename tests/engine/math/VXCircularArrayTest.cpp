#include <gtest/gtest.h>

#include <limits>

#include "engine/math/VXCircularArray.h"

TEST(VXCircularArray, WrapsOverOldestAndClearKeepsSlots)
{
    VXCircularArray<3, int> ring;
    for (int i = 1; i <= 5; ++i) {
        ring.add(i);
    }
    const int expected[3] = {4, 5, 3};
    VXTuple<3, int> slots;
    EXPECT_TRUE(ring.equals(slots.assignFromArray(expected)));
    EXPECT_EQ(ring.count, 5);
    EXPECT_EQ(ring.size(), 3);
    ring.clear();
    EXPECT_EQ(ring.size(), 0);
    EXPECT_EQ(ring[0], 4);
}

TEST(VXCircularArray, TupleOperationsIgnoreCount)
{
    VXCircularArray<2, int> a;
    VXCircularArray<2, int> b;
    a.add(1);
    a.add(2);
    for (int v : {7, 2, 1, 2}) {
        b.add(v);
    }
    EXPECT_TRUE(a.equals(b));
    VXCircularArray<2, int> copy(b);
    EXPECT_EQ(copy.count, 4);
    a.assign(copy);
    EXPECT_EQ(a.count, 2);
}

TEST(VXCircularArray, CountAtIntLimitKeepsSlotOrder)
{
    VXCircularArray<3, int> ring;
    ring.count = std::numeric_limits<int>::max() - 1;
    const int first = ring.count % 3;
    for (int v : {10, 11, 12}) {
        ring.add(v);
    }
    EXPECT_EQ(ring[first], 10);
    EXPECT_EQ(ring[(first + 1) % 3], 11);
    EXPECT_EQ(ring[(first + 2) % 3], 12);
}
