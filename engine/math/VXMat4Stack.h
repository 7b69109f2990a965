#ifndef ENGINE_MATH_VXMAT4STACK_H
#define ENGINE_MATH_VXMAT4STACK_H

#include "engine/math/VXMat4.h"
#include "engine/math/VXQuat.h"
#include "engine/math/VXVec4.h"

// Model-view stack. Every transform multiplies the top on the right, so the
// transform applied last in the code acts first on the vertices.
class VXMat4Stack {
public:
    static constexpr int capacity = 100;

    VXMat4 matrices[capacity];
    // Index of the top matrix, kept in [0, capacity - 1].
    int depth;

    // depth 0 with the identity on top.
    VXMat4Stack();

    // The new top is a copy of the old. Refused (with a line on standard
    // output) when the stack is full.
    virtual void push();
    // Refused (with a line on standard output) at depth 0, so the top stays valid.
    virtual void pop();

    VXMat4& top() { return matrices[depth]; }
    const VXMat4& top() const { return matrices[depth]; }

    void rotate(const VXQuat& q);
    void translate(const VXVec4& v);
    // angle in radians about the (not normalised) axis.
    void rotate(float angle, float ax, float ay, float az);
};

#endif
