#ifndef ENGINE_ANIMATION_VXPOSE_H
#define ENGINE_ANIMATION_VXPOSE_H

#include "engine/math/VXQuat.h"

#include <vector>

// One orientation per skeleton bone, indexed by the skeleton's bone index.
class VXPose : public std::vector<VXQuat> {
public:
    // n identity orientations.
    explicit VXPose(int n);

    // Entry i = q; an index outside the pose is ignored.
    void setOrientation(int i, const VXQuat& q);
};

#endif
