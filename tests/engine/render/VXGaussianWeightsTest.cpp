#include "engine/render/VXGaussianWeights.h"

#include <gtest/gtest.h>

TEST(VXGaussianWeights, SevenTapsWeighOneAndFallOffFromTheCentre)
{
    for (float sigma : {0.5f, 1.0f, 2.0f, 5.0f}) {
        float w[4];
        gaussianWeights(sigma, w);
        EXPECT_NEAR(1.0f, w[0] + 2.0f * (w[1] + w[2] + w[3]), 1e-6f) << sigma;
        EXPECT_GT(w[0], w[1]) << sigma;
        EXPECT_GT(w[1], w[2]) << sigma;
        EXPECT_GT(w[2], w[3]) << sigma;
    }
}

TEST(VXGaussianWeights, NormalDensityMatchesTheBellCurve)
{
    EXPECT_FLOAT_EQ(0.39894229f, normalDensity(1.0f, 0.0f));
    EXPECT_FLOAT_EQ(0.24197072f, normalDensity(1.0f, 1.0f));
    EXPECT_FLOAT_EQ(0.17603266f, normalDensity(2.0f, 1.0f));
}
