#include "engine/render/VXGaussianBlurRender.h"

#include "engine/render/VXGaussianWeights.h"
#include "engine/render/VXLibrary.h"

namespace {

const char* const densityName = "vx_gaussian_density_distribution";

} // namespace

VXHorizontalGaussianBlurRender::VXHorizontalGaussianBlurRender()
    : weights{0.0f, 0.0f, 0.0f, 0.0f}, densityLocation(-1)
{
}

void VXHorizontalGaussianBlurRender::begin()
{
    VXTextureProcessingRender::begin();
    glUniform1fv(densityLocation, 4, weights);
}

void VXHorizontalGaussianBlurRender::initialize(VXTexture* input, VXTexture* output, float sigma)
{
    VXTextureProcessingRender::initialize(input, output, horizontalGaussianBlurProgram);
    densityLocation = horizontalGaussianBlurProgram->uniformLocation(densityName, -1);
    gaussianWeights(sigma, weights);
}

VXVerticalGaussianBlurRender::VXVerticalGaussianBlurRender()
    : weights{0.0f, 0.0f, 0.0f, 0.0f}, densityLocation(-1)
{
}

void VXVerticalGaussianBlurRender::begin()
{
    VXTextureProcessingRender::begin();
    glUniform1fv(densityLocation, 4, weights);
}

void VXVerticalGaussianBlurRender::initialize(VXTexture* input, VXTexture* output, float sigma)
{
    VXTextureProcessingRender::initialize(input, output, verticalGaussianBlurProgram);
    densityLocation = verticalGaussianBlurProgram->uniformLocation(densityName, -1);
    gaussianWeights(sigma, weights);
}

void VXGaussianBlurRender::begin()
{
}

void VXGaussianBlurRender::drawPass()
{
    horizontal.begin();
    horizontal.drawPass();
    horizontal.end();
    vertical.begin();
    vertical.drawPass();
    vertical.end();
}

void VXGaussianBlurRender::end()
{
}

void VXGaussianBlurRender::initialize(VXTexture* texture, float sigma)
{
    intermediate.createLike(*texture);
    horizontal.initialize(texture, &intermediate, sigma);
    vertical.initialize(&intermediate, texture, sigma);
}
