#ifndef ENGINE_RENDER_VXUNIFORMTABLE_H
#define ENGINE_RENDER_VXUNIFORMTABLE_H

#include <GL/glew.h>

// Six uniform locations of one record of a program, -1 meaning none. For a
// spot light the entries are, in order: change-of-view-projection matrix,
// diffuse colour, specular colour, shadow map, eye-space position, on flag.
struct VXUniformTable {
    static constexpr int changeOfViewProjectionMatrix = 0;
    static constexpr int diffuseColour = 1;
    static constexpr int specularColour = 2;
    static constexpr int shadowMap = 3;
    static constexpr int eyeSpaceLightPosition = 4;
    static constexpr int isOn = 5;

    GLint entries[6];

    VXUniformTable();

    // No bound check: callers keep i in [0, 6).
    GLint& operator[](int i) { return entries[i]; }
    GLint operator[](int i) const { return entries[i]; }
};

#endif
