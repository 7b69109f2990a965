#include "game/objects/QMZealot.h"

#include <cmath>

#include "engine/animation/VXSkeleton.h"
#include "game/audio/KTSoundId.h"
#include "game/audio/KTSoundTable.h"
#include "game/objects/KTPhysicsKind.h"
#include "game/objects/KTPickup.h"
#include "game/start/KTAssets.h"

namespace {

const int HitPoints = 5;
const VXVec4 HalfSize(12.0f, 14.0f, 12.0f, 1.0f);
const float InverseMass = 0.2f;
const float WalkSpeed = 0.3f;
const float RunSpeed = 0.5f;
const float SightRange = 360.0f;
const float LeapRange = 120.0f;
const int WindUp = 50;
// Times the inverse mass: a speed of 18 along one axis.
const float LeapImpulse = 90.0f;
const int LeapKindUpdates = 30;
const int LaunchCooldown = 150;
const int RecoveryCooldown = 40;
const int AlertCooldown = 100;

} // namespace

QMZealot::QMZealot()
    : hitPoints(HitPoints),
      kindResetTimer(0),
      leapTimer(-1),
      leapTarget(0.0f, 0.0f, 0.0f, 1.0f),
      leaping(false),
      skeleton(nullptr),
      growlCounter(0),
      dropCount(0),
      spawnStance(-1),
      spawnToStandStance(-1),
      attackStance(-1),
      flightAttackStance(-1),
      attackReturnStance(-1)
{
}

QMZealot::~QMZealot()
{
    delete skeleton;
}

void QMZealot::spawn(KTPhysicsWorld* physics, KTLevelWorld* level, KTGameObject* hunted, int flag, int minX,
                     int minZ, int maxX, int maxZ)
{
    spawnBody(HalfSize, InverseMass, KTPhysicsKind::Zealot, true);
    kindResetTimer = 0;
    leaping = false;
    hitPoints = HitPoints;
    leapTimer = -1;
    initialize(physics, level, hunted, flag, minX, minZ, maxX, maxZ);
    const KTCharacterAssets& character = assets().prismaticEnemy;
    delete skeleton;
    skeleton = createSkeleton(character);
    attackRanges[0] = LeapRange;
    growlCounter = 0;
    dropCount = 0;
    lookUpStances(character);
    spawnStance = stanceIndex(character, "Spawn");
    spawnToStandStance = stanceIndex(character, "SpawnToStand");
    attackStance = stanceIndex(character, "Attack");
    flightAttackStance = stanceIndex(character, "FlightAttack");
    attackReturnStance = stanceIndex(character, "AttackReturn");
}

void QMZealot::update()
{
    if (kindResetTimer > 0) {
        kindResetTimer -= 1;
    } else if (kindResetTimer == 0) {
        body.kind = KTPhysicsKind::Zealot;
        kindResetTimer = -1;
    }

    if (leapTimer > 0) {
        if (leapTimer == WindUp) {
            // Without a target it leaps nowhere.
            leapTarget = target != nullptr ? target->position : position;
            leapTarget.w() = 1.0f;
        }
        leapTimer -= 1;
    } else if (leapTimer == 0) {
        // A zealot killed during its wind-up does not launch.
        if (!dead) {
            launch(leapTarget);
        }
        leaping = false;
        leapTimer -= 1;
    }

    if (freezeWhenDead(skeleton, deadStance) && dropCount < 1) {
        dropCount += 1;
        dropDestroyAmmoPickup();
    }
    runSkeletonUpdate(skeleton);
}

void QMZealot::launch(VXVec4 point)
{
    playSoundAt(KTSoundId::ZealotCharge, position);
    cooldown = LaunchCooldown;
    attackInProgress = false;
    kindResetTimer = LeapKindUpdates;
    faceDirection();
    VXVec4 offset = point - position;
    offset.y() = 0.0f;
    moveDirection = dominantAxis(offset);
    faceDirection();
    // One axis only; a remembered point at the zealot's own x and z gives no leap.
    const float length = std::sqrt(moveDirection.lengthSquared());
    if (length > 0.0f) {
        VXVec4 impulse = moveDirection;
        impulse *= LeapImpulse / length;
        applyImpulse(impulse);
    }
    body.kind = KTPhysicsKind::LeapingZealot;
}

void QMZealot::dropDestroyAmmoPickup()
{
    dropPickup(new RWDestroyAmmoPickup());
}

void QMZealot::draw(VXViewState* view, VXShaderProgram* program)
{
    drawSkeleton(skeleton, view, program);
}

void QMZealot::idle()
{
    requestStance(skeleton, spawnStance);
}

void QMZealot::alert()
{
    playSoundAt(KTSoundId::ZealotSight, position);
    if (stanceIs(skeleton, spawnStance)) {
        requestStance(skeleton, spawnToStandStance);
    }
    cooldown = AlertCooldown;
    faceDirection();
}

void QMZealot::wander()
{
    growlStep();
    wanderStep();
    faceDirection();
    recoveryRule();
}

void QMZealot::pursue()
{
    growlStep();
    pursueStep();
    faceDirection();
    recoveryRule();
}

void QMZealot::growlStep()
{
    if (growl(growlCounter)) {
        playSoundAt(KTSoundId::ZealotActive, position);
    }
}

void QMZealot::recoveryRule()
{
    if (stanceIs(skeleton, attackStance) || stanceIs(skeleton, flightAttackStance)) {
        if (cooldown == 0) {
            cooldown = RecoveryCooldown;
            playSoundAt(KTSoundId::ZealotRecover, position);
            requestStance(skeleton, attackReturnStance);
        }
        return;
    }
    if (stanceIs(skeleton, standStance) || stanceIs(skeleton, attackReturnStance)) {
        requestStance(skeleton, standToWalkStance);
    }
}

bool QMZealot::inInterruptibleStance() const
{
    return stanceIs(skeleton, standStance) || stanceIs(skeleton, attackReturnStance)
        || stanceIs(skeleton, standToWalkStance) || stanceIs(skeleton, walkStance);
}

void QMZealot::attack1()
{
    if (!leaping) {
        playSoundAt(KTSoundId::ZealotPrep, position);
        moveDirection = dominantAxis(offsetToTargetXZ());
        faceDirection();
        if (inInterruptibleStance()) {
            requestStance(skeleton, attackStance);
        }
        leapTimer = WindUp;
        leaping = true;
    }
    centreOnCell();
}

void QMZealot::takeDamage(int amount)
{
    hitPoints -= amount;
    if (hitPoints <= 0) {
        die();
        return;
    }
    playSoundAt(KTSoundId::ZealotPain, position);
    if (inInterruptibleStance()) {
        requestStance(skeleton, painStance);
    }
}

void QMZealot::die()
{
    if (dead) {
        return;
    }
    playSoundAt(KTSoundId::ZealotDeath, position);
    dead = true;
    state = QMState::Dead;
    requestStance(skeleton, deathStance);
}

float QMZealot::walkSpeed()
{
    return WalkSpeed;
}

float QMZealot::runSpeed()
{
    return RunSpeed;
}

float QMZealot::sightRange()
{
    return SightRange;
}
