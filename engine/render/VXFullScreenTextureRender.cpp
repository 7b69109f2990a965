#include "engine/render/VXFullScreenTextureRender.h"

#include "engine/render/VXLibrary.h"

VXFullScreenTextureRender::VXFullScreenTextureRender()
    : texture(nullptr), vertexLocation(-1), textureInputLocation(-1)
{
}

void VXFullScreenTextureRender::begin()
{
    framebuffer.bindForDrawing(drawBuffer);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    screenDebugDisplayProgram->use();
    glViewport(0, 0, texture->width, texture->height);
}

void VXFullScreenTextureRender::drawPass()
{
    drawTexturedQuad(*texture, textureInputLocation, vertexLocation);
}

void VXFullScreenTextureRender::initialize(VXTexture* texture)
{
    useScreenTarget();
    this->texture = texture;
    vertexLocation = screenDebugDisplayProgram->vertexLocation;
    textureInputLocation = screenDebugDisplayProgram->textureInputLocation;
}
