#include <gtest/gtest.h>

#include "engine/core/VXLog.h"
#include "engine/math/VXMat4.h"
#include "engine/math/VXPenetration3D.h"
#include "engine/math/VXQuat.h"
#include "engine/math/VXVec4.h"

namespace {

template <typename F>
std::string captured(F print)
{
    VXLogCapture logged;
    print();
    return logged.text();
}

} // namespace

TEST(VXMathPrint, TupleSlotWritesNoValuesAndIsSharedByVectors)
{
    VXTuple<4, float> t;
    EXPECT_EQ(captured([&] { t.print("p"); }), "pTuple:\np\t[]\n");
    VXVec4 v(1, 2.5f, -3, 1);
    const VXTuple<4, float>& asTuple = v;
    EXPECT_EQ(captured([&] { asTuple.print(""); }), "Tuple:\n\t[]\n");
    EXPECT_EQ(captured([&] { v.print("> "); }), "> Vector:\n> \t(1, 2.5, -3, 1) \n");
}

TEST(VXMathPrint, QuaternionAndMatrix)
{
    const float values[4] = {1, 2, 3, 0.5f};
    VXQuat q;
    q.assignFromArray(values);
    EXPECT_EQ(captured([&] { q.print("\t"); }),
              "\tQuaternion:\n\t\tScalar: 0.5\n\t\tVector: (1, 2, 3) \n");

    VXMat4 m = VXMat4::translation(VXVec4(5, 6, 7, 1));
    const VXTuple<16, float>& asTuple = m;
    EXPECT_EQ(captured([&] { asTuple.print("#"); }),
              "#Matrix:\n#\t[ 1, 0, 0, 5 ]\n#\t[ 0, 1, 0, 6 ]\n#\t[ 0, 0, 1, 7 ]\n#\t[ 0, 0, 0, 1 ]\n");
}

TEST(VXMathPrint, Penetration)
{
    VXPenetration3D p;
    p.exists = false;
    const VXPenetration1D axes[3] = {{1, 1.5f}, {-1, 2}, {0, 0}};
    p.assignFromArray(axes);
    EXPECT_EQ(captured([&] { p.print(">"); }),
              ">Penetration 3D: \n"
              ">\tPenetration 1D: \n>\t\tPenetration Direction: 1\n>\t\tPenetration Depth: 1.5\n"
              ">\tPenetration 1D: \n>\t\tPenetration Direction: -1\n>\t\tPenetration Depth: 2\n"
              ">\tPenetration 1D: \n>\t\tPenetration Direction: 0\n>\t\tPenetration Depth: 0\n"
              ">\tPenetration Exists: False\n");
}
