#include "engine/math/VXQuat.h"

#include <cmath>

#include "engine/core/VXLog.h"

VXQuat::VXQuat(const VXQuat& q)
    : VXTuple4()
{
    elements[0] = q[0];
    elements[1] = q[1];
    elements[2] = q[2];
    elements[3] = q[3];
}

VXQuat VXQuat::identity()
{
    VXQuat q;
    q.elements[0] = 0.0f;
    q.elements[1] = 0.0f;
    q.elements[2] = 0.0f;
    q.elements[3] = 1.0f;
    return q;
}

VXQuat VXQuat::fromAngleAxis(float angle, float ax, float ay, float az)
{
    float h = angle * 0.5f;
    float s = std::sin(h);
    VXQuat q;
    q.elements[0] = s * ax;
    q.elements[1] = s * ay;
    q.elements[2] = s * az;
    q.elements[3] = std::cos(h);
    return q;
}

VXQuat operator*(const VXQuat& a, const VXQuat& b)
{
    const float ax = a[0], ay = a[1], az = a[2], aw = a[3];
    const float bx = b[0], by = b[1], bz = b[2], bw = b[3];
    VXQuat r;
    r.w() = aw * bw - ax * bx - ay * by - az * bz;
    r.x() = aw * bx + ax * bw + ay * bz - az * by;
    r.y() = aw * by - ax * bz + ay * bw + az * bx;
    r.z() = aw * bz + ax * by - ay * bx + az * bw;
    return r;
}

VXQuat& VXQuat::operator*=(const VXQuat& q)
{
    *this = *this * q;
    return *this;
}

VXVec4 VXQuat::rotate(const VXVec4& v) const
{
    VXQuat p;
    p.elements[0] = v[0];
    p.elements[1] = v[1];
    p.elements[2] = v[2];
    p.elements[3] = 0.0f;
    VXQuat c;
    c.elements[0] = -elements[0];
    c.elements[1] = -elements[1];
    c.elements[2] = -elements[2];
    c.elements[3] = elements[3];
    VXQuat r = (*this * p) * c;
    return VXVec4(r.elements[0], r.elements[1], r.elements[2], 1.0f);
}

float VXQuat::normalize()
{
    float len = std::sqrt(elements[0] * elements[0] + elements[1] * elements[1]
                          + elements[2] * elements[2] + elements[3] * elements[3]);
    for (int i = 0; i < 4; ++i) {
        elements[i] /= len;
    }
    return len;
}

VXQuat& VXQuat::operator+=(const VXQuat& q)
{
    for (int i = 0; i < 4; ++i) {
        elements[i] += q[i];
    }
    return *this;
}

VXQuat& VXQuat::operator*=(float s)
{
    for (int i = 0; i < 4; ++i) {
        elements[i] *= s;
    }
    return *this;
}

VXQuat& VXQuat::operator/=(float s)
{
    for (int i = 0; i < 4; ++i) {
        elements[i] /= s;
    }
    return *this;
}

VXQuat operator+(const VXQuat& a, const VXQuat& b)
{
    VXQuat r(a);
    r += b;
    return r;
}

VXQuat operator*(float s, const VXQuat& q)
{
    VXQuat r(q);
    r *= s;
    return r;
}

VXQuat operator/(const VXQuat& q, float s)
{
    VXQuat r(q);
    r /= s;
    return r;
}

float VXQuat::dot(const VXQuat& a, const VXQuat& b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2] + a[3] * b[3];
}

VXQuat VXQuat::slerp(const VXQuat& a, const VXQuat& b, float t)
{
    float d = dot(a, b);
    if (d < 0.9f) {
        float theta = std::acos(d);
        float s = std::sin(theta);
        return (std::sin((1.0f - t) * theta) * a + std::sin(t * theta) * b) / s;
    }
    return (1.0f - t) * a + t * b;
}

void VXQuat::print(const std::string& prefix) const
{
    VXLog() << prefix << "Quaternion:";
    VXLog() << prefix << "\tScalar: " << elements[3];
    VXLog() << prefix << "\tVector: (" << elements[0] << ", " << elements[1] << ", "
            << elements[2] << ") ";
}
