#ifndef ENGINE_RENDER_VXRENDERBUFFER_H
#define ENGINE_RENDER_VXRENDERBUFFER_H

#include <GL/glew.h>

struct VXRenderbuffer {
    GLuint name;
    GLenum format;
    int width;
    int height;

    VXRenderbuffer();

    // Makes a new renderbuffer with storage of the given size and format.
    void create(int width, int height, GLenum format);
    void initialize(int width, int height, GLenum format);
};

#endif
