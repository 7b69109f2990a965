#ifndef GAME_LEVEL_KTPHYSICSCOLLISION_H
#define GAME_LEVEL_KTPHYSICSCOLLISION_H

// One resolved pair of a physics pass. A is the body whose neighbourhood was
// searched, B the body found there; axis is the one they were separated along
// (0 = x, 1 = y, 2 = z).
struct KTPhysicsCollision {
    int kindA;
    int idA;
    int kindB;
    int idB;
    int axis;

    bool operator==(const KTPhysicsCollision& other) const
    {
        return kindA == other.kindA && idA == other.idA && kindB == other.kindB && idB == other.idB
            && axis == other.axis;
    }
};

#endif
