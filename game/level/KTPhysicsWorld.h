#ifndef GAME_LEVEL_KTPHYSICSWORLD_H
#define GAME_LEVEL_KTPHYSICSWORLD_H

#include <list>

#include "engine/math/VXCircularArray.h"
#include "engine/math/VXVec4.h"
#include "game/level/KTPhysicsBody.h"
#include "game/level/KTPhysicsCollision.h"
#include "game/level/KTPhysicsObject.h"
#include "game/level/KTSpatialGrid.h"
#include "game/level/KTWorldBox.h"

// The level's box world: once per frame it moves the bodies, files them in the
// grid, pushes overlapping pairs apart and records every resolved pair.
class KTPhysicsWorld {
public:
    std::list<KTPhysicsObject*> objects;
    KTSpatialGrid grid;
    VXVec4 worldMin;
    VXVec4 worldMax;
    VXVec4 gravity;
    // The records of the current frame; the level world reads and clears them.
    VXCircularArray<1000, KTPhysicsCollision> collisions;

    KTPhysicsWorld();
    // Frees the physics objects still in the list; objects unlinked by their
    // remover are that remover's.
    ~KTPhysicsWorld();
    KTPhysicsWorld(const KTPhysicsWorld&) = delete;
    KTPhysicsWorld& operator=(const KTPhysicsWorld&) = delete;

    void init(const KTWorldBox& worldBox, const VXVec4& gravity);
    // Registers a body at `position` with velocity 0. Returns null for a null
    // body, which is never registered.
    KTPhysicsObject* addObject(const VXVec4& position, KTPhysicsBody* body);
    void resolveCollisions();

private:
    void integrate(KTPhysicsObject& object);
    void searchNeighbours(KTPhysicsObject& a);
    void separate(KTPhysicsObject& a, KTPhysicsObject& b, int axis, int direction, float depth);
};

#endif
