#ifndef ENGINE_MATH_VXVEC4_H
#define ENGINE_MATH_VXVEC4_H

#include <string>

#include <GL/glew.h>

#include "engine/math/VXTuple4.h"

// 3-D vector with a homogeneous fourth component w, 1 for points and
// directions alike. The other operand's components are read through its
// virtual element access. Final: vectors are held and destroyed by value
// (the tuple base has no virtual destructor).
class VXVec4 final : public VXTuple4 {
public:
    // Components left unset.
    VXVec4() {}
    VXVec4(const VXVec4& v);
    VXVec4(float x, float y, float z, float w);

    // Copies x, y, z and sets w to 1, whatever v.w is.
    VXVec4& operator=(const VXVec4& v);

    // The arithmetic below works on x, y, z and leaves w alone.
    VXVec4& operator+=(const VXVec4& v);
    VXVec4& operator-=(const VXVec4& v);
    VXVec4& operator*=(float s);
    // A copy of the left operand (its w kept), then += or -=.
    VXVec4 operator+(const VXVec4& v) const;
    VXVec4 operator-(const VXVec4& v) const;

    float lengthSquared() const;
    // Returns the length before normalising; a zero vector gives non-finite components.
    float normalize();

    static float dotProduct3(const VXVec4& a, const VXVec4& b);
    // w of the result is 1.
    static VXVec4 crossProduct(const VXVec4& a, const VXVec4& b);

    // a scaled in x, y, z by dot(this, a) / |a|^2; w is a.w.
    VXVec4 projectOnto(VXVec4 a) const;
    // *this minus its projection onto a; w is this->w.
    VXVec4 perpendicularTo(VXVec4 a) const;

    // glUniform4fv of x, y, z, w to `location` of the current program.
    void setUniformVec4(GLint location) const;

    // Hides, not overrides, the tuple print: through a VXTuple reference a
    // vector prints as a plain tuple.
    void print(const std::string& prefix) const;
};

#endif
