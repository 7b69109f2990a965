#include "engine/render/VXTextureProcessingRender.h"

VXTextureProcessingRender::VXTextureProcessingRender()
    : input(nullptr), output(nullptr), vertexLocation(-1), textureInputLocation(-1), program(nullptr)
{
}

void VXTextureProcessingRender::begin()
{
    VXRender::begin();
    // The output is replaced, never blended with: an on-screen pass before
    // this one leaves blending on.
    glDisable(GL_BLEND);
    program->use();
    glViewport(0, 0, output->width, output->height);
}

void VXTextureProcessingRender::drawPass()
{
    drawTexturedQuad(*input, textureInputLocation, vertexLocation);
}

void VXTextureProcessingRender::initialize(VXTexture* input, VXTexture* output, VXShaderProgram* program)
{
    useFramebufferTarget();
    this->input = input;
    this->output = output;
    this->program = program;
    framebuffer.attachTexture(*output, 0);
    vertexLocation = program->attributeLocation("vx_vertex", -1);
    textureInputLocation = program->uniformLocation("vx_texture_input", -1);
}
