#include "game/objects/RWColossus.h"

#include "engine/animation/VXSkeleton.h"
#include "game/audio/KTSoundId.h"
#include "game/audio/KTSoundTable.h"
#include "game/level/KTLevelWorld.h"
#include "game/objects/KTMainCharacter.h"
#include "game/objects/KTPhysicsKind.h"
#include "game/start/KTAssets.h"

namespace {

const int HitPoints = 50;
const float HalfSize = 45.0f;
const float InverseMass = 1.0f;
const float Speed = 0.2f;
const float SightRange = 1000.0f;
const float LaserRange = 300.0f;
const float SwingRange = 150.0f;
const float CrushRange = 100.0f;
const int AlertCooldown = 10;
const int AttackCooldown = 100;
const float AttackNudge = 0.2f;
const int LaserTimer = 80;
const int SwingTimer = 50;
const int CrushTimer = 80;
// The attack's hit comes when its timer shows this.
const int HitTime = 10;
const VXVec4 SwingExtent(4.0f, 1.0f, 4.0f, 1.0f);
const VXVec4 CrushExtent(3.0f, 1.0f, 3.0f, 1.0f);
// The laser starts this far above the centre and steps every 6th update
// after a first delay of 76.
const float LaserStartHeight = 50.0f;
const int LaserStartTick = -70;
const int LaserStepInterval = 5;
const VXVec4 LaserStepLocal(0.0f, -5.0f, 8.0f, 1.0f);
const VXVec4 LaserBlastExtent(1.0f, 1.0f, 1.0f, 1.0f);
const float LaserExplosionSpeed = 5.0f;
const int LaserExplosionCount = 50;
// 75 units, squared.
const float LaserHurtDistanceSquared = 5625.0f;

const int AttackLaser = 1;
const int AttackSwing = 2;
const int AttackCrush = 3;

} // namespace

RWColossus::RWColossus()
    : hitPoints(HitPoints),
      attackKind(0),
      laserTick(0),
      laserSteps(LaserStepCount),
      laserPoint(0.0f, 0.0f, 0.0f, 1.0f),
      laserStep(0.0f, 0.0f, 0.0f, 1.0f),
      attackTimer(0),
      skeleton(nullptr),
      growlCounter(0),
      attack1Stance(-1),
      attack2Stance(-1),
      attack3Stance(-1),
      standToLaserStance(-1),
      laserStance(-1),
      laserToStandStance(-1)
{
}

RWColossus::~RWColossus()
{
    delete skeleton;
}

void RWColossus::spawn(KTPhysicsWorld* physics, KTLevelWorld* level, KTGameObject* hunted, int flag, int minX,
                       int minZ, int maxX, int maxZ)
{
    spawnBody(VXVec4(HalfSize, HalfSize, HalfSize, 1.0f), InverseMass, KTPhysicsKind::Colossus, true);
    hitPoints = HitPoints;
    initialize(physics, level, hunted, flag, minX, minZ, maxX, maxZ);
    const KTCharacterAssets& character = assets().finalBoss;
    delete skeleton;
    skeleton = createSkeleton(character);
    attackRanges[0] = LaserRange;
    attackRanges[1] = SwingRange;
    attackRanges[2] = SwingRange;
    attackRanges[3] = CrushRange;
    growlCounter = 0;
    attackKind = 0;
    attackTimer = 0;
    lookUpStances(character);
    attack1Stance = stanceIndex(character, "Attack1");
    attack2Stance = stanceIndex(character, "Attack2");
    attack3Stance = stanceIndex(character, "Attack3");
    standToLaserStance = stanceIndex(character, "StandToLaser");
    laserStance = stanceIndex(character, "Laser");
    laserToStandStance = stanceIndex(character, "LaserToStand");
}

void RWColossus::update()
{
    if (attackTimer > 0) {
        faceDirection();
        if (attackTimer == HitTime) {
            strike();
        }
        attackTimer -= 1;
    } else if (attackTimer == 0) {
        body.kind = KTPhysicsKind::Colossus;
        attackTimer = -1;
        if (attackKind == AttackLaser) {
            requestStance(skeleton, laserToStandStance);
        }
    }

    // The laser runs on its own clock, also after death.
    if (laserSteps < LaserStepCount) {
        laserTick += 1;
        if (laserTick > LaserStepInterval) {
            stepLaser();
        }
    }

    // The boss drops nothing.
    freezeWhenDead(skeleton, deadStance);
    runSkeletonUpdate(skeleton);
}

void RWColossus::strike()
{
    if (attackKind == AttackLaser) {
        playSound(KTSoundId::ColossusAttackFire);
    } else if (attackKind == AttackSwing) {
        if (levelWorld != nullptr) {
            levelWorld->blastCells(levelWorld->chainQueue, position, SwingExtent, false);
        }
    } else if (attackKind == AttackCrush) {
        playSound(KTSoundId::ColossusAttackCrush);
        if (levelWorld != nullptr) {
            levelWorld->blastCells(levelWorld->chainQueue, position, CrushExtent, false);
        }
    }
}

