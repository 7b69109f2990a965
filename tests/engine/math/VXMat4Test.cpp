#include <gtest/gtest.h>

#include <cmath>

#include "engine/math/VXMat4.h"
#include "engine/math/VXMath.h"

namespace {

void expectMatNear(const VXMat4& a, const VXMat4& b)
{
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(a[i], b[i], 1e-5f) << "element " << i;
    }
}

VXMat4 identity()
{
    VXMat4 m;
    return m.setIdentity();
}

} // namespace

TEST(VXMat4, TranslationIsColumnMajor)
{
    VXMat4 t = VXMat4::translation(VXVec4(5, 6, 7, 0));
    VXMat4 expected;
    expected.set(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 5, 6, 7, 1);
    EXPECT_TRUE(t.equals(expected));
    EXPECT_TRUE(VXMat4::multiply(t, VXVec4(1, 2, 3, 1)).equals(VXVec4(6, 8, 10, 1)));
    EXPECT_TRUE(VXMat4::multiply(t, VXVec4(1, 2, 3, 0)).equals(VXVec4(1, 2, 3, 0)));
}

TEST(VXMat4, ProductAppliesRightFactorFirst)
{
    VXMat4 t = VXMat4::translation(VXVec4(10, 0, 0, 1));
    VXMat4 r = VXMat4::rotation(VXQuat::fromAngleAxis(VX_PI / 2, 0, 0, 1));
    VXVec4 p = VXMat4::multiply(t * r, VXVec4(1, 0, 0, 1));
    EXPECT_NEAR(p.x(), 10, 1e-5f);
    EXPECT_NEAR(p.y(), 1, 1e-5f);
    VXVec4 q = VXMat4::multiply(r * t, VXVec4(1, 0, 0, 1));
    EXPECT_NEAR(q.y(), 11, 1e-5f);
}

TEST(VXMat4, RotationMatchesQuaternionRotate)
{
    EXPECT_TRUE(VXMat4::rotation(VXQuat::fromAngleAxis(0, 0, 0, 0)).equals(identity()));
    VXQuat q = VXQuat::fromAngleAxis(0.7f, 1, 2, 2);
    q.normalize();
    VXVec4 v(0.3f, -1.5f, 2, 1);
    VXVec4 byMatrix = VXMat4::multiply(VXMat4::rotation(q), v);
    VXVec4 byQuat = q.rotate(v);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(byMatrix[i], byQuat[i], 1e-5f);
    }
}

TEST(VXMat4, InverseByCofactors)
{
    VXMat4 r = VXMat4::rotation(VXQuat::fromAngleAxis(1.1f, 0, 1, 0));
    VXMat4 rt = identity();
    for (int c = 0; c < 3; ++c) {
        for (int row = 0; row < 3; ++row) {
            rt.elements[4 * c + row] = r[4 * row + c];
        }
    }
    VXMat4 t = VXMat4::translation(VXVec4(3, -4, 5, 1));
    expectMatNear((r * t).inverse(), VXMat4::translation(VXVec4(-3, 4, -5, 1)) * rt);

    VXMat4 m;
    m.set(2, 1, 0, 1, 0, 3, 1, 0, 1, 0, 4, 2, 1, 2, 0, 5);
    expectMatNear(m.inverse() * m, identity());
}

TEST(VXMat4, PerspectiveMapsNearAndFarPlanes)
{
    VXMat4 m = identity();
    m.setPerspective(VX_PI / 2, 2.0f, 1.0f, 101.0f);
    EXPECT_NEAR(m[0], 0.5f, 1e-6f);
    EXPECT_NEAR(m[5], 1.0f, 1e-6f);
    EXPECT_EQ(m[11], -1.0f);
    EXPECT_EQ(m[15], 0.0f);
    VXVec4 n = VXMat4::multiply(m, VXVec4(0, 0, -1, 1));
    VXVec4 f = VXMat4::multiply(m, VXVec4(0, 0, -101, 1));
    EXPECT_NEAR(n.z() / n.w(), -1.0f, 1e-5f);
    EXPECT_NEAR(f.z() / f.w(), 1.0f, 1e-5f);
}
