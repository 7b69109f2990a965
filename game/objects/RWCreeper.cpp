#include "game/objects/RWCreeper.h"

#include <cmath>

#include "engine/model/VXOBJData.h"
#include "engine/render/VXViewState.h"
#include "game/audio/KTSoundId.h"
#include "game/audio/KTSoundTable.h"
#include "game/level/KTLevelWorld.h"
#include "game/objects/KTPathSearch.h"
#include "game/objects/KTPhysicsKind.h"

namespace {

const char* const ModelPath = "Data\\Character\\RolliePollie\\Models\\RolliePollie.obj";
const int HitPoints = 2;
const float HalfSize = 15.0f;
const float InverseMass = 1.0f;
const float WalkSpeed = 0.1f;
const float RunSpeed = 0.2f;
const float SightRange = 250.0f;
const float LungeRange = 40.0f;
const float LungeImpulse = 0.3f;
// The self-destruction comes in the second update after the lunge.
const int LungeFuse = 2;
const int StunUpdates = 20;
const int AlertCooldown = 10;
const float ExplosionSpeed = 6.0f;
const int ExplosionCount = 60;
// Angles are stepped by one radian per update and wrap at 360.
const float AngleStep = 1.0f;
const float AngleWrap = 360.0f;
// Path steps that move less than this on both axes count as stuck; after
// StuckSteps of them the step hops.
const float StuckDistance = 2.0f;
const int StuckSteps = 5;
const float HopHeight = 5.0f;

VXQuat aboutY(float angle)
{
    return VXQuat::fromAngleAxis(angle, 0.0f, 1.0f, 0.0f);
}

VXQuat aboutX(float angle)
{
    return VXQuat::fromAngleAxis(angle, 1.0f, 0.0f, 0.0f);
}

} // namespace

RWCreeper::RWCreeper()
    : model(nullptr),
      hitPoints(HitPoints),
      rolling(false),
      spinning(false),
      charged(false),
      yaw(0.0f),
      roll(0.0f),
      rollOrientation(VXQuat::identity()),
      attackTimer(0),
      stunTimer(0),
      stuckPosition(0.0f, 0.0f, 0.0f, 1.0f),
      stuckCount(0),
      growlCounter(0)
{
}

RWCreeper::~RWCreeper()
{
    releaseModel();
}

void RWCreeper::releaseModel()
{
    if (model != nullptr) {
        model->vertexBuffer.release();
        delete model;
        model = nullptr;
    }
}

void RWCreeper::spawn(KTPhysicsWorld* physics, KTLevelWorld* level, KTGameObject* hunted, int flag, int minX,
                      int minZ, int maxX, int maxZ)
{
    spawnBody(VXVec4(HalfSize, HalfSize, HalfSize, 1.0f), InverseMass, KTPhysicsKind::Creeper, true);
    attackTimer = 0;
    stunTimer = 0;
    hitPoints = HitPoints;
    initialize(physics, level, hunted, flag, minX, minZ, maxX, maxZ);
    attackRanges[0] = LungeRange;
    growlCounter = 0;
    releaseModel();
    model = new VXOBJData();
    model->parseFile(ModelPath);
    yaw = 0.0f;
    roll = 0.0f;
    rolling = false;
    spinning = false;
    charged = false;
    rollOrientation = VXQuat::identity();
    stuckCount = 0;
}

void RWCreeper::update()
{
    if (rolling) {
        yaw = std::atan2(moveDirection.x(), moveDirection.z());
        roll -= AngleStep;
        if (roll <= -AngleWrap) {
            roll = 0.0f;
        }
        rollOrientation = aboutY(yaw) * aboutX(roll);
    } else if (spinning) {
        yaw += AngleStep;
        if (yaw >= AngleWrap) {
            yaw = 0.0f;
        }
        rollOrientation = aboutY(yaw) * aboutX(roll);
        // A stun timer of 0 leaves the creeper spinning.
        if (stunTimer > 1) {
            stunTimer -= 1;
        } else if (stunTimer == 1) {
            spinning = false;
            stunTimer = 0;
        }
    }

    if (attackTimer > 1) {
        faceDirection();
        attackTimer -= 1;
    } else if (attackTimer == 1) {
        body.kind = KTPhysicsKind::Creeper;
        attackTimer = 0;
        playSoundAt(KTSoundId::CreeperSuicide, position);
        explode();
    }

    thinkAndMove();
}

