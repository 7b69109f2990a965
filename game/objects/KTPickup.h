#ifndef GAME_OBJECTS_KTPICKUP_H
#define GAME_OBJECTS_KTPICKUP_H

#include "game/objects/KTGameObject.h"

class KTMainCharacter;
class VXOBJData;

// An ammunition pickup: static in the centre of its cell, turning slowly
// about y, it adds 20 to one of the player's counters.
class KTPickup : public KTGameObject {
public:
    void attachToLevel(KTPhysicsWorld* physicsWorld, KTLevelWorld* world) override;
    // False, changing nothing, when the counter is already full
    // (KTMainCharacter::MaxAmmo); what becomes of the pickup is the caller's
    // decision.
    virtual bool giveTo(KTMainCharacter* character) = 0;

protected:
    // Counter += 20, held to 0..KTMainCharacter::MaxAmmo; false when it was
    // that full or more.
    static bool refill(int& counter);
    // Turns the spin by one step and draws `model` turned by it.
    void drawSpinning(float& spinAngle, VXOBJData* model, VXViewState* view, VXShaderProgram* program);
};

class RWDestroyAmmoPickup : public KTPickup {
public:
    float spinAngle;

    RWDestroyAmmoPickup();
    void attachToLevel(KTPhysicsWorld* physicsWorld, KTLevelWorld* world) override;
    void draw(VXViewState* view, VXShaderProgram* program) override;
    bool giveTo(KTMainCharacter* character) override;
};

class RWGrayAmmoPickup : public KTPickup {
public:
    float spinAngle;

    RWGrayAmmoPickup();
    void attachToLevel(KTPhysicsWorld* physicsWorld, KTLevelWorld* world) override;
    void draw(VXViewState* view, VXShaderProgram* program) override;
    bool giveTo(KTMainCharacter* character) override;
};

class RWRedAmmoPickup : public KTPickup {
public:
    float spinAngle;

    RWRedAmmoPickup();
    void attachToLevel(KTPhysicsWorld* physicsWorld, KTLevelWorld* world) override;
    void draw(VXViewState* view, VXShaderProgram* program) override;
    bool giveTo(KTMainCharacter* character) override;
};

#endif
