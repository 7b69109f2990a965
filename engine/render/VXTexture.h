#ifndef ENGINE_RENDER_VXTEXTURE_H
#define ENGINE_RENDER_VXTEXTURE_H

#include "engine/render/VXTextureParameters.h"

#include <GL/glew.h>

#include <cstddef>
#include <string>

// Bytes of client memory one texel of `format` and `type` takes when GL
// unpacks it (16, the widest, for what it does not know).
size_t uploadTexelBytes(GLenum format, GLenum type);

// A two-dimensional GL texture. Name 0 means no texture: binding it leaves the
// unit empty. Creating again takes a fresh name; the old GL texture stays alive.
struct VXTexture {
    const VXTextureParameters* sampler;
    GLuint name;
    GLsizei width;
    GLsizei height;
    GLint internalFormat;
    GLenum format;
    GLenum target;
    GLint level;
    GLint border;
    GLenum type;

    VXTexture();

    // Leaves the new texture bound to `target`.
    void create(int width, int height, const VXTextureParameters* sampler, const void* pixels,
                GLint internalFormat, GLenum format, GLenum target, GLint level, GLint border, GLenum type);
    void createEmpty(int width, int height, const VXTextureParameters* sampler, GLint internalFormat,
                     GLenum format, GLenum target, GLint level, GLint border, GLenum type);
    void createLike(const VXTexture& other);

    // A file that cannot be read or decoded leaves the texture empty (name 0)
    // and writes one line naming the file.
    void loadImage(std::string path, const VXTextureParameters* sampler);

    // A program must be current: the sampler uniform is set to `unit`.
    void bind(GLint samplerLocation, int unit) const;

    // Rebuilds the mipmap chain from level 0.
    void generateMipmap();
};

#endif
