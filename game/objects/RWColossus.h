#ifndef GAME_OBJECTS_RWCOLOSSUS_H
#define GAME_OBJECTS_RWCOLOSSUS_H

#include "game/objects/QMIntelligence.h"

// The boss. By distance it fires a laser (far), swings (middle) or crushes
// (near); swing and crush strike the cells around it, the laser is a point
// that walks forward and down from above the boss in 30 steps, exploding,
// striking the cells around it and hurting the player it comes near. It
// pursues in a straight line, always sees the player and plays its effects
// without position.
class RWColossus : public QMIntelligence {
public:
    static constexpr int LaserStepCount = 30;

    int hitPoints;
    // 0 none, 1 laser, 2 swing, 3 crush.
    int attackKind;
    // Updates since the last laser step; -70 when a laser starts.
    int laserTick;
    // Laser steps done; LaserStepCount means no laser is running.
    int laserSteps;
    VXVec4 laserPoint;
    // Movement of the laser point per step.
    VXVec4 laserStep;
    // Updates until the attack's hit (at 10) and its end (at 0); -1 idle.
    int attackTimer;
    VXSkeleton* skeleton;
    int growlCounter;
    // Its own stances besides the shared ones.
    int attack1Stance;
    int attack2Stance;
    int attack3Stance;
    int standToLaserStance;
    int laserStance;
    int laserToStandStance;

    RWColossus();
    ~RWColossus() override;
    RWColossus(const RWColossus&) = delete;
    RWColossus& operator=(const RWColossus&) = delete;

    // Runs the attack's clock and the laser's own, which goes on after death.
    void update() override;
    void draw(VXViewState* view, VXShaderProgram* program) override;
    void spawn(KTPhysicsWorld* physics, KTLevelWorld* level, KTGameObject* target, int spawnFlag, int roamMinX,
               int roamMinZ, int roamMaxX, int roamMaxZ) override;
    // Stands.
    void idle() override;
    // Roars, heard everywhere in the level.
    void alert() override;
    // Growls, roams by the path search, walking or standing as it moves.
    void wander() override;
    // Runs straight at the player, without the path search.
    void pursue() override;
    // Laser.
    void attack1() override;
    // Swing.
    void attack2() override;
    // Crush.
    void attack3() override;
    // A hit that leaves it standing never interrupts an attack.
    void takeDamage(int amount) override;
    void die() override;
    float walkSpeed() override;
    float runSpeed() override;
    float sightRange() override;
    bool hasLineOfSight() override;

private:
    // False (and nothing done) while the boss shows its pain stance.
    bool startAttack(int kind, int startEffect, int stance, int timer);
    void strike();
    void stepLaser();
    void growlStep();
    void walkStanceRule();
};

#endif
