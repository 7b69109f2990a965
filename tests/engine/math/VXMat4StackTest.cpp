#include <gtest/gtest.h>

#include <algorithm>

#include "engine/core/VXLog.h"
#include "engine/math/VXMat4Stack.h"

namespace {

bool isIdentity(const VXMat4& m)
{
    VXMat4 id;
    return m.equals(id.setIdentity());
}

int lineCount(const std::string& s)
{
    return static_cast<int>(std::count(s.begin(), s.end(), '\n'));
}

} // namespace

TEST(VXMat4Stack, PopRestoresTop)
{
    VXMat4Stack stack;
    EXPECT_EQ(stack.depth, 0);
    EXPECT_TRUE(isIdentity(stack.top()));
    stack.push();
    stack.translate(VXVec4(1, 2, 3, 1));
    stack.push();
    EXPECT_TRUE(stack.matrices[2].equals(stack.matrices[1]));
    stack.pop();
    stack.pop();
    EXPECT_EQ(stack.depth, 0);
    EXPECT_TRUE(isIdentity(stack.top()));
}

TEST(VXMat4Stack, LastTransformActsFirst)
{
    VXMat4Stack stack;
    stack.translate(VXVec4(10, 0, 0, 1));
    stack.rotate(3.14159265f / 2, 0, 0, 1);
    VXVec4 p = VXMat4::multiply(stack.top(), VXVec4(1, 0, 0, 1));
    EXPECT_NEAR(p.x(), 10, 1e-5f);
    EXPECT_NEAR(p.y(), 1, 1e-5f);
}

TEST(VXMat4Stack, RefusesPopWhenEmptyAndPushWhenFull)
{
    VXMat4Stack stack;
    VXLogCapture popLog;
    stack.pop();
    EXPECT_EQ(lineCount(popLog.text()), 1);
    EXPECT_EQ(stack.depth, 0);
    EXPECT_TRUE(isIdentity(stack.top()));

    for (int i = 0; i < 99; ++i) {
        stack.push();
    }
    stack.translate(VXVec4(1, 0, 0, 1));
    VXLogCapture pushLog;
    stack.push();
    EXPECT_EQ(lineCount(pushLog.text()), 1);
    EXPECT_EQ(stack.depth, 99);
    EXPECT_EQ(stack.top()[12], 1.0f);
}
