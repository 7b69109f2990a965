#ifndef ENGINE_MATH_VXPENETRATION3D_H
#define ENGINE_MATH_VXPENETRATION3D_H

#include <string>

#include "engine/math/VXTuple.h"
#include "engine/math/VXVec4.h"

struct KTPhysicsBody;

// Overlap of two boxes along one axis.
struct VXPenetration1D {
    // +1: the first box's high face reaches into the second; -1: the second's
    // high face reaches into the first; 0: no overlap.
    int direction;
    // The smaller of the two overlaps; 0 when direction is 0.
    float depth;

    bool operator==(const VXPenetration1D& other) const
    {
        return direction == other.direction && depth == other.depth;
    }

    void print(const std::string& prefix) const;
};

// Axis-aligned box penetration; element i is axis i (0 x, 1 y, 2 z).
class VXPenetration3D : public VXTuple<3, VXPenetration1D> {
public:
    // All three axes overlap (touching counts, with depth 0).
    bool exists;
    // Axis of least penetration; written only when exists.
    int axis;

    VXPenetration3D()
        : exists(false), axis(0)
    {
    }

    // Reads only boxMin and boxMax of the bodies, as offsets from the positions.
    // For choosing the axis the y depth counts 0.25 less, so a vertical
    // response wins unless y overlaps at least 0.25 deeper than the shallowest
    // horizontal axis; ties keep the lower axis.
    void compute(const VXVec4& positionA, const KTPhysicsBody& bodyA,
                 VXVec4 positionB, const KTPhysicsBody& bodyB);

    void print(std::string prefix) const override;
};

#endif
