#include <gtest/gtest.h>

#include <cmath>

#include "engine/math/VXMath.h"
#include "engine/math/VXQuat.h"

namespace {

VXQuat quat(float x, float y, float z, float w)
{
    const float values[4] = {x, y, z, w};
    VXQuat q;
    q.assignFromArray(values);
    return q;
}

void expectNear(const VXTuple<4, float>& a, float x, float y, float z, float w)
{
    const float expected[4] = {x, y, z, w};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(a[i], expected[i], 1e-5f) << "component " << i;
    }
}

} // namespace

TEST(VXQuat, ProductTakesLeftFactorFirst)
{
    expectNear(quat(1, 0, 0, 0) * quat(0, 1, 0, 0), 0, 0, 1, 0);
    expectNear(quat(0, 1, 0, 0) * quat(1, 0, 0, 0), 0, 0, -1, 0);
    VXQuat a = VXQuat::fromAngleAxis(0.3f, 1, 0, 0);
    VXQuat b = VXQuat::fromAngleAxis(0.5f, 0, 1, 0);
    VXQuat c = a;
    c *= b;
    EXPECT_TRUE(c.equals(a * b));
    // Scalar operations take w along.
    expectNear((2.0f * c) / 4.0f, c[0] / 2, c[1] / 2, c[2] / 2, c[3] / 2);
}

TEST(VXQuat, RotateUsesConjugateAndGivesWOne)
{
    VXVec4 r = VXQuat::fromAngleAxis(VX_PI, 0, 1, 0).rotate(VXVec4(1, 0, 0, 1));
    expectNear(r, -1, 0, 0, 1);
    EXPECT_EQ(r.w(), 1.0f);
    // The conjugate is no inverse for a non-unit quaternion: lengths scale by |q|^2.
    expectNear(quat(0, 0, 0, 2).rotate(VXVec4(1, 2, 3, 0)), 4, 8, 12, 1);
    // The axis is not normalised either.
    expectNear(VXQuat::fromAngleAxis(VX_PI, 0, 2, 0), 0, 2, 0, 0);
}

TEST(VXQuat, SlerpEndpointsOnBothBranches)
{
    VXQuat a = quat(0, 0, 0, 1);
    VXQuat b = quat(0, 1, 0, 0);
    expectNear(VXQuat::slerp(a, b, 0), 0, 0, 0, 1);
    expectNear(VXQuat::slerp(a, b, 1), 0, 1, 0, 0);
    expectNear(VXQuat::slerp(a, b, 0.5f), 0, std::sqrt(0.5f), 0, std::sqrt(0.5f));
    VXQuat c = VXQuat::fromAngleAxis(0.2f, 0, 1, 0);
    EXPECT_TRUE(VXQuat::slerp(a, c, 0).equals(a));
    EXPECT_TRUE(VXQuat::slerp(a, c, 1).equals(c));
}

TEST(VXQuat, SlerpIsLinearFromExactlyPointNine)
{
    VXQuat a = quat(0, 0, 0, 1);
    VXQuat b = quat(0, 0.3f, 0, 0.9f);
    ASSERT_EQ(VXQuat::dot(a, b), 0.9f);
    // Not renormalised.
    expectNear(VXQuat::slerp(a, b, 0.5f), 0, 0.15f, 0, 0.95f);
}

TEST(VXQuat, SlerpKeepsNegativeDotOnLongArc)
{
    // The short blend to -b would pass near the identity (w about 1).
    VXQuat a = quat(0, 0, 0, 1);
    VXQuat b = -1.0f * VXQuat::fromAngleAxis(0.4f, 0, 1, 0);
    VXQuat mid = VXQuat::slerp(a, b, 0.5f);
    EXPECT_NEAR(mid.w(), 0.0998f, 1e-3f);
    EXPECT_NEAR(mid.y(), -0.995f, 1e-3f);
}
