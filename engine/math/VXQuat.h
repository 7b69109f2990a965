#ifndef ENGINE_MATH_VXQUAT_H
#define ENGINE_MATH_VXQUAT_H

#include <string>

#include "engine/math/VXTuple4.h"
#include "engine/math/VXVec4.h"

// Quaternion: elements 0..2 are the vector part x, y, z, element 3 the scalar w.
// Nothing here normalises implicitly.
class VXQuat : public VXTuple4 {
public:
    // Components left unset.
    VXQuat() {}
    VXQuat(const VXQuat& q);
    VXQuat& operator=(const VXQuat& q) = default;

    // (sin(angle/2) * axis, cos(angle/2)); angle in radians, axis not normalised.
    static VXQuat fromAngleAxis(float angle, float ax, float ay, float az);
    // (0, 0, 0, 1)
    static VXQuat identity();

    // *this = *this * q.
    VXQuat& operator*=(const VXQuat& q);
    // (q p) q*, with q* the conjugate: a true rotation only for a unit
    // quaternion. The result's w is 1.
    VXVec4 rotate(const VXVec4& v) const;
    // Divides all four by the length and returns the length.
    float normalize();

    VXQuat& operator+=(const VXQuat& q);
    VXQuat& operator*=(float s);
    VXQuat& operator/=(float s);

    static float dot(const VXQuat& a, const VXQuat& b);
    // Below a dot product of 0.9 the spherical blend, otherwise (NaN included)
    // the linear blend, not renormalised. b's sign is never flipped, so a
    // negative dot product takes the longer arc.
    static VXQuat slerp(const VXQuat& a, const VXQuat& b, float t);

    // Hides, not overrides, the tuple print: through a VXTuple reference a
    // quaternion prints as a plain tuple.
    void print(const std::string& prefix) const;
};

// Hamilton product: a is the left factor.
VXQuat operator*(const VXQuat& a, const VXQuat& b);
VXQuat operator+(const VXQuat& a, const VXQuat& b);
VXQuat operator*(float s, const VXQuat& q);
VXQuat operator/(const VXQuat& q, float s);

#endif
