#ifndef ENGINE_RENDER_VXTEXTUREPROCESSINGRENDER_H
#define ENGINE_RENDER_VXTEXTUREPROCESSINGRENDER_H

#include "engine/render/VXRender.h"
#include "engine/render/VXShaderProgram.h"
#include "engine/render/VXTexture.h"

#include <GL/glew.h>

// Renders `input` through `program` into `output` over a full-output quad.
class VXTextureProcessingRender : public VXRender {
public:
    VXTextureProcessingRender();

    // Clears the output, blending off, then the program and an output-sized viewport.
    void begin() override;
    void drawPass() override;
    // A framebuffer drawing into `output`; the three pointers are kept, not owned.
    virtual void initialize(VXTexture* input, VXTexture* output, VXShaderProgram* program);

    VXTexture* input;
    VXTexture* output;
    GLint vertexLocation;
    GLint textureInputLocation;
    VXShaderProgram* program;
};

#endif
