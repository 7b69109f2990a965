#ifndef ENGINE_RENDER_VXFRAMEBUFFER_H
#define ENGINE_RENDER_VXFRAMEBUFFER_H

#include "engine/render/VXRenderbuffer.h"
#include "engine/render/VXTexture.h"

#include <GL/glew.h>

// Every operation but `create` and `release` binds GL_FRAMEBUFFER_EXT to `name`
// first. Name 0 is the window's own framebuffer.
struct VXFramebuffer {
    GLuint name;

    VXFramebuffer();

    void create();
    // Later binds select the window's framebuffer; no GL object is deleted.
    void release();
    void attachTexture(const VXTexture& texture, int i);
    void attachDepth(const VXRenderbuffer& depth);
    void bindForDrawing(GLenum drawBuffer);
};

#endif
