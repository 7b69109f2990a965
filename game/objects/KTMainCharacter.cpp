#include "game/objects/KTMainCharacter.h"

#include <cmath>

#include "engine/animation/VXSkeleton.h"
#include "engine/animation/VXVXAChoreographyManagerData.h"
#include "engine/model/VXOBJData.h"
#include "engine/render/VXViewState.h"
#include "game/audio/KTSoundId.h"
#include "game/audio/KTSoundTable.h"
#include "game/level/KTGridCell.h"
#include "game/level/KTPhysicsObject.h"
#include "game/level/KTPhysicsWorld.h"
#include "game/objects/KTPhysicsKind.h"
#include "game/start/KTAssets.h"

namespace {

const int DeathFrames = 150;
const float ShadowSpinStep = 0.01f;
// The shadow lies this far above the top face of the block below.
const float ShadowLift = 2.0f;
const float ShadowProbeFloor = 10.0f;
// Far more probes than the world has layers; only a position far outside the
// level would need more, and it must not stall the frame.
const int ShadowProbeLimit = 1000;

typedef KTMainCharacter::Stance Stance;

const Stance standingGroup[] = {
    KTMainCharacter::Stand, KTMainCharacter::WalkToStand, KTMainCharacter::Land,
    KTMainCharacter::Attack1, KTMainCharacter::Attack2, KTMainCharacter::Pain,
    KTMainCharacter::Death, KTMainCharacter::DeadStand,
};
const Stance walkingGroup[] = {
    KTMainCharacter::StandToWalk, KTMainCharacter::Walk, KTMainCharacter::AttackRun1,
    KTMainCharacter::AttackRun2, KTMainCharacter::PainWalk, KTMainCharacter::DeathWalk,
    KTMainCharacter::DeadWalk,
};
const Stance flyingGroup[] = {
    KTMainCharacter::Jump, KTMainCharacter::Flight, KTMainCharacter::AttackFlight1,
    KTMainCharacter::AttackFlight2, KTMainCharacter::PainFlight, KTMainCharacter::DeathFlight,
    KTMainCharacter::DeathFall, KTMainCharacter::StandToFlight,
};
const Stance lyingDeadGroup[] = {
    KTMainCharacter::DeadLand, KTMainCharacter::DeadWalk, KTMainCharacter::DeadStand,
};

// Blocks the shadow lies on: every block kind but goal and acid.
bool castsShadowOn(int kind)
{
    return (kind >= KTPhysicsKind::PlainBlock && kind <= KTPhysicsKind::BlackBlock)
        || kind == KTPhysicsKind::PurpleBlock;
}

} // namespace

const char* const KTMainCharacter::stanceNames[KTMainCharacter::StanceCount] = {
    "Stand", "Attack1", "Attack2", "AttackFlight1", "AttackFlight2", "AttackRun1", "AttackRun2",
    "Death", "DeadStand", "DeathWalk", "DeadWalk", "DeathFlight", "DeathFall", "LandDeath",
    "DeadLand", "Jump", "Flight", "Land", "Pain", "PainFlight", "PainWalk", "Walk",
    "StandToWalk", "WalkToStand", "StandToFlight", "CrankDat",
};

float KTMainCharacter::shadowSpin = 0.0f;

KTMainCharacter::KTMainCharacter()
    : skeleton(nullptr),
      wasGrounded(false),
      restartRequested(false),
      goalReached(false),
      dead(false),
      health(StartHealth),
      deathTimer(-1),
      painTimer(0),
      greyAmmo(0),
      redAmmo(0),
      destroyAmmo(0)
{
    for (int& index : stanceIndex) {
        index = -1;
    }
}

KTMainCharacter::~KTMainCharacter()
{
    delete skeleton;
}

