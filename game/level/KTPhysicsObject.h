#ifndef GAME_LEVEL_KTPHYSICSOBJECT_H
#define GAME_LEVEL_KTPHYSICSOBJECT_H

#include <list>

#include "engine/math/VXVec4.h"
#include "game/level/KTPhysicsBody.h"

// A body as the physics world moves it. The owner's position is a copy of
// this one, taken at every object update.
struct KTPhysicsObject {
    KTPhysicsBody* body;
    VXVec4 position;
    // Units per pass.
    VXVec4 velocity;
    // This object's place in KTPhysicsWorld::objects, so that removal unlinks
    // it without a search.
    std::list<KTPhysicsObject*>::iterator node;
};

#endif
