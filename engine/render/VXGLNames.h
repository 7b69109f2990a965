#ifndef ENGINE_RENDER_VXGLNAMES_H
#define ENGINE_RENDER_VXGLNAMES_H

#include <GL/glew.h>

// Each makes exactly one GL object and returns its name. The objects live
// until the GL context ends, but for the buffers of a model that its owner
// frees (deleteBufferName).
GLuint generateTextureName();
GLuint generateFramebufferName();
GLuint generateBufferName();
GLuint generateRenderbufferName();

// Gives back a buffer made by generateBufferName; 0 names none.
void deleteBufferName(GLuint name);

#endif
