#include "engine/math/VXVec4.h"

#include <cmath>

#include "engine/core/VXLog.h"

VXVec4::VXVec4(const VXVec4& v)
    : VXTuple4()
{
    elements[0] = v[0];
    elements[1] = v[1];
    elements[2] = v[2];
    elements[3] = v[3];
}

VXVec4::VXVec4(float x, float y, float z, float w)
{
    elements[0] = x;
    elements[1] = y;
    elements[2] = z;
    elements[3] = w;
}

VXVec4& VXVec4::operator=(const VXVec4& v)
{
    elements[0] = v[0];
    elements[1] = v[1];
    elements[2] = v[2];
    elements[3] = 1.0f;
    return *this;
}

VXVec4& VXVec4::operator+=(const VXVec4& v)
{
    elements[0] += v[0];
    elements[1] += v[1];
    elements[2] += v[2];
    return *this;
}

VXVec4& VXVec4::operator-=(const VXVec4& v)
{
    elements[0] -= v[0];
    elements[1] -= v[1];
    elements[2] -= v[2];
    return *this;
}

VXVec4& VXVec4::operator*=(float s)
{
    elements[0] *= s;
    elements[1] *= s;
    elements[2] *= s;
    return *this;
}

VXVec4 VXVec4::operator+(const VXVec4& v) const
{
    VXVec4 result(*this);
    result += v;
    return result;
}

VXVec4 VXVec4::operator-(const VXVec4& v) const
{
    VXVec4 result(*this);
    result -= v;
    return result;
}

float VXVec4::lengthSquared() const
{
    return elements[0] * elements[0] + elements[1] * elements[1] + elements[2] * elements[2];
}

float VXVec4::normalize()
{
    float len = std::sqrt(lengthSquared());
    elements[0] /= len;
    elements[1] /= len;
    elements[2] /= len;
    return len;
}

float VXVec4::dotProduct3(const VXVec4& a, const VXVec4& b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

VXVec4 VXVec4::crossProduct(const VXVec4& a, const VXVec4& b)
{
    return VXVec4(a[1] * b[2] - a[2] * b[1],
                  a[2] * b[0] - a[0] * b[2],
                  a[0] * b[1] - a[1] * b[0],
                  1.0f);
}

VXVec4 VXVec4::projectOnto(VXVec4 a) const
{
    float scale = dotProduct3(*this, a) / a.lengthSquared();
    a *= scale;
    return a;
}

VXVec4 VXVec4::perpendicularTo(VXVec4 a) const
{
    VXVec4 p;
    p = projectOnto(a);
    return *this - p;
}

void VXVec4::setUniformVec4(GLint location) const
{
    glUniform4fv(location, 1, elements);
}

void VXVec4::print(const std::string& prefix) const
{
    VXLog() << prefix << "Vector:";
    VXLog() << prefix << "\t(" << elements[0] << ", " << elements[1] << ", " << elements[2]
            << ", " << elements[3] << ") ";
}
