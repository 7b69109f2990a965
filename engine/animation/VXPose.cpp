#include "engine/animation/VXPose.h"

namespace {

VXQuat identity()
{
    VXQuat q;
    q[0] = 0.0f;
    q[1] = 0.0f;
    q[2] = 0.0f;
    q[3] = 1.0f;
    return q;
}

} // namespace

VXPose::VXPose(int n)
    : std::vector<VXQuat>(n > 0 ? n : 0, identity())
{
}

void VXPose::setOrientation(int i, const VXQuat& q)
{
    if (i < 0 || i >= static_cast<int>(size())) {
        return;
    }
    (*this)[i] = q;
}
