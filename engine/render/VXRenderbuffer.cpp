#include "engine/render/VXRenderbuffer.h"

#include "engine/render/VXGLNames.h"

VXRenderbuffer::VXRenderbuffer()
    : name(0), format(GL_DEPTH_COMPONENT), width(0), height(0)
{
}

void VXRenderbuffer::create(int width, int height, GLenum format)
{
    this->width = width;
    this->height = height;
    this->format = format;
    name = generateRenderbufferName();
    glBindRenderbufferEXT(GL_RENDERBUFFER_EXT, name);
    glRenderbufferStorageEXT(GL_RENDERBUFFER_EXT, format, width, height);
}

void VXRenderbuffer::initialize(int width, int height, GLenum format)
{
    create(width, height, format);
}
