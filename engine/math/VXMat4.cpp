#include "engine/math/VXMat4.h"

#include <cmath>

#include "engine/core/VXLog.h"

VXMat4::VXMat4(const VXTuple<16, float>& t)
{
    for (int i = 0; i < 16; ++i) {
        elements[i] = t[i];
    }
}

void VXMat4::set(float m0, float m1, float m2, float m3,
                 float m4, float m5, float m6, float m7,
                 float m8, float m9, float m10, float m11,
                 float m12, float m13, float m14, float m15)
{
    float* m = elements;
    m[0] = m0;
    m[1] = m1;
    m[2] = m2;
    m[3] = m3;
    m[4] = m4;
    m[5] = m5;
    m[6] = m6;
    m[7] = m7;
    m[8] = m8;
    m[9] = m9;
    m[10] = m10;
    m[11] = m11;
    m[12] = m12;
    m[13] = m13;
    m[14] = m14;
    m[15] = m15;
}

VXMat4& VXMat4::setIdentity()
{
    for (int i = 0; i < 16; ++i) {
        elements[i] = (i % 5 == 0) ? 1.0f : 0.0f;
    }
    return *this;
}

VXMat4 VXMat4::rotation(const VXQuat& q)
{
    const float x = q[0], y = q[1], z = q[2], w = q[3];
    VXMat4 r;
    r.set(w * w + x * x - y * y - z * z, 2 * x * y + 2 * w * z, 2 * x * z - 2 * w * y, 0.0f,
          2 * x * y - 2 * w * z, w * w - x * x + y * y - z * z, 2 * y * z + 2 * w * x, 0.0f,
          2 * x * z + 2 * w * y, 2 * y * z - 2 * w * x, w * w - x * x - y * y + z * z, 0.0f,
          0.0f, 0.0f, 0.0f, 1.0f);
    return r;
}

VXMat4 VXMat4::translation(const VXVec4& v)
{
    VXMat4 r;
    r.setIdentity();
    r.elements[12] = v[0];
    r.elements[13] = v[1];
    r.elements[14] = v[2];
    return r;
}

VXMat4 operator*(const VXMat4& a, const VXMat4& b)
{
    const float* A = a.elements;
    const float* B = b.elements;
    VXMat4 r;
    for (int c = 0; c < 4; ++c) {
        for (int row = 0; row < 4; ++row) {
            r.elements[4 * c + row] = A[row] * B[4 * c] + A[4 + row] * B[4 * c + 1]
                                      + A[8 + row] * B[4 * c + 2] + A[12 + row] * B[4 * c + 3];
        }
    }
    return r;
}

VXVec4 VXMat4::multiply(const VXMat4& m, const VXVec4& v)
{
    const float* M = m.elements;
    const float x = v[0], y = v[1], z = v[2], w = v[3];
    VXVec4 r;
    for (int row = 0; row < 4; ++row) {
        r.elements[row] = M[row] * x + M[4 + row] * y + M[8 + row] * z + M[12 + row] * w;
    }
    return r;
}

VXMat4 VXMat4::inverse() const
{
    const float* m = elements;
    // 2x2 minors of rows 0 and 1, then of rows 2 and 3, over each pair of columns.
    const float s0 = m[0] * m[5] - m[4] * m[1];
    const float s1 = m[0] * m[9] - m[8] * m[1];
    const float s2 = m[0] * m[13] - m[12] * m[1];
    const float s3 = m[4] * m[9] - m[8] * m[5];
    const float s4 = m[4] * m[13] - m[12] * m[5];
    const float s5 = m[8] * m[13] - m[12] * m[9];
    const float c0 = m[2] * m[7] - m[6] * m[3];
    const float c1 = m[2] * m[11] - m[10] * m[3];
    const float c2 = m[2] * m[15] - m[14] * m[3];
    const float c3 = m[6] * m[11] - m[10] * m[7];
    const float c4 = m[6] * m[15] - m[14] * m[7];
    const float c5 = m[10] * m[15] - m[14] * m[11];

    const float det = s0 * c5 - s1 * c4 + s2 * c3 + s3 * c2 - s4 * c1 + s5 * c0;
    const float inv = 1.0f / det;

    VXMat4 r;
    float* o = r.elements;
    // Row r, column c of the result is o[4*c + r].
    o[0] = (m[5] * c5 - m[9] * c4 + m[13] * c3) * inv;
    o[4] = (-m[4] * c5 + m[8] * c4 - m[12] * c3) * inv;
    o[8] = (m[7] * s5 - m[11] * s4 + m[15] * s3) * inv;
    o[12] = (-m[6] * s5 + m[10] * s4 - m[14] * s3) * inv;

    o[1] = (-m[1] * c5 + m[9] * c2 - m[13] * c1) * inv;
    o[5] = (m[0] * c5 - m[8] * c2 + m[12] * c1) * inv;
    o[9] = (-m[3] * s5 + m[11] * s2 - m[15] * s1) * inv;
    o[13] = (m[2] * s5 - m[10] * s2 + m[14] * s1) * inv;

    o[2] = (m[1] * c4 - m[5] * c2 + m[13] * c0) * inv;
    o[6] = (-m[0] * c4 + m[4] * c2 - m[12] * c0) * inv;
    o[10] = (m[3] * s4 - m[7] * s2 + m[15] * s0) * inv;
    o[14] = (-m[2] * s4 + m[6] * s2 - m[14] * s0) * inv;

    o[3] = (-m[1] * c3 + m[5] * c1 - m[9] * c0) * inv;
    o[7] = (m[0] * c3 - m[4] * c1 + m[8] * c0) * inv;
    o[11] = (-m[3] * s3 + m[7] * s1 - m[11] * s0) * inv;
    o[15] = (m[2] * s3 - m[6] * s1 + m[10] * s0) * inv;
    return r;
}

void VXMat4::setPerspective(float fovy, float aspect, float nearPlane, float farPlane)
{
    const float f = 1.0f / std::tan(fovy / 2.0f);
    for (int i = 0; i < 16; ++i) {
        elements[i] = 0.0f;
    }
    elements[0] = f / aspect;
    elements[5] = f;
    elements[10] = -(farPlane + nearPlane) / (farPlane - nearPlane);
    elements[11] = -1.0f;
    elements[14] = (farPlane * -2.0f * nearPlane) / (farPlane - nearPlane);
}

void VXMat4::print(std::string prefix) const
{
    VXLog() << prefix << "Matrix:";
    for (int r = 0; r < 4; ++r) {
        VXLog() << prefix << "\t[ " << elements[r] << ", " << elements[4 + r] << ", "
                << elements[8 + r] << ", " << elements[12 + r] << " ]";
    }
}