void KTMainCharacter::attachToLevel(KTPhysicsWorld* physics, KTLevelWorld* level)
{
    body.boxMin = VXVec4(-14.0f, -15.0f, -14.0f, 1.0f);
    body.boxMax = VXVec4(14.0f, 15.0f, 14.0f, 1.0f);
    body.inverseMass = 1.0f;
    body.collides = true;
    body.falls = true;
    body.kind = KTPhysicsKind::Player;

    wasGrounded = false;
    restartRequested = false;
    goalReached = false;
    dead = false;
    deathTimer = -1;
    painTimer = 0;
    health = StartHealth;
    greyAmmo = 0;
    redAmmo = 0;
    destroyAmmo = 0;

    delete skeleton;
    skeleton = nullptr;
    KTCharacterAssets& character = assets().mainCharacter;
    if (character.skeleton != nullptr && character.choreography != nullptr) {
        skeleton = VXSkeleton::create(*character.skeleton, *character.choreography);
    }
    for (int i = 0; i < StanceCount; ++i) {
        stanceIndex[i] = skeleton != nullptr ? character.choreography->indexOf(stanceNames[i]) : -1;
    }

    attachBody(physics, level);
}

void KTMainCharacter::update()
{
    if (painTimer > 0) {
        painTimer -= 1;
    }
    // The request comes on the 151st update after die, once.
    if (deathTimer > 0) {
        deathTimer -= 1;
    } else if (deathTimer == 0) {
        restartRequested = true;
        deathTimer = -1;
    }
    clampToLevelBounds();
    if (!wasGrounded && grounded) {
        playLandingAnimation();
    }
    if (wasGrounded && !grounded) {
        playTakeOffAnimation();
    }
    wasGrounded = grounded;
    KTGameObject::update();

    const float length = std::sqrt(orientation.x() * orientation.x() + orientation.y() * orientation.y()
                                   + orientation.z() * orientation.z() + orientation.w() * orientation.w());
    // A zero quaternion has no direction to keep; dividing would make it NaN.
    if (length > 0.0f) {
        orientation /= length;
    }
    if (skeleton != nullptr) {
        skeleton->advanceStance();
    }
}

void KTMainCharacter::requestStance(Stance stance)
{
    if (skeleton != nullptr) {
        skeleton->requestStance(stanceIndex[stance]);
    }
}

namespace {

template <size_t N>
bool currentIn(const KTMainCharacter& character, const Stance (&group)[N])
{
    if (character.skeleton == nullptr) {
        return false;
    }
    const int current = character.skeleton->currentStance();
    for (Stance stance : group) {
        if (character.stanceIndex[stance] == current) {
            return true;
        }
    }
    return false;
}

} // namespace

bool KTMainCharacter::isStanding() const
{
    return currentIn(*this, standingGroup);
}

bool KTMainCharacter::isWalking() const
{
    return currentIn(*this, walkingGroup);
}

bool KTMainCharacter::isFlying() const
{
    return currentIn(*this, flyingGroup);
}

bool KTMainCharacter::isLyingDead() const
{
    return currentIn(*this, lyingDeadGroup);
}

void KTMainCharacter::playAttackAnimation()
{
    if (isWalking()) {
        requestStance(AttackRun1);
    } else if (isFlying()) {
        requestStance(AttackFlight1);
    } else {
        requestStance(Attack1);
    }
}

void KTMainCharacter::playJumpAnimation()
{
    if (isStanding() || isWalking()) {
        requestStance(Jump);
    }
}

void KTMainCharacter::playLandingAnimation()
{
    if (isFlying()) {
        requestStance(health > 0 ? Land : LandDeath);
    } else if (isWalking()) {
        requestStance(health > 0 ? WalkToStand : DeadWalk);
    } else if (isLyingDead() && health > 0) {
        requestStance(Stand);
    }
}

void KTMainCharacter::playPainAnimation()
{
    if (isStanding()) {
        requestStance(Pain);
    } else if (isWalking()) {
        requestStance(PainWalk);
    } else if (isFlying()) {
        requestStance(PainFlight);
    }
}

