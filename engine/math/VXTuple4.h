#ifndef ENGINE_MATH_VXTUPLE4_H
#define ENGINE_MATH_VXTUPLE4_H

#include "engine/math/VXTuple.h"

// Four floats with the names x, y, z and w for elements 0 to 3: the common
// base of vectors and quaternions.
class VXTuple4 : public VXTuple<4, float> {
public:
    // Components left unset.
    VXTuple4() {}

    float& x() { return elements[0]; }
    float& y() { return elements[1]; }
    float& z() { return elements[2]; }
    float& w() { return elements[3]; }
    float x() const { return elements[0]; }
    float y() const { return elements[1]; }
    float z() const { return elements[2]; }
    float w() const { return elements[3]; }
};

#endif
