#ifndef ENGINE_RENDER_VXGLNAMES_H
#define ENGINE_RENDER_VXGLNAMES_H

#include <GL/glew.h>

// Each makes exactly one GL object and returns its name. Nothing made here is
// ever deleted: the objects live until the GL context ends.
GLuint generateTextureName();
GLuint generateFramebufferName();
GLuint generateBufferName();
GLuint generateRenderbufferName();

#endif
