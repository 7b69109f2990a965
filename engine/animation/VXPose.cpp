#include "engine/animation/VXPose.h"

VXPose::VXPose(int n)
    : std::vector<VXQuat>(n > 0 ? n : 0, VXQuat::identity())
{
}

void VXPose::setOrientation(int i, const VXQuat& q)
{
    if (i < 0 || i >= static_cast<int>(size())) {
        return;
    }
    (*this)[i] = q;
}
