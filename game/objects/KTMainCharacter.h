#ifndef GAME_OBJECTS_KTMAINCHARACTER_H
#define GAME_OBJECTS_KTMAINCHARACTER_H

#include "game/objects/KTGameCharacter.h"

// The player's character: one instance, kept across levels.
class KTMainCharacter : public KTGameCharacter {
public:
    // 4 hearts when attached; 0 or less is dead.
    int health;
    // Updates of invulnerability left after a hit.
    int hurtCooldown;
    // Grey (missile type 1), red (type 0) and destroy (type 9) missiles left.
    int greyAmmo;
    int redAmmo;
    int destroyAmmo;

    KTMainCharacter();

    void attachToLevel(KTPhysicsWorld* physicsWorld, KTLevelWorld* world) override;
    void draw(VXViewState* view, VXShaderProgram* program) override;

    void playPainAnimation();
    void die();
};

#endif
