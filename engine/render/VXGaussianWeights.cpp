#include "engine/render/VXGaussianWeights.h"

#include <cmath>

float normalDensity(float sigma, float x)
{
    const double inverseRootTwoPi = 0.3989422917366028;
    const double factor = inverseRootTwoPi / sigma;
    const float exponent = static_cast<float>(-static_cast<double>(x) * x / 2.0 / sigma / sigma);
    const float density = static_cast<float>(std::exp(static_cast<double>(exponent)));
    return static_cast<float>(factor * density);
}

void gaussianWeights(float sigma, float weights[4])
{
    for (int x = 0; x < 4; ++x) {
        weights[x] = normalDensity(sigma, static_cast<float>(x));
    }
    float sum = weights[0] + 2.0f * (weights[1] + weights[2] + weights[3]);
    for (int x = 0; x < 4; ++x) {
        weights[x] /= sum;
    }
}