void RWColossus::stepLaser()
{
    laserSteps += 1;
    laserTick = 0;
    laserPoint += laserStep;
    if (levelWorld == nullptr) {
        return;
    }
    levelWorld->createExplosion(laserPoint, LaserExplosionSpeed, LaserExplosionCount);
    levelWorld->blastCells(levelWorld->chainQueue, laserPoint, LaserBlastExtent, true);
    KTMainCharacter* player = levelWorld->player;
    if (player == nullptr) {
        return;
    }
    const VXVec4 d = player->position - laserPoint;
    if (!(d.lengthSquared() < LaserHurtDistanceSquared)) {
        return;
    }
    if (player->health > 0) {
        player->hurt();
    }
    // Along the beam and upward, whatever the player's health.
    player->applyImpulse(VXVec4(laserStep.x(), -laserStep.y(), laserStep.z(), 1.0f));
}

void RWColossus::draw(VXViewState* view, VXShaderProgram* program)
{
    drawSkeleton(skeleton, view, program);
}

void RWColossus::idle()
{
    requestStance(skeleton, standStance);
}

void RWColossus::alert()
{
    playSound(KTSoundId::ColossusSight);
    cooldown = AlertCooldown;
    faceDirection();
}

void RWColossus::wander()
{
    growlStep();
    wanderStep();
    faceDirection();
    walkStanceRule();
}

void RWColossus::pursue()
{
    // A straight line, no path search; standing on the target's x and z it
    // does not move that update.
    VXVec4 u;
    if (unitTowardTargetXZ(u)) {
        runAlong(u);
    }
    faceDirection();
    walkStanceRule();
    growlStep();
}

bool RWColossus::startAttack(int kind, int startEffect, int stance, int timer)
{
    if (stanceIs(skeleton, painStance)) {
        return false;
    }
    attackKind = kind;
    playSound(startEffect);
    moveDirection = dominantAxis(offsetToTargetXZ());
    faceDirection();
    centreOnCell();
    requestStance(skeleton, stance);
    cooldown = AttackCooldown;
    attackInProgress = false;
    attackTimer = timer;
    faceDirection();
    VXVec4 u;
    if (unitTowardTargetXZ(u)) {
        u *= AttackNudge;
        applyImpulse(u);
    }
    return true;
}

void RWColossus::attack1()
{
    if (!startAttack(AttackLaser, KTSoundId::ColossusAttackStart, -1, LaserTimer)) {
        return;
    }
    // One laser at a time.
    if (laserSteps < LaserStepCount) {
        return;
    }
    requestStance(skeleton, standToLaserStance);
    laserSteps = 0;
    laserTick = LaserStartTick;
    laserPoint = position + VXVec4(0.0f, LaserStartHeight, 0.0f, 1.0f);
    laserPoint.w() = 1.0f;
    laserStep = orientation.rotate(LaserStepLocal);
    laserStep.w() = 1.0f;
}

void RWColossus::attack2()
{
    startAttack(AttackSwing, KTSoundId::ColossusAttackSwing, attack2Stance, SwingTimer);
}

void RWColossus::attack3()
{
    startAttack(AttackCrush, KTSoundId::ColossusAttackMelee, attack1Stance, CrushTimer);
}

void RWColossus::takeDamage(int amount)
{
    hitPoints -= amount;
    if (hitPoints <= 0) {
        die();
        return;
    }
    playSound(KTSoundId::ColossusPain);
    const int attackStances[] = {attack1Stance, attack2Stance,       attack3Stance,
                                 standToLaserStance, laserStance, laserToStandStance};
    for (int stance : attackStances) {
        if (stanceIs(skeleton, stance)) {
            return;
        }
    }
    requestStance(skeleton, painStance);
}

void RWColossus::die()
{
    if (dead) {
        return;
    }
    playSound(KTSoundId::ColossusDeath);
    dead = true;
    state = QMState::Dead;
    requestStance(skeleton, deathStance);
}

float RWColossus::walkSpeed()
{
    return Speed;
}

float RWColossus::runSpeed()
{
    return Speed;
}

float RWColossus::sightRange()
{
    return SightRange;
}

bool RWColossus::hasLineOfSight()
{
    return true;
}

void RWColossus::growlStep()
{
    if (growl(growlCounter)) {
        playSound(KTSoundId::ColossusActive);
    }
}

void RWColossus::walkStanceRule()
{
    applyWalkStanceRule(skeleton, QMWalkStances{standStance, walkToStandStance, attack1Stance, attack2Stance,
                                                deathStance, standToWalkStance});
}
