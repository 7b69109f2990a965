#include "game/objects/KTEnemy.h"

#include <cmath>

#include "engine/math/VXMath.h"
#include "game/audio/KTSoundId.h"
#include "game/audio/KTSoundTable.h"
#include "game/level/KTGridCell.h"
#include "game/level/KTLevelWorld.h"
#include "game/level/KTPhysicsObject.h"
#include "game/level/KTPhysicsWorld.h"
#include "game/objects/KTBlockMissile.h"
#include "game/objects/KTMissileType.h"
#include "game/objects/KTPhysicsKind.h"
#include "game/start/KTAssets.h"

namespace {

const float HalfBox = 15.0f;
const int StartFireCooldown = 200;
const int RefireCooldown = 20;
const int IdleJumpTimer = -5;
const int IdleHops = -5;
const int CounterLimit = 100000;

// Shooter: squared distances.
const float ShooterLevelDistance = 2000.0f;
const float FireMinDistance = 1000.0f;
const float FireMaxDistance = 20000.0f;
const float ShooterSideSpeed = 0.25f;
const float ShooterClimbSpeed = 3.0f;

// Elevator: the rider stands within this squared horizontal distance and
// this far above.
const float RiderReach = 250.0f;
const float RiderAbove = 10.0f;
const float ElevatorLift = 100.0f;

// Pet and blob.
const int HopsOnArrival = 4;
const int HopPause = 5;
const float HopPush = 20.0f;
const int LineUpFrames = 40;
const float JumpPush = 30.0f;
const float CarryReach = 400.0f;
const float CarryLow = 10.0f;
const float CarryHigh = 50.0f;
const int JumpPause = 10;
const float FarDistance = 4000.0f;
const float SmallJumpAbove = 25.0f;
const int SmallJumpPause = 35;
const float SmallJumpTargetRise = 3.0f;
const float SmallJumpMinDistance = 2000.0f;
const float SmallJumpPush = 40.0f;
// The hops re-arm only after the target has been further than sqrt(5000).
const float CelebrationReset = 5000.0f;
const float ArriveBelow = 15.0f;
const float ArriveAbove = -5.0f;
const float PullDivisor = 30.0f;

struct KindSounds {
    int hop;
    int smallJump;
    int jump;
};

KindSounds soundsOf(int enemyKind)
{
    if (enemyKind == KTEnemy::Blob) {
        return KindSounds{KTSoundId::BlobHappyHop, KTSoundId::BlobSmallJump, KTSoundId::BlobJump};
    }
    return KindSounds{KTSoundId::PetHappyHop, KTSoundId::PetSmallJump, KTSoundId::PetJump};
}

void countUp(int& counter)
{
    if (counter < CounterLimit) {
        counter += 1;
    }
}

} // namespace

KTEnemy::KTEnemy()
    : target(nullptr),
      enemyKind(Pet),
      fireCooldown(StartFireCooldown),
      home(0.0f, 0.0f, 0.0f, 1.0f),
      jumpTimer(IdleJumpTimer),
      sinceJump(0),
      sinceSmallJump(0),
      sinceHop(0),
      celebrated(false),
      hopsLeft(IdleHops),
      topCell(0)
{
}

void KTEnemy::initBody(KTLevelWorld* level, KTGameObject* reactTo, int kind, KTPhysicsWorld* physics)
{
    orientation = VXQuat::identity();
    body.boxMin = VXVec4(-HalfBox, -HalfBox, -HalfBox, 1.0f);
    body.boxMax = VXVec4(HalfBox, HalfBox, HalfBox, 1.0f);
    switch (kind) {
    case Elevator:
        body.inverseMass = 0.01f;
        body.kind = KTPhysicsKind::Elevator;
        break;
    case Blob:
        body.inverseMass = 0.2f;
        body.kind = KTPhysicsKind::Blob;
        break;
    default:
        body.inverseMass = 0.2f;
        body.kind = KTPhysicsKind::PetOrShooter;
        break;
    }
    enemyKind = kind;
    jumpTimer = IdleJumpTimer;
    hopsLeft = IdleHops;
    sinceJump = 0;
    sinceSmallJump = 0;
    sinceHop = 0;
    celebrated = false;
    fireCooldown = StartFireCooldown;
    target = reactTo;
    body.collides = true;
    body.falls = true;
    attachBody(physics, level);
}

void KTEnemy::update()
{
    clampToLevelBounds();
    VXVec4 impulse(0.0f, 0.0f, 0.0f, 1.0f);
    bool push = true;
    if (target != nullptr) {
        VXVec4 t = target->position - position;
        const float h = t.x() * t.x() + t.z() * t.z();
        switch (enemyKind) {
        case Shooter:
            updateShooter(t);
            push = false;
            break;
        case Elevator:
            push = updateElevator(t, h, impulse);
            break;
        case Pet:
        case Blob:
            impulse = updateHopper(t, h);
            break;
        default:
            push = false;
            break;
        }
    }
    if (push) {
        applyImpulse(impulse);
    }
    KTGameObject::update();
}

