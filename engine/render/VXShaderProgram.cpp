#include "engine/render/VXShaderProgram.h"

namespace {

std::string indexed(std::string name, int index)
{
    if (index >= 0) {
        name += "[" + std::to_string(index) + "]";
    }
    return name;
}

} // namespace

VXShaderProgram::VXShaderProgram()
    : name(0), vertexLocation(-1), normalLocation(-1), textureCoordinateLocation(-1),
      modelViewProjectionLocation(-1), modelViewLocation(-1), lightAmbientColourLocation(-1),
      diffuseTextureLocation(-1), specularTextureLocation(-1), ambientColourLocation(-1),
      diffuseColourLocation(-1), specularColourLocation(-1), textureInputLocation(-1),
      colourInputLocation(-1)
{
}

VXShaderProgram::~VXShaderProgram()
{
    for (VXShader* shader : shaders) {
        delete shader;
    }
}

void VXShaderProgram::attachVertexShader(std::string path)
{
    VXShader* shader = new VXShader(GL_VERTEX_SHADER);
    shader->compile(path);
    push(shader);
}

void VXShaderProgram::attachFragmentShader(std::string path)
{
    VXShader* shader = new VXShader(GL_FRAGMENT_SHADER);
    shader->compile(path);
    push(shader);
}

void VXShaderProgram::push(VXShader* shader)
{
    shaders.push_back(shader);
}

void VXShaderProgram::link()
{
    name = glCreateProgram();
    for (const VXShader* shader : shaders) {
        glAttachShader(name, shader->name);
    }
    glBindAttribLocation(name, 0, "vx_vertex");
    glLinkProgram(name);
}

GLint VXShaderProgram::uniformLocation(std::string name, int index) const
{
    return glGetUniformLocation(this->name, indexed(name, index).c_str());
}

GLint VXShaderProgram::attributeLocation(std::string name, int index) const
{
    return glGetAttribLocation(this->name, indexed(name, index).c_str());
}

void VXShaderProgram::bindStandardNames()
{
    vertexLocation = attributeLocation("vx_vertex", -1);
    normalLocation = attributeLocation("vx_normal", -1);
    textureCoordinateLocation = attributeLocation("vx_texture_coordinate", -1);

    lightAmbientColourLocation = uniformLocation("vx_light_ambient_color", -1);
    modelViewProjectionLocation = uniformLocation("vx_model_view_projection_matrix", -1);
    modelViewLocation = uniformLocation("vx_model_view_matrix", -1);
    diffuseTextureLocation = uniformLocation("vx_diffuse_texture", -1);
    specularTextureLocation = uniformLocation("vx_specular_texture", -1);
    textureInputLocation = uniformLocation("vx_texture_input", -1);
    colourInputLocation = uniformLocation("vx_color_input", -1);
    ambientColourLocation = uniformLocation("vx_ambient_color", -1);
    diffuseColourLocation = uniformLocation("vx_diffuse_color", -1);
    specularColourLocation = uniformLocation("vx_specular_color", -1);

    for (int i = 0; i < spotLightCount; ++i) {
        const std::string prefix = indexed("vx_spot_light", i);
        VXUniformTable& light = spotLights[i];
        light[VXUniformTable::diffuseColour] = uniformLocation(prefix + ".diffuse_color", -1);
        light[VXUniformTable::specularColour] = uniformLocation(prefix + ".specular_color", -1);
        light[VXUniformTable::changeOfViewProjectionMatrix] =
            uniformLocation(prefix + ".change_of_view_projection_matrix", -1);
        light[VXUniformTable::eyeSpaceLightPosition] = uniformLocation(prefix + ".eye_space_light_position", -1);
        light[VXUniformTable::shadowMap] = uniformLocation(prefix + ".shadow_map", -1);
        light[VXUniformTable::isOn] = uniformLocation(prefix + ".is_on", -1);
    }
}

void VXShaderProgram::use() const
{
    glUseProgram(name);
}
