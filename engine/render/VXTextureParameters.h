#ifndef ENGINE_RENDER_VXTEXTUREPARAMETERS_H
#define ENGINE_RENDER_VXTEXTUREPARAMETERS_H

#include <GL/glew.h>

// Sampler settings of a texture, applied when the texture is created.
struct VXTextureParameters {
    GLint wrapS;
    GLint wrapT;
    GLint magFilter;
    GLint minFilter;

    // Sets the four parameters of the texture bound to GL_TEXTURE_2D.
    void apply() const;
};

#endif
