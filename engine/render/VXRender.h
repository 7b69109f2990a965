#ifndef ENGINE_RENDER_VXRENDER_H
#define ENGINE_RENDER_VXRENDER_H

#include "engine/render/VXFramebuffer.h"
#include "engine/render/VXTexture.h"

#include <GL/glew.h>

// One trip through the GL pipeline, run as begin, drawPass, end after the
// pass's initialize. A framebuffer target stays bound after end; the next pass
// binds its own in its begin. Passes are never destroyed through this base.
class VXRender {
public:
    VXRender();

    // Target, clear to opaque black, depth test on.
    virtual void begin();
    virtual void drawPass();
    virtual void end();

    // The window's back buffer.
    void useScreenTarget();
    // A new framebuffer object, drawn through colour attachment 0.
    void useFramebufferTarget();

    VXFramebuffer framebuffer;
    GLenum drawBuffer;

protected:
    // The full-screen quad of screenQuadCorners with `texture` on unit 0.
    static void drawTexturedQuad(const VXTexture& texture, GLint samplerLocation, GLint vertexLocation);
};

#endif
