#ifndef ENGINE_RENDER_VXSHADERPROGRAM_H
#define ENGINE_RENDER_VXSHADERPROGRAM_H

#include "engine/render/VXShader.h"
#include "engine/render/VXUniformTable.h"

#include <GL/glew.h>

#include <string>
#include <vector>

// A linked GLSL program with the locations of the standard vx_ names that the
// engine's draw code reads. A name the program lacks has location -1, and GL
// ignores every upload to -1, so one record serves every program.
struct VXShaderProgram {
    // A scene's spot lights: the slots of the programs' vx_spot_light array.
    static constexpr int spotLightCount = 4;

    // Owned; vertex shader first.
    std::vector<VXShader*> shaders;
    GLuint name;
    GLint vertexLocation;
    GLint normalLocation;
    GLint textureCoordinateLocation;
    GLint modelViewProjectionLocation;
    GLint modelViewLocation;
    GLint lightAmbientColourLocation;
    GLint diffuseTextureLocation;
    GLint specularTextureLocation;
    GLint ambientColourLocation;
    GLint diffuseColourLocation;
    GLint specularColourLocation;
    GLint textureInputLocation;
    GLint colourInputLocation;
    VXUniformTable spotLights[spotLightCount];

    VXShaderProgram();
    // Frees the shader records; the GL objects stay, as every GL object does.
    ~VXShaderProgram();
    VXShaderProgram(VXShaderProgram&& other) = default;
    VXShaderProgram& operator=(const VXShaderProgram&) = delete;

    void attachVertexShader(std::string path);
    void attachFragmentShader(std::string path);
    void push(VXShader* shader);
    // Binds "vx_vertex" to attribute 0 before linking: immediate-mode
    // vertices are emitted only through attribute 0. The status is not read.
    void link();

    // A non-negative index appends "[index]" to the name.
    GLint uniformLocation(std::string name, int index) const;
    GLint attributeLocation(std::string name, int index) const;
    void bindStandardNames();

    void use() const;
};

#endif
