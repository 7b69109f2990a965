#include "engine/model/VXOBJMaterial.h"

#include "engine/core/VXLog.h"

VXOBJMaterial::VXOBJMaterial()
    : VXOBJMaterial(std::string())
{
}

VXOBJMaterial::VXOBJMaterial(std::string name)
    : name(name), ambient(1, 1, 1, 1), diffuse(1, 1, 1, 1), specular(1, 1, 1, 1), shininess(0)
{
}

void VXOBJMaterial::apply(const VXUniformTable& uniforms) const
{
    glUniform4fv(uniforms[0], 1, ambient.elements);
    glUniform4fv(uniforms[1], 1, diffuse.elements);
    glUniform4fv(uniforms[2], 1, specular.elements);
    textures[0].bind(uniforms[3], 0);
    textures[1].bind(uniforms[4], 1);
    textures[2].bind(uniforms[5], 2);
}

void VXOBJMaterial::print(std::string prefix) const
{
    VXLog() << prefix << "OBJ Material Property";
    VXLog() << prefix << "\tMaterial Name: " << name;
    VXLog() << prefix << "\tAmbient Color: ";
    ambient.print(prefix + "\t\t");
    VXLog() << prefix << "\tDiffuse Color: ";
    diffuse.print(prefix + "\t\t");
    VXLog() << prefix << "\tSpecular Color: ";
    specular.print(prefix + "\t\t");
    VXLog() << prefix << "\tShininess: " << shininess;
    VXLog() << prefix << "\tAmbient File Name: " << ambientFileName;
    VXLog() << prefix << "\tDiffuse File Name: " << diffuseFileName;
    VXLog() << prefix << "\tSpecular File Name: " << specularFileName;
    VXLog() << prefix << "\tBump Map File Name: " << bumpFileName;
}

VXUniformTable materialUniforms(const VXShaderProgram& program)
{
    VXUniformTable uniforms;
    uniforms[0] = program.ambientColourLocation;
    uniforms[1] = program.diffuseColourLocation;
    uniforms[2] = program.specularColourLocation;
    uniforms[3] = program.diffuseTextureLocation;
    uniforms[4] = program.specularTextureLocation;
    uniforms[5] = -1;
    return uniforms;
}