void KTEnemy::updateShooter(const VXVec4& t)
{
    fireCooldown -= 1;
    const float distanceSquared = t.lengthSquared();
    const float l = std::sqrt(distanceSquared);
    // On top of the target there is no direction to fly in.
    if (l > 0.0f) {
        const float climb = distanceSquared < ShooterLevelDistance ? 0.0f : t.y() / l * ShooterClimbSpeed;
        applyImpulse(VXVec4(t.x() / l * ShooterSideSpeed, climb, t.z() / l * ShooterSideSpeed, 1.0f));
    }
    // Straight above or below the target there is no heading; keep the old one.
    if (t.x() != 0.0f || t.z() != 0.0f) {
        float a;
        if (t.z() == 0.0f) {
            // In line along x: a quarter turn toward the target. The general
            // rule would add a half turn to atan's infinite quotient here and
            // face away from it.
            a = t.x() > 0.0f ? VX_PI * 0.5f : -VX_PI * 0.5f;
        } else {
            a = std::atan(t.x() / t.z());
            if (t.z() < 0.0f) {
                a += VX_PI;
            }
        }
        orientation = VXQuat::fromAngleAxis(a, 0.0f, 1.0f, 0.0f);
    }
    if (fireCooldown <= 0 && distanceSquared > FireMinDistance && distanceSquared < FireMaxDistance) {
        fireMissile();
        fireCooldown = RefireCooldown;
    }
}

bool KTEnemy::updateElevator(const VXVec4& t, float h, VXVec4& impulse)
{
    if (physicsObject == nullptr) {
        return false;
    }
    VXVec4& p = physicsObject->position;
    p.x() = home.x();
    p.z() = home.z();
    const bool riding = h < RiderReach && t.y() > RiderAbove;
    const float top = topCell * KT_CELL_SIZE + KT_CELL_SIZE * 0.5f;
    if (riding && p.y() > top + 2.0f) {
        p.y() = top + 7.0f;
        return false;
    }
    if (riding) {
        playSoundAt(KTSoundId::ElevatorUp, position);
        impulse = VXVec4(0.0f, ElevatorLift, 0.0f, 1.0f);
    }
    return true;
}

VXVec4 KTEnemy::updateHopper(const VXVec4& t, float h)
{
    const KindSounds sounds = soundsOf(enemyKind);
    VXVec4 none(0.0f, 0.0f, 0.0f, 1.0f);
    countUp(sinceJump);
    countUp(sinceSmallJump);
    countUp(sinceHop);

    if (hopsLeft > 0 && grounded && sinceHop > HopPause) {
        playSoundAt(sounds.hop, position);
        hopsLeft -= 1;
        sinceHop = 0;
        sinceJump = 0;
        sinceSmallJump = 0;
        celebrated = true;
        return VXVec4(0.0f, HopPush, 0.0f, 1.0f);
    }
    if (jumpTimer > 0) {
        jumpTimer -= 1;
        centreOnCell();
        return none;
    }
    if ((jumpTimer > IdleJumpTimer && jumpTimer < 0) || (jumpTimer == 0 && grounded)) {
        if (jumpTimer == -1) {
            playSoundAt(sounds.jump, position);
        }
        jumpTimer -= 1;
        sinceJump = 0;
        return VXVec4(0.0f, JumpPush, 0.0f, 1.0f);
    }
    if (grounded && h < CarryReach && t.y() > CarryLow && t.y() < CarryHigh && sinceJump > JumpPause) {
        jumpTimer = LineUpFrames;
        // Draw the rider and this enemy toward each other.
        if (target->physicsObject != nullptr && physicsObject != nullptr) {
            const VXVec4& rider = target->physicsObject->position;
            const float dx = rider.x() - position.x();
            const float dz = rider.z() - position.z();
            target->physicsObject->velocity.x() = dx / -PullDivisor;
            target->physicsObject->velocity.z() = dz / -PullDivisor;
            physicsObject->velocity.x() = dx / PullDivisor;
            physicsObject->velocity.z() = dz / PullDivisor;
        }
        return none;
    }
    if (h > FarDistance) {
        const float targetRise = target->physicsObject != nullptr ? target->physicsObject->velocity.y() : 0.0f;
        if (t.y() > SmallJumpAbove && grounded && sinceSmallJump > SmallJumpPause && targetRise < SmallJumpTargetRise
            && h > SmallJumpMinDistance) {
            playSoundAt(sounds.smallJump, position);
            sinceSmallJump = 0;
            sinceHop = 0;
            return VXVec4(0.0f, SmallJumpPush, 0.0f, 1.0f);
        }
        VXVec4 n = t;
        n.normalize();
        if (h > CelebrationReset) {
            celebrated = false;
        }
        return VXVec4(n.x(), 0.0f, n.z(), 1.0f);
    }
    centreOnCell();
    if (t.y() < ArriveBelow && !celebrated && t.y() > ArriveAbove) {
        hopsLeft = HopsOnArrival;
    }
    return none;
}

void KTEnemy::centreOnCell()
{
    if (physicsObject == nullptr) {
        return;
    }
    const VXVec4& p = physicsObject->position;
    const VXVec4& v = physicsObject->velocity;
    if (std::sqrt(v.x() * v.x() + v.z() * v.z()) >= SettleSpeed) {
        return;
    }
    VXVec4 centre = snapToCellCentre(p);
    centre.y() = p.y();
    VXVec4 push = centre - p;
    push *= 1.0f / SettleDivisor;
    applyImpulse(push);
}

void KTEnemy::fireMissile()
{
    if (world == nullptr) {
        return;
    }
    KTBlockMissile* missile = new KTBlockMissile();
    missile->missileType = KTMissileType::Shooter;
    missile->position = position + orientation.rotate(VXVec4(0.0f, -5.0f, 20.0f, 1.0f));
    missile->position.w() = 1.0f;
    missile->orientation = orientation;
    world->addObject(missile);
}

VXOBJData* KTEnemy::modelOfKind(int kind)
{
    KTAssets& shared = assets();
    switch (kind) {
    case Pet:
        return shared.greenBlock;
    case Shooter:
        return shared.redBlock;
    case Elevator:
        return shared.yellowBlock;
    case Blob:
        return shared.purpleBlock;
    default:
        return nullptr;
    }
}

void KTEnemy::draw(VXViewState* view, VXShaderProgram* program)
{
    drawModel(modelOfKind(enemyKind), view, program);
}
