#ifndef ENGINE_MODEL_VXOBJMATERIAL_H
#define ENGINE_MODEL_VXOBJMATERIAL_H

#include "engine/math/VXVec4.h"
#include "engine/render/VXShaderProgram.h"
#include "engine/render/VXTexture.h"

#include <string>

// The surface of an OBJ model's block. Copy construction keeps every field as
// it is; assignment copies the colours as vectors, so each colour's w becomes 1.
struct VXOBJMaterial {
    std::string name;
    VXVec4 ambient;
    VXVec4 diffuse;
    VXVec4 specular;
    float shininess;
    std::string ambientFileName;
    std::string diffuseFileName;
    std::string specularFileName;
    std::string bumpFileName;
    // Never loaded from the file names: they stay empty (name 0) unless a caller creates them.
    VXTexture textures[4];

    VXOBJMaterial();
    explicit VXOBJMaterial(std::string name);

    // Uploads the three colours and binds textures 0-2 to units 0-2. The
    // program must be current; shininess is not uploaded.
    void apply(const VXUniformTable& uniforms) const;
    void print(std::string prefix) const;
};

// The locations that `apply` uploads to, from `program`: ambient, diffuse and
// specular colour, diffuse and specular texture, and -1 for the third texture.
VXUniformTable materialUniforms(const VXShaderProgram& program);

#endif
