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
    // Null until GLEW has found the driver's entry points: no name then.
    if (glGenFramebuffersEXT == nullptr) {
        return 0;
    }
    glGenFramebuffersEXT(1, &name);
    return name;
}

GLuint generateBufferName()
{
    GLuint name = 0;
    // Null until GLEW has found the driver's entry points: no name then.
    if (glGenBuffersARB == nullptr) {
        return 0;
    }
    glGenBuffersARB(1, &name);
    return name;
}

void deleteBufferName(GLuint name)
{
    if (name == 0 || glDeleteBuffersARB == nullptr) {
        return;
    }
    glDeleteBuffersARB(1, &name);
}

GLuint generateRenderbufferName()
{
    GLuint name = 0;
    // Null until GLEW has found the driver's entry points: no name then.
    if (glGenRenderbuffersEXT == nullptr) {
        return 0;
    }
    glGenRenderbuffersEXT(1, &name);
    return name;
}
