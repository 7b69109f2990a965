#ifndef ENGINE_RENDER_VXGAUSSIANBLURRENDER_H
#define ENGINE_RENDER_VXGAUSSIANBLURRENDER_H

#include "engine/render/VXTexture.h"
#include "engine/render/VXTextureProcessingRender.h"

#include <GL/glew.h>

// One direction of a seven-tap gaussian blur: the programs weigh the texel
// and its three neighbours on either side with the four weights.
class VXHorizontalGaussianBlurRender : public VXTextureProcessingRender {
public:
    VXHorizontalGaussianBlurRender();

    // Texture-processing begin, then the weights.
    void begin() override;
    virtual void initialize(VXTexture* input, VXTexture* output, float sigma);

    float weights[4];
    GLint densityLocation;
};

class VXVerticalGaussianBlurRender : public VXTextureProcessingRender {
public:
    VXVerticalGaussianBlurRender();

    void begin() override;
    virtual void initialize(VXTexture* input, VXTexture* output, float sigma);

    float weights[4];
    GLint densityLocation;
};

// Blurs a texture in place: horizontally into `intermediate`, then vertically
// back. Its own begin and end do nothing and its own base fields are unused.
class VXGaussianBlurRender : public VXTextureProcessingRender {
public:
    void begin() override;
    void drawPass() override;
    void end() override;
    virtual void initialize(VXTexture* texture, float sigma);

    VXHorizontalGaussianBlurRender horizontal;
    VXVerticalGaussianBlurRender vertical;
    // Same size and formats as the blurred texture.
    VXTexture intermediate;
};

#endif
