#include "engine/math/VXMat4Stack.h"

#include "engine/core/VXLog.h"

VXMat4Stack::VXMat4Stack()
    : depth(0)
{
    matrices[0].setIdentity();
}

void VXMat4Stack::push()
{
    if (depth >= capacity - 1) {
        VXLog() << "MATRIX STACK FULL: PUSH IGNORED";
        return;
    }
    matrices[depth + 1] = matrices[depth];
    ++depth;
}

void VXMat4Stack::pop()
{
    if (depth <= 0) {
        VXLog() << "MATRIX STACK EMPTY: POP IGNORED";
        return;
    }
    --depth;
}

void VXMat4Stack::rotate(const VXQuat& q)
{
    top() = top() * VXMat4::rotation(q);
}

void VXMat4Stack::translate(const VXVec4& v)
{
    top() = top() * VXMat4::translation(v);
}

void VXMat4Stack::rotate(float angle, float ax, float ay, float az)
{
    top() = top() * VXMat4::rotation(VXQuat::fromAngleAxis(angle, ax, ay, az));
}
