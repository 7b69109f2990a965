#include "engine/render/VXRender.h"

#include "engine/render/VXLibrary.h"

VXRender::VXRender()
    : drawBuffer(GL_BACK)
{
}

void VXRender::begin()
{
    framebuffer.bindForDrawing(drawBuffer);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
}

void VXRender::drawPass()
{
}

void VXRender::end()
{
    glFlush();
}

void VXRender::useScreenTarget()
{
    framebuffer.release();
    drawBuffer = GL_BACK;
}

void VXRender::useFramebufferTarget()
{
    framebuffer.create();
    drawBuffer = GL_COLOR_ATTACHMENT0_EXT;
}

void VXRender::drawTexturedQuad(const VXTexture& texture, GLint samplerLocation, GLint vertexLocation)
{
    texture.bind(samplerLocation, 0);
    // The corners come from client memory, not from a bound buffer.
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glEnableVertexAttribArray(vertexLocation);
    glVertexAttribPointer(vertexLocation, 2, GL_FLOAT, GL_FALSE, 0, screenQuadCorners);
    glDrawArrays(GL_QUADS, 0, 4);
    glDisableVertexAttribArray(vertexLocation);
}
