#ifndef GAME_OBJECTS_RWSHOOTER_H
#define GAME_OBJECTS_RWSHOOTER_H

#include "game/objects/QMIntelligence.h"

// What tells the two missile shooters apart, besides their movement.
struct RWShooterTraits {
    int kind;
    int hitPoints;
    float walkSpeed;
    float runSpeed;
    float sightRange;
    // The KTMissileType of its shots.
    int missileType;
    int sightSound;
    int activeSound;
    int shotSound;
    int painSound;
    int deathSound;
    // A flier is not pulled down while alive, hovers while it shoots, growls
    // without position and falls once dead; a walker is nudged toward the
    // target when it shoots.
    bool flies;
};

// The shared body of RWAnubis and RWReaper: the FortressEnemy character that
// lines up with the player, stops, fires one block missile 50 updates later
// and drops a red-ammo pickup when its corpse settles.
class RWShooter : public QMIntelligence {
public:
    int hitPoints;
    // Updates until the shot (at 10) and the end of the attack (at 0); -1 idle.
    int shotTimer;
    VXSkeleton* skeleton;
    int growlCounter;
    // Pickups dropped, at most 1.
    int dropCount;
    // Its own stances besides the shared ones.
    int attack1Stance;
    int attack2Stance;

    ~RWShooter() override;
    RWShooter(const RWShooter&) = delete;
    RWShooter& operator=(const RWShooter&) = delete;

    // Runs the shot's clock, drops the pickup once the corpse lies still.
    void update() override;
    void draw(VXViewState* view, VXShaderProgram* program) override;
    void spawn(KTPhysicsWorld* physics, KTLevelWorld* level, KTGameObject* target, int spawnFlag, int roamMinX,
               int roamMinZ, int roamMaxX, int roamMaxZ) override;
    // Stands.
    void idle() override;
    // Calls out and turns to the player.
    void alert() override;
    // The shot.
    void attack1() override;
    // A hit that leaves it standing drops a pending shot.
    void takeDamage(int amount) override;
    // So does death; a flier's corpse falls.
    void die() override;
    float walkSpeed() override;
    float runSpeed() override;
    float sightRange() override;

    void fire();
    void dropRedAmmoPickup();

protected:
    explicit RWShooter(const RWShooterTraits& traits);

    void growlStep();
    void walkStanceRule();

private:
    const RWShooterTraits& traits;
};

#endif
