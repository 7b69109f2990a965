#ifndef GAME_OBJECTS_KTENEMY_H
#define GAME_OBJECTS_KTENEMY_H

#include "game/objects/KTGameObject.h"

class VXOBJData;

// The level script's simple creatures, drawn as coloured blocks: the pet
// follows the player and carries it up, the shooter flies at it and fires,
// the elevator lifts it along a column, the blob is a pet of its own sounds.
class KTEnemy : public KTGameObject {
public:
    static const int Pet = 0;
    static const int Shooter = 1;
    static const int Elevator = 2;
    static const int Blob = 3;

    // What it reacts to (the player); not owned.
    KTGameObject* target;
    int enemyKind;
    // Updates until the shooter may fire.
    int fireCooldown;
    // The elevator's column; the creator stores it. Zero for the others.
    VXVec4 home;
    // Pet and blob: counts down from 40 while a rider is lined up, then runs
    // 0 .. -5 through the carrying jump; at -5 or below no jump runs.
    int jumpTimer;
    int sinceJump;
    int sinceSmallJump;
    int sinceHop;
    // Set by a hop, cleared once the target is far away; while false,
    // reaching the target arms four hops.
    bool celebrated;
    int hopsLeft;
    // The elevator's top layer; the creator stores it.
    int topCell;

    KTEnemy();

    // The set-up after insertion into the level world; the position stands.
    void initBody(KTLevelWorld* world, KTGameObject* target, int enemyKind, KTPhysicsWorld* physicsWorld);
    void update() override;
    void draw(VXViewState* view, VXShaderProgram* program) override;

    void centreOnCell();
    // One KTMissileType::Shooter missile, 20 ahead and 5 below the centre.
    void fireMissile();

    static VXOBJData* modelOfKind(int enemyKind);

private:
    void updateShooter(const VXVec4& t);
    // The impulse of this update; false when none is to be applied.
    bool updateElevator(const VXVec4& t, float h, VXVec4& impulse);
    VXVec4 updateHopper(const VXVec4& t, float h);
};

#endif
