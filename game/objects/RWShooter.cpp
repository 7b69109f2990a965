#include "game/objects/RWShooter.h"

#include "engine/animation/VXSkeleton.h"
#include "game/audio/KTSoundTable.h"
#include "game/level/KTPhysicsObject.h"
#include "game/objects/KTBlockMissile.h"
#include "game/objects/KTPickup.h"
#include "game/start/KTAssets.h"

namespace {

const float HalfSize = 15.0f;
const float InverseMass = 1.0f;
const float ShotRange = 150.0f;
const int AlertCooldown = 10;
const int AttackCooldown = 100;
// The shot leaves when the timer shows ShotTime, 50 updates after the start.
const int ShotTimer = 60;
const int ShotTime = 10;
const float AttackNudge = 0.2f;
// 20 units ahead and 5 below the centre.
const VXVec4 MuzzleOffset(0.0f, -5.0f, 20.0f, 1.0f);

} // namespace

RWShooter::RWShooter(const RWShooterTraits& shooterTraits)
    : hitPoints(shooterTraits.hitPoints),
      shotTimer(-1),
      skeleton(nullptr),
      growlCounter(0),
      dropCount(0),
      attack1Stance(-1),
      attack2Stance(-1),
      traits(shooterTraits)
{
}

RWShooter::~RWShooter()
{
    delete skeleton;
}

void RWShooter::spawn(KTPhysicsWorld* physics, KTLevelWorld* level, KTGameObject* hunted, int flag, int minX,
                      int minZ, int maxX, int maxZ)
{
    spawnBody(VXVec4(HalfSize, HalfSize, HalfSize, 1.0f), InverseMass, traits.kind, !traits.flies);
    hitPoints = traits.hitPoints;
    initialize(physics, level, hunted, flag, minX, minZ, maxX, maxZ);
    const KTCharacterAssets& character = assets().fortressEnemy;
    delete skeleton;
    skeleton = createSkeleton(character);
    attackRanges[0] = ShotRange;
    shotTimer = 0;
    growlCounter = 0;
    dropCount = 0;
    lookUpStances(character);
    attack1Stance = stanceIndex(character, "Attack1");
    attack2Stance = stanceIndex(character, "Attack2");
}

void RWShooter::update()
{
    if (shotTimer > 0) {
        faceDirection();
        if (shotTimer == ShotTime) {
            fire();
        }
        shotTimer -= 1;
    } else if (shotTimer == 0) {
        body.kind = traits.kind;
        shotTimer = -1;
    }

    if (freezeWhenDead(skeleton, deadStance) && dropCount < 1) {
        dropCount += 1;
        dropRedAmmoPickup();
    }
    runSkeletonUpdate(skeleton);
}

void RWShooter::fire()
{
    playSoundAt(traits.shotSound, position);
    KTBlockMissile* missile = new KTBlockMissile();
    missile->missileType = traits.missileType;
    missile->position = position + orientation.rotate(MuzzleOffset);
    missile->position.w() = 1.0f;
    missile->orientation = orientation;
    addToLevel(missile);
}

void RWShooter::dropRedAmmoPickup()
{
    dropPickup(new RWRedAmmoPickup());
}

void RWShooter::draw(VXViewState* view, VXShaderProgram* program)
{
    drawSkeleton(skeleton, view, program);
}

void RWShooter::idle()
{
    requestStance(skeleton, standStance);
}

void RWShooter::alert()
{
    playSoundAt(traits.sightSound, position);
    cooldown = AlertCooldown;
    faceDirection();
}

void RWShooter::attack1()
{
    moveDirection = dominantAxis(offsetToTargetXZ());
    faceDirection();
    centreOnCell();
    requestStance(skeleton, attack1Stance);
    cooldown = AttackCooldown;
    attackInProgress = false;
    shotTimer = ShotTimer;
    faceDirection();
    if (traits.flies) {
        // It hovers while it shoots.
        if (physicsObject != nullptr) {
            physicsObject->velocity = VXVec4(0.0f, 0.0f, 0.0f, 1.0f);
        }
        return;
    }
    VXVec4 u;
    if (unitTowardTargetXZ(u)) {
        u *= AttackNudge;
        applyImpulse(u);
    }
}

void RWShooter::takeDamage(int amount)
{
    hitPoints -= amount;
    if (hitPoints <= 0) {
        die();
        return;
    }
    playSoundAt(traits.painSound, position);
    requestStance(skeleton, painStance);
    // A pending shot is dropped.
    shotTimer = 0;
}

void RWShooter::die()
{
    if (dead) {
        return;
    }
    playSoundAt(traits.deathSound, position);
    dead = true;
    state = QMState::Dead;
    // A pending shot is dropped: a dead shooter never fires.
    shotTimer = 0;
    requestStance(skeleton, deathStance);
    if (traits.flies) {
        // The corpse drops.
        body.falls = true;
    }
}

float RWShooter::walkSpeed()
{
    return traits.walkSpeed;
}

float RWShooter::runSpeed()
{
    return traits.runSpeed;
}

float RWShooter::sightRange()
{
    return traits.sightRange;
}

void RWShooter::growlStep()
{
    if (!growl(growlCounter)) {
        return;
    }
    if (traits.flies) {
        playSound(traits.activeSound);
    } else {
        playSoundAt(traits.activeSound, position);
    }
}

void RWShooter::walkStanceRule()
{
    applyWalkStanceRule(skeleton, QMWalkStances{standStance, walkToStandStance, attack1Stance, attack2Stance,
                                                deathStance, standToWalkStance});
}
