#include "engine/math/VXPenetration3D.h"

#include "engine/core/VXLog.h"

// The one include of the game in the engine: the penetration test takes the
// game's physics body records as its operands (scripts/check-layers.sh lists
// it as the exception).
#include "game/level/KTPhysicsBody.h"

void VXPenetration1D::print(const std::string& prefix) const
{
    VXLog() << prefix << "Penetration 1D: ";
    VXLog() << prefix << "\tPenetration Direction: " << direction;
    VXLog() << prefix << "\tPenetration Depth: " << depth;
}

void VXPenetration3D::compute(const VXVec4& positionA, const KTPhysicsBody& bodyA,
                              VXVec4 positionB, const KTPhysicsBody& bodyB)
{
    const float verticalBias = 0.25f;

    for (int i = 0; i < 3; ++i) {
        const float minA = positionA[i] + bodyA.boxMin[i];
        const float maxA = positionA[i] + bodyA.boxMax[i];
        const float minB = positionB[i] + bodyB.boxMin[i];
        const float maxB = positionB[i] + bodyB.boxMax[i];
        const float d1 = maxA - minB;
        const float d2 = maxB - minA;
        VXPenetration1D& p = elements[i];
        p.direction = 0;
        p.depth = 0.0f;
        if (d2 > d1) {
            if (d1 >= 0.0f) {
                p.direction = 1;
                p.depth = d1;
            }
        } else if (d2 >= 0.0f) {
            p.direction = -1;
            p.depth = d2;
        }
    }

    exists = elements[0].direction != 0 && elements[1].direction != 0
             && elements[2].direction != 0;
    if (!exists) {
        return;
    }

    int best = 0;
    float bestDepth = elements[0].depth;
    for (int i = 1; i < 3; ++i) {
        const float d = (i == 1) ? elements[i].depth - verticalBias : elements[i].depth;
        if (bestDepth > d) {
            best = i;
            bestDepth = d;
        }
    }
    axis = best;
}

void VXPenetration3D::print(std::string prefix) const
{
    VXLog() << prefix << "Penetration 3D: ";
    for (int i = 0; i < 3; ++i) {
        elements[i].print(prefix + "\t");
    }
    VXLog() << prefix << "\tPenetration Exists: " << (exists ? "True" : "False");
}
