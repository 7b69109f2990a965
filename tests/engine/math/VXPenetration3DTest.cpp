#include <gtest/gtest.h>

#include "engine/math/VXPenetration3D.h"
#include "game/level/KTPhysicsBody.h"

namespace {

KTPhysicsBody box(float x0, float y0, float z0, float x1, float y1, float z1)
{
    KTPhysicsBody body{VXVec4(x0, y0, z0, 1), VXVec4(x1, y1, z1, 1), 1, 0, 0, true, false};
    return body;
}

const VXVec4 kOrigin(0, 0, 0, 1);
const KTPhysicsBody kUnitTwo = box(0, 0, 0, 2, 2, 2);

} // namespace

TEST(VXPenetration3D, EqualOverlapPrefersVertical)
{
    VXPenetration3D p;
    p.compute(kOrigin, kUnitTwo, kOrigin, box(1, 1, 1, 3, 3, 3));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(p[i].direction, 1);
        EXPECT_EQ(p[i].depth, 1.0f);
    }
    EXPECT_TRUE(p.exists);
    EXPECT_EQ(p.axis, 1);
}

TEST(VXPenetration3D, DirectionFollowsSmallerOverlap)
{
    VXPenetration3D p;
    p.compute(kOrigin, box(0, 0, 0, 2, 10, 2), kOrigin, box(1, 1, 1, 3, 3, 3));
    EXPECT_EQ(p[1].direction, -1);
    EXPECT_EQ(p[1].depth, 3.0f);
    EXPECT_EQ(p.axis, 0);
    // Positions offset the boxes: B just below A.
    p.compute(VXVec4(0, 10, 0, 1), box(-1, -1, -1, 1, 1, 1), VXVec4(0.5f, 8.5f, 0, 1),
              box(-1, -1, -1, 1, 1, 1));
    EXPECT_EQ(p[1].direction, -1);
    EXPECT_FLOAT_EQ(p[1].depth, 0.5f);
    EXPECT_EQ(p.axis, 1);
}

TEST(VXPenetration3D, TouchingCountsSeparatedLeavesAxis)
{
    VXPenetration3D p;
    p.compute(kOrigin, kUnitTwo, VXVec4(2, 0, 0, 1), kUnitTwo);
    EXPECT_TRUE(p.exists);
    EXPECT_EQ(p[0].depth, 0.0f);
    EXPECT_EQ(p.axis, 0);

    p.axis = 7;
    p.compute(kOrigin, kUnitTwo, VXVec4(0, 0, 2.5f, 1), kUnitTwo);
    EXPECT_FALSE(p.exists);
    EXPECT_EQ(p[2].direction, 0);
    EXPECT_EQ(p[2].depth, 0.0f);
    EXPECT_EQ(p.axis, 7);
}

TEST(VXPenetration3D, VerticalBiasIsAQuarterUnitAndTiesKeepLowerAxis)
{
    // x depth 1 throughout.
    VXPenetration3D p;
    p.compute(kOrigin, kUnitTwo, kOrigin, box(1, 0.8f, 0.5f, 3, 3, 3));
    EXPECT_EQ(p.axis, 1);
    p.compute(kOrigin, kUnitTwo, kOrigin, box(1, 0.7f, 0.5f, 3, 3, 3));
    EXPECT_EQ(p.axis, 0);
    p.compute(kOrigin, kUnitTwo, kOrigin, box(1, -5, 1, 3, 3, 3));
    EXPECT_EQ(p.axis, 0);
    p.compute(kOrigin, kUnitTwo, kOrigin, box(1, -5, 1.5f, 3, 3, 3));
    EXPECT_EQ(p.axis, 2);
}