void KTMainCharacter::playDeathAnimation()
{
    if (isWalking()) {
        requestStance(DeathWalk);
    } else if (isFlying()) {
        requestStance(DeathFlight);
    } else {
        requestStance(Death);
    }
}

void KTMainCharacter::playWalkStartAnimation()
{
    if (isFlying()) {
        requestStance(Land);
    } else if (isStanding()) {
        requestStance(StandToWalk);
    }
}

void KTMainCharacter::playTakeOffAnimation()
{
    if (isStanding()) {
        requestStance(StandToFlight);
    }
}

void KTMainCharacter::hurt()
{
    if (painTimer > 0) {
        return;
    }
    health -= 1;
    playSoundAt(KTSoundId::PlayerPain, position);
    playPainAnimation();
    painTimer = PainFrames;
    if (health <= 0) {
        die();
    }
}

void KTMainCharacter::die()
{
    if (dead) {
        return;
    }
    dead = true;
    playSoundAt(KTSoundId::PlayerDeath, position);
    playDeathAnimation();
    // Once more after hurt's heart: health ends below 0, the HUD clamps it.
    health -= 1;
    deathTimer = DeathFrames;
}

void KTMainCharacter::settleOnCell()
{
    if (physicsObject == nullptr) {
        return;
    }
    const VXVec4& p = physicsObject->position;
    VXVec4 centre = snapToCellCentre(p);
    centre.y() = p.y();
    const VXVec4& v = physicsObject->velocity;
    if (std::sqrt(v.x() * v.x() + v.z() * v.z()) >= SettleSpeed) {
        return;
    }
    // Above the lowest layer the character only settles onto something.
    if (centre.y() >= KT_CELL_SIZE && physicsWorld != nullptr) {
        const VXVec4 below(centre.x(), centre.y() - KT_CELL_SIZE, centre.z(), 1.0f);
        if (physicsWorld->grid.cellAtPosition(below, 0, 0, 0).objects.size() == 0) {
            return;
        }
    }
    VXVec4 push = centre - p;
    push *= 1.0f / SettleDivisor;
    applyImpulse(push);
}

VXVec4 KTMainCharacter::shadowPosition() const
{
    VXVec4 p = position;
    p.y() = std::floor(p.y() / KT_CELL_SIZE) * KT_CELL_SIZE - (KT_CELL_SIZE - ShadowLift);
    if (physicsWorld == nullptr) {
        p.y() += KT_CELL_SIZE;
        return p;
    }
    for (int probe = 0; probe < ShadowProbeLimit; ++probe) {
        KTGridCell& cell = physicsWorld->grid.cellAtPosition(p, 0, 0, 0);
        bool found = false;
        for (int i = 0; i < cell.objects.size(); ++i) {
            if (castsShadowOn(cell.objects[i]->body->kind)) {
                found = true;
            }
        }
        if (found || !(p.y() > ShadowProbeFloor)) {
            break;
        }
        p.y() -= KT_CELL_SIZE;
    }
    p.y() += KT_CELL_SIZE;
    return p;
}

void KTMainCharacter::draw(VXViewState* view, VXShaderProgram* program)
{
    shadowSpin += ShadowSpinStep;
    if (view == nullptr || program == nullptr) {
        return;
    }
    if (skeleton != nullptr) {
        view->stack.push();
        view->stack.translate(position);
        view->stack.rotate(orientation);
        skeleton->draw(*view, *program);
        view->stack.pop();
    }

    VXOBJData* shadow = assets().shadow;
    if (shadow == nullptr) {
        return;
    }
    view->stack.push();
    view->stack.translate(shadowPosition());
    view->stack.rotate(shadowSpin, 0.0f, 1.0f, 0.0f);
    view->uploadModelViewProjection();
    view->uploadModelView();
    shadow->draw(program);
    view->stack.pop();
}
