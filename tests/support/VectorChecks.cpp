#include "support/VectorChecks.h"

#include <gtest/gtest.h>

void expectVector(float x, float y, float z, float w, const VXVec4& v)
{
    EXPECT_FLOAT_EQ(x, v[0]);
    EXPECT_FLOAT_EQ(y, v[1]);
    EXPECT_FLOAT_EQ(z, v[2]);
    EXPECT_FLOAT_EQ(w, v[3]);
}
