#include "engine/render/VXGLNames.h"

GLuint generateTextureName()
{
    GLuint name = 0;
    glGenTextures(1, &name);
    return name;
}

GLuint generateFramebufferName()
{
    GLuint name = 0;
    glGenFramebuffersEXT(1, &name);
    return name;
}

GLuint generateBufferName()
{
    GLuint name = 0;
    glGenBuffersARB(1, &name);
    return name;
}

GLuint generateRenderbufferName()
{
    GLuint name = 0;
    glGenRenderbuffersEXT(1, &name);
    return name;
}
