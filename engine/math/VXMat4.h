#ifndef ENGINE_MATH_VXMAT4_H
#define ENGINE_MATH_VXMAT4_H

#include <string>

#include "engine/math/VXQuat.h"
#include "engine/math/VXTuple.h"
#include "engine/math/VXVec4.h"

// 4x4 matrix in column-major order: row r, column c is element 4*c + r, the
// translation lies in elements 12, 13, 14. Handed to GL without transposition.
class VXMat4 : public VXTuple<16, float> {
public:
    // Elements left unset.
    VXMat4() {}
    VXMat4(const VXTuple<16, float>& t);

    // Arguments in element order m0..m15 (so each group of four is a column).
    void set(float m0, float m1, float m2, float m3,
             float m4, float m5, float m6, float m7,
             float m8, float m9, float m10, float m11,
             float m12, float m13, float m14, float m15);
    VXMat4& setIdentity();

    // q is not normalised first.
    static VXMat4 rotation(const VXQuat& q);
    // v.w is not read.
    static VXMat4 translation(const VXVec4& v);
    // M v over all four components, no division by w.
    static VXVec4 multiply(const VXMat4& m, const VXVec4& v);

    // Cofactor inverse; a singular matrix gives non-finite elements.
    VXMat4 inverse() const;
    // fovy is the full vertical angle in radians.
    void setPerspective(float fovy, float aspect, float nearPlane, float farPlane);

    void print(std::string prefix) const override;
};

VXMat4 operator*(const VXMat4& a, const VXMat4& b);

#endif
