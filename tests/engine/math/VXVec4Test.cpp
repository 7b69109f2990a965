#include <gtest/gtest.h>

#include "engine/math/VXVec4.h"

TEST(VXVec4, AssignmentSetsWToOneCopyKeepsIt)
{
    VXVec4 a(1, 2, 3, 7);
    VXVec4 b(0, 0, 0, 5);
    b = a;
    EXPECT_TRUE(b.equals(VXVec4(1, 2, 3, 1)));
    EXPECT_TRUE(VXVec4(a).equals(a));
    // The tuple's own assign copies all four.
    static_cast<VXTuple<4, float>&>(b).assign(a);
    EXPECT_EQ(b.w(), 7.0f);
    // equals is exact, yet -0 equals +0.
    EXPECT_TRUE(VXVec4(0.0f, 1, 2, 1).equals(VXVec4(-0.0f, 1, 2, 1)));
    EXPECT_FALSE(VXVec4(0, 1, 2, 1).equals(VXVec4(0, 1, 2.0000002f, 1)));
}

TEST(VXVec4, ArithmeticLeavesW)
{
    VXVec4 a(1, 2, 3, 9);
    VXVec4 b(1, 1, 1, 4);
    EXPECT_TRUE((a + b).equals(VXVec4(2, 3, 4, 9)));
    EXPECT_TRUE((a - b).equals(VXVec4(0, 1, 2, 9)));
    a *= 2;
    EXPECT_TRUE(a.equals(VXVec4(2, 4, 6, 9)));
    VXVec4 v(3, 0, 4, 6);
    EXPECT_FLOAT_EQ(v.normalize(), 5.0f);
    EXPECT_TRUE(v.equals(VXVec4(0.6f, 0, 0.8f, 6)));
    EXPECT_TRUE(VXVec4::crossProduct(VXVec4(1, 0, 0, 0), VXVec4(0, 1, 0, 0)).equals(VXVec4(0, 0, 1, 1)));
}

TEST(VXVec4, ProjectionWFromTargetPerpendicularWFromSelf)
{
    VXVec4 v(2, 3, 0, 5);
    EXPECT_TRUE(v.projectOnto(VXVec4(4, 0, 0, 8)).equals(VXVec4(2, 0, 0, 8)));
    EXPECT_TRUE(v.perpendicularTo(VXVec4(4, 0, 0, 8)).equals(VXVec4(0, 3, 0, 5)));
}
