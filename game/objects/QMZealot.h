#ifndef GAME_OBJECTS_QMZEALOT_H
#define GAME_OBJECTS_QMZEALOT_H

#include "game/objects/QMIntelligence.h"

// The melee enemy: it holds its spawn pose until it sees the player, roams
// and pursues on the grid, and attacks by winding up for 50 updates and then
// leaping along one grid axis at where the player stood. While leaping its
// physics kind is the damaging
// KTPhysicsKind::LeapingZealot. Its corpse drops a destroy-ammo pickup.
class QMZealot : public QMIntelligence {
public:
    int hitPoints;
    // Updates until the physics kind returns from LeapingZealot to Zealot;
    // -1 idle.
    int kindResetTimer;
    // Updates until the launch; -1 idle.
    int leapTimer;
    // The target's position at the first update of the wind-up.
    VXVec4 leapTarget;
    // A wind-up is running.
    bool leaping;
    VXSkeleton* skeleton;
    int growlCounter;
    // Pickups dropped, at most 1.
    int dropCount;
    // Its own stances besides the shared ones.
    int spawnStance;
    int spawnToStandStance;
    int attackStance;
    int flightAttackStance;
    int attackReturnStance;

    QMZealot();
    ~QMZealot() override;
    QMZealot(const QMZealot&) = delete;
    QMZealot& operator=(const QMZealot&) = delete;

    // Runs the leap's clocks, drops the pickup once the corpse lies still.
    void update() override;
    void draw(VXViewState* view, VXShaderProgram* program) override;
    void spawn(KTPhysicsWorld* physics, KTLevelWorld* level, KTGameObject* target, int spawnFlag, int roamMinX,
               int roamMinZ, int roamMaxX, int roamMaxZ) override;
    // Holds the spawn pose.
    void idle() override;
    // Growls at the player and rises from the spawn pose.
    void alert() override;
    // Growls, roams by the path search and gets up from a finished leap.
    void wander() override;
    // Growls, follows the path search to the player, gets up from a leap.
    void pursue() override;
    // The wind-up.
    void attack1() override;
    // A hit that leaves it standing interrupts only an idle or walking stance.
    void takeDamage(int amount) override;
    void die() override;
    float walkSpeed() override;
    float runSpeed() override;
    float sightRange() override;

    void launch(VXVec4 point);
    void dropDestroyAmmoPickup();

private:
    void growlStep();
    void recoveryRule();
    // Stand, AttackReturn, StandToWalk or Walk: the stances an attack or a
    // pain may interrupt.
    bool inInterruptibleStance() const;
};

#endif
