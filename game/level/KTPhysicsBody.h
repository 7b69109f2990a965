#ifndef GAME_LEVEL_KTPHYSICSBODY_H
#define GAME_LEVEL_KTPHYSICSBODY_H

#include "engine/math/VXVec4.h"

// The physics body of a game object, embedded in the object and filled by its
// constructor and set-up.
struct KTPhysicsBody {
    // Box corners as offsets from the object's position.
    VXVec4 boxMin;
    VXVec4 boxMax;
    // 0 makes the body immovable.
    float inverseMass;
    // Collision category of the owner.
    int kind;
    // The owner's object id, equal to its key in the level world.
    int id;
    // false: never tested against other bodies.
    bool collides;
    // true: gravity and damping apply on every physics pass.
    bool falls;
};

#endif
