#ifndef GAME_OBJECTS_QMINTELLIGENCE_H
#define GAME_OBJECTS_QMINTELLIGENCE_H

#include "engine/math/VXVec4.h"
#include "game/objects/KTGameObject.h"

class VXSkeleton;
struct KTCharacterAssets;

// AI states. 7 is not used.
namespace QMState {
const int Idle = 0;
const int Alerted = 1;
const int Wandering = 2;
const int Pursuing = 3;
const int Attack1 = 4;
const int Attack2 = 5;
const int Attack3 = 6;
const int Dead = 8;
}

// The base of the AI enemies: once per update a living enemy senses its one
// target (the player), moves its state machine and runs the behaviour of the
// state. It roams to random cells of a rectangle of grid cells, pursues along
// breadth-first grid paths and picks one of up to three attacks by distance.
// Distances are world units; cells are KT_CELL_SIZE units, their centres at
// (cell + 0.5) * KT_CELL_SIZE on x and z; y is up.
class QMIntelligence : public KTGameObject {
public:
    static constexpr int AttackBands = 4;

    // The fourth spawn argument, kept with the object.
    int spawnFlag;
    int state;
    // Updates left before think acts again.
    int cooldown;
    bool hasTargetCell;
    bool targetVisible;
    // 0 none, 1..3 the attack the last sense chose.
    int attackChoice;
    bool dead;
    // Centre of the destination cell.
    VXVec4 targetCell;
    // Direction of the last movement step, read by faceDirection.
    VXVec4 moveDirection;
    // Roaming rectangle in grid cells.
    int roamMinX;
    int roamMinZ;
    int roamMaxX;
    int roamMaxZ;
    // Upper distance bound of each attack band.
    float attackRanges[AttackBands];
    KTLevelWorld* levelWorld;
    KTGameObject* target;
    // Set when an attack state is entered, cleared by the enemy's attack code.
    bool attackInProgress;
    // The stances every skeleton-drawn enemy has: their numbers in its
    // character's choreography, -1 until looked up or while it is not loaded
    // (and always for an enemy without a skeleton).
    int standStance;
    int deathStance;
    int deadStance;
    int painStance;
    int walkStance;
    int standToWalkStance;
    int walkToStandStance;

    QMIntelligence();

    virtual void spawn(KTPhysicsWorld* physics, KTLevelWorld* level, KTGameObject* target, int spawnFlag,
                       int roamMinX, int roamMinZ, int roamMaxX, int roamMaxZ) = 0;
    virtual void sense();
    virtual void updateState();
    virtual void think();
    // Unit step of the shortest grid path to `goal`; the zero vector when
    // there is none.
    virtual VXVec4 pathDirection(VXVec4 goal);
    // Toward the centre line of the current cell, each component in [-1, 1].
    virtual VXVec4 offsetToCellCentre();
    virtual VXVec4 steerToward(VXVec4 goal);
    virtual void idle() = 0;
    virtual void alert() = 0;
    virtual void wander() = 0;
    virtual void pursue() = 0;
    virtual void attack1() = 0;
    virtual void attack2();
    virtual void attack3();
    virtual void takeDamage(int amount) = 0;
    virtual void die() = 0;
    virtual float walkSpeed() = 0;
    virtual float runSpeed() = 0;
    virtual float sightRange() = 0;
    // 0.0 outside 0..3.
    virtual float attackRange(int i);
    virtual bool hasLineOfSight();

    // The common spawn set-up, after the type has set its body box, mass,
    // kind and orientation.
    void initialize(KTPhysicsWorld* physics, KTLevelWorld* level, KTGameObject* target, int spawnFlag,
                    int roamMinX, int roamMinZ, int roamMaxX, int roamMaxZ);
    float distanceToTarget() const;
    // On the x-z plane.
    float distanceToTargetCell() const;
    static float dot(const VXVec4& a, const VXVec4& b);
    // Turns the object about +y toward moveDirection.
    void faceDirection();
    // The larger of the x and z parts of v alone; a tie keeps z.
    static VXVec4 dominantAxis(const VXVec4& v);
    // Nudges the body toward the centre of its cell.
    void centreOnCell();
    static VXVec4 cellCentre(const VXVec4& p);
    // The movement steps the types' wander and pursue call.
    void wanderStep();
    void pursueStep();

protected:
    // Shared by the enemy types.

    // Every wander or pursue step counts; true (and the count restarts) on
    // the step that should play the type's growl.
    static bool growl(int& counter);
    // The start of every type's spawn: facing +z, a body box from -halfSize
    // to halfSize, mass and kind, colliding, falling when `falls` is set,
    // idle and alive.
    void spawnBody(const VXVec4& halfSize, float inverseMass, int kind, bool falls);
    // Looks up the shared stances above in the character's choreography.
    void lookUpStances(const KTCharacterAssets& character);
    // The x-z unit vector from the own position toward the target; false
    // when the target stands exactly at the own x and z.
    bool unitTowardTargetXZ(VXVec4& u) const;
    // (target - own position) with y 0.
    VXVec4 offsetToTargetXZ() const;
    // A straight step: heads along the unit vector `direction` and pushes
    // along it at run speed.
    void runAlong(const VXVec4& direction);
    // Enters an object the enemy creates (a missile, a pickup) into the
    // level under the next id and attaches it.
    void addToLevel(KTGameObject* object);
    // A pickup dropped where the enemy stands.
    void dropPickup(KTGameObject* pickup);
    // Velocity zero and both physics flags cleared.
    void freezeBody();
    // While the skeleton shows the dead stance the corpse is frozen and no
    // longer collides; true then.
    bool freezeWhenDead(const VXSkeleton* skeleton, int deadStance);
    // Sense, updateState and think while alive, then the clamp and the
    // object update: the tail of every enemy's update.
    void thinkAndMove();
    // advanceStance, then thinkAndMove.
    void runSkeletonUpdate(VXSkeleton* skeleton);
    void drawSkeleton(VXSkeleton* skeleton, VXViewState* view, VXShaderProgram* program);
    // Null while the character's data is not loaded.
    static VXSkeleton* createSkeleton(const KTCharacterAssets& character);
    // The stance's number in the character's choreography; -1 while it is
    // not loaded.
    static int stanceIndex(const KTCharacterAssets& character, const char* name);
};

// Stance helpers for enemies whose skeleton may be missing (no character
// data loaded): a missing skeleton shows no stance and ignores requests.
bool stanceIs(const VXSkeleton* skeleton, int stance);
void requestStance(VXSkeleton* skeleton, int stance);
// The walk stance rule of the walking and flying enemies: from a standing,
// attacking or dying stance a movement step asks for the walk start.
struct QMWalkStances {
    int stand;
    int walkToStand;
    int attack1;
    int attack2;
    int death;
    int standToWalk;
};
void applyWalkStanceRule(VXSkeleton* skeleton, const QMWalkStances& stances);

#endif
