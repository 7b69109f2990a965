#ifndef GAME_OBJECTS_KTBLOCKMISSILE_H
#define GAME_OBJECTS_KTBLOCKMISSILE_H

#include "game/objects/KTGameObject.h"

// Every projectile: it flies straight at 10 units per update without gravity
// and ends in the update after it touched something, a building missile
// first leaving a block of its own type where it stopped.
class KTBlockMissile : public KTGameObject {
public:
    // Radians about the flight axis, +0.05 per update.
    float spin;
    bool alive;
    // A KTMissileType, set by the creator before attachment.
    int missileType;
    VXVec4 previousPosition;
    // Updates since attachment.
    int age;

    KTBlockMissile();

    // Launches along the z axis turned by `orientation`.
    void attachToLevel(KTPhysicsWorld* physicsWorld, KTLevelWorld* world) override;
    void update() override;
    void draw(VXViewState* view, VXShaderProgram* program) override;

    // Outside +-1000 in x or z, or above 1000; there is no lower bound.
    bool isOutOfRange() const;

    // The hit sound of a missile kind; -1 for a kind without one.
    static int hitSoundOfKind(int kind);
};

#endif
