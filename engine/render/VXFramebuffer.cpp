#include "engine/render/VXFramebuffer.h"

#include "engine/render/VXGLNames.h"

namespace {

void bindFramebuffer(GLuint name)
{
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, name);
}

} // namespace

VXFramebuffer::VXFramebuffer()
    : name(0)
{
}

void VXFramebuffer::create()
{
    name = generateFramebufferName();
}

void VXFramebuffer::release()
{
    name = 0;
}

void VXFramebuffer::attachTexture(const VXTexture& texture, int i)
{
    bindFramebuffer(name);
    glFramebufferTexture2DEXT(GL_FRAMEBUFFER_EXT, GL_COLOR_ATTACHMENT0_EXT + i, texture.target, texture.name, 0);
}

void VXFramebuffer::attachDepth(const VXRenderbuffer& depth)
{
    bindFramebuffer(name);
    glFramebufferRenderbufferEXT(GL_FRAMEBUFFER_EXT, GL_DEPTH_ATTACHMENT_EXT, GL_RENDERBUFFER_EXT, depth.name);
}

void VXFramebuffer::bindForDrawing(GLenum drawBuffer)
{
    bindFramebuffer(name);
    glDrawBuffer(drawBuffer);
}
