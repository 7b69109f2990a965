#ifndef ENGINE_RENDER_VXSHADER_H
#define ENGINE_RENDER_VXSHADER_H

#include "engine/text/VXSource.h"

#include <GL/glew.h>

#include <string>

// One GLSL shader object compiled from a source file. The GL object is never
// deleted.
class VXShader : public VXSource {
public:
    explicit VXShader(GLenum type);
    virtual ~VXShader();

    // Loads the source (includes expanded) and compiles it. GL receives the
    // lines joined end to end, without line ends. The status is not read.
    void compile(std::string path);

    // GL_VERTEX_SHADER or GL_FRAGMENT_SHADER.
    GLenum type;
    // Unset until compile.
    GLuint name;
};

#endif
