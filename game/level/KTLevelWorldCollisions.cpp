#include "game/level/KTLevelWorld.h"

#include "game/level/KTPhysicsWorld.h"
#include "game/objects/KTGameObject.h"

// The frame's collision records, in slot order: both objects of a record are
// marked as touched, and on a vertical contact the upper one is grounded.
void KTLevelWorld::handleCollisions()
{
    if (physics == nullptr) {
        return;
    }
    const int count = physics->collisions.size();
    for (int i = 0; i < count; ++i) {
        const KTPhysicsCollision& record = physics->collisions[i];
        KTGameObject* a = findObject(record.idA);
        KTGameObject* b = findObject(record.idB);
        if (a == nullptr || b == nullptr) {
            continue;
        }
        a->touched = true;
        b->touched = true;
        if (record.axis == 1 && a->physicsObject != nullptr && b->physicsObject != nullptr) {
            if (a->physicsObject->position.y() > b->physicsObject->position.y()) {
                a->grounded = true;
            } else {
                b->grounded = true;
            }
        }
    }
}