void RWCreeper::draw(VXViewState* view, VXShaderProgram* program)
{
    if (model == nullptr || view == nullptr || program == nullptr) {
        return;
    }
    view->stack.push();
    view->stack.translate(position);
    view->stack.rotate(rolling || spinning ? rollOrientation : orientation);
    view->uploadModelViewProjection();
    view->uploadModelView();
    model->draw(program);
    view->stack.pop();
}

VXVec4 RWCreeper::pathDirection(VXVec4 goal)
{
    KTPathGrids* grids = levelWorld != nullptr ? KTPathGrids::of(levelWorld->pathGrids) : nullptr;
    if (grids == nullptr) {
        return VXVec4(0.0f, 0.0f, 0.0f, 1.0f);
    }
    // No cell is flagged: other objects never block a creeper.
    grids->clear();
    VXVec4 p = pathStepVector(*grids, pathCellOf(position.x()), pathCellOf(position.z()), pathCellOf(goal.x()),
                              pathCellOf(goal.z()));

    if (stuckCount == 0) {
        stuckPosition = position;
    }
    if (std::fabs(stuckPosition.x() - position.x()) < StuckDistance
        && std::fabs(stuckPosition.z() - position.z()) < StuckDistance) {
        stuckCount += 1;
        if (stuckCount > StuckSteps) {
            return VXVec4(p.x(), HopHeight, p.z(), 1.0f);
        }
    } else {
        stuckCount = 0;
    }
    return p;
}

void RWCreeper::idle()
{
}

void RWCreeper::alert()
{
    playSoundAt(KTSoundId::CreeperSight, position);
    rolling = true;
    cooldown = AlertCooldown;
    faceDirection();
}

void RWCreeper::wander()
{
    if (growl(growlCounter)) {
        playSoundAt(KTSoundId::CreeperActive, position);
    }
    if (!spinning) {
        rolling = true;
    }
    wanderStep();
}

void RWCreeper::pursue()
{
    if (!spinning) {
        rolling = true;
    }
    if (growl(growlCounter)) {
        playSoundAt(KTSoundId::CreeperActive, position);
    }
    pursueStep();
    faceDirection();
}

void RWCreeper::attack1()
{
    rolling = false;
    spinning = true;
    if (charged) {
        return;
    }
    charged = true;
    moveDirection = dominantAxis(offsetToTargetXZ());
    faceDirection();
    centreOnCell();
    attackInProgress = false;
    attackTimer = LungeFuse;
    faceDirection();
    VXVec4 u;
    if (unitTowardTargetXZ(u)) {
        u *= LungeImpulse;
        applyImpulse(u);
    }
}

void RWCreeper::takeDamage(int amount)
{
    (void)amount;
}

void RWCreeper::die()
{
    dead = true;
}

float RWCreeper::walkSpeed()
{
    return WalkSpeed;
}

float RWCreeper::runSpeed()
{
    return RunSpeed;
}

float RWCreeper::sightRange()
{
    return SightRange;
}

void RWCreeper::hit()
{
    hitPoints -= 1;
    rolling = false;
    spinning = true;
    if (hitPoints > 0) {
        playSoundAt(KTSoundId::CreeperPain, position);
        stunTimer = StunUpdates;
        return;
    }
    playSoundAt(KTSoundId::CreeperDeath, position);
    explode();
}

void RWCreeper::explode()
{
    rolling = false;
    spinning = true;
    if (dead) {
        return;
    }
    playSoundAt(KTSoundId::BlockExplode, position);
    if (levelWorld != nullptr) {
        levelWorld->createExplosion(position, ExplosionSpeed, ExplosionCount);
        levelWorld->blastCells(levelWorld->chainQueue, position, VXVec4(1.0f, 1.0f, 1.0f, 1.0f), false);
    }
    charged = true;
    dead = true;
    state = QMState::Dead;
    freezeBody();
    if (levelWorld != nullptr) {
        levelWorld->queueRemoval(objectId);
    }
}
