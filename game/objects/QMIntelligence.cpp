#include "game/objects/QMIntelligence.h"

#include <cmath>

#include "engine/animation/VXSkeleton.h"
#include "engine/animation/VXVXAChoreographyManagerData.h"
#include "engine/render/VXViewState.h"
#include "game/level/KTLevelWorld.h"
#include "game/level/KTPhysicsObject.h"
#include "game/objects/KTPathSearch.h"
#include "game/start/KTAssets.h"
#include "platform/HostRandom.h"

namespace {

// Within this x-z distance of its destination's centre the destination is
// reached.
const float ArrivalDistance = 31.0f;
// Both x and z this far apart or more: not lined up for an attack.
const float AlignmentDistance = 15.0f;
const int DestinationTries = 3;
const int GrowlInterval = 500;
// The sight test's rounding moves its answer by far less than this share of
// the distance to the target.
const float SightRoundingShare = 1.0f / 256.0f;

VXVec4 scaled(const VXVec4& v, float s)
{
    VXVec4 result = v;
    result *= s;
    return result;
}

bool isZeroVector(const VXVec4& v)
{
    return v.x() == 0.0f && v.y() == 0.0f && v.z() == 0.0f;
}

float length3(const VXVec4& v)
{
    return std::sqrt(v.lengthSquared());
}

float centreOf(float coordinate)
{
    return std::floor(coordinate / KT_CELL_SIZE) * KT_CELL_SIZE + KT_CELL_SIZE * 0.5f;
}

} // namespace

QMIntelligence::QMIntelligence()
    : spawnFlag(0),
      state(QMState::Idle),
      cooldown(0),
      hasTargetCell(false),
      targetVisible(false),
      attackChoice(0),
      dead(false),
      // Zero until the first step: an alert faces along +z.
      targetCell(0.0f, 0.0f, 0.0f, 1.0f),
      moveDirection(0.0f, 0.0f, 0.0f, 1.0f),
      roamMinX(0),
      roamMinZ(0),
      roamMaxX(0),
      roamMaxZ(0),
      attackRanges{0.0f, 0.0f, 0.0f, 0.0f},
      levelWorld(nullptr),
      target(nullptr),
      attackInProgress(false),
      standStance(-1),
      deathStance(-1),
      deadStance(-1),
      painStance(-1),
      walkStance(-1),
      standToWalkStance(-1),
      walkToStandStance(-1)
{
}

void QMIntelligence::spawnBody(const VXVec4& halfSize, float inverseMass, int kind, bool falls)
{
    orientation = VXQuat::identity();
    body.boxMin = VXVec4(-halfSize.x(), -halfSize.y(), -halfSize.z(), 1.0f);
    body.boxMax = VXVec4(halfSize.x(), halfSize.y(), halfSize.z(), 1.0f);
    body.inverseMass = inverseMass;
    body.kind = kind;
    body.collides = true;
    body.falls = falls;
    state = QMState::Idle;
    dead = false;
}

void QMIntelligence::lookUpStances(const KTCharacterAssets& character)
{
    standStance = stanceIndex(character, "Stand");
    deathStance = stanceIndex(character, "Death");
    deadStance = stanceIndex(character, "Dead");
    painStance = stanceIndex(character, "Pain");
    walkStance = stanceIndex(character, "Walk");
    standToWalkStance = stanceIndex(character, "StandToWalk");
    walkToStandStance = stanceIndex(character, "WalkToStand");
}

void QMIntelligence::initialize(KTPhysicsWorld* physics, KTLevelWorld* level, KTGameObject* hunted, int flag,
                                int minX, int minZ, int maxX, int maxZ)
{
    levelWorld = level;
    target = hunted;
    spawnFlag = flag;
    roamMinX = minX;
    roamMinZ = minZ;
    roamMaxX = maxX;
    roamMaxZ = maxZ;
    cooldown = 0;
    hasTargetCell = false;
    targetVisible = false;
    dead = false;
    attackInProgress = false;
    for (float& range : attackRanges) {
        range = 0.0f;
    }
    // The world, the body id, the grounded flags and the physics object, as
    // the shared attachment does.
    attachBody(physics, level);
}

float QMIntelligence::distanceToTarget() const
{
    return length3(target->position - position);
}

float QMIntelligence::distanceToTargetCell() const
{
    VXVec4 d = targetCell - position;
    d.y() = 0.0f;
    return length3(d);
}

float QMIntelligence::dot(const VXVec4& a, const VXVec4& b)
{
    return a.x() * b.x() + a.y() * b.y() + a.z() * b.z();
}

VXVec4 QMIntelligence::cellCentre(const VXVec4& p)
{
    return VXVec4(centreOf(p.x()), p.y(), centreOf(p.z()), 1.0f);
}

VXVec4 QMIntelligence::dominantAxis(const VXVec4& v)
{
    if (std::fabs(v.z()) < std::fabs(v.x())) {
        return VXVec4(v.x(), 0.0f, 0.0f, 1.0f);
    }
    return VXVec4(0.0f, 0.0f, v.z(), 1.0f);
}

void QMIntelligence::faceDirection()
{
    const float a = std::atan2(moveDirection.x(), moveDirection.z());
    orientation.x() = 0.0f;
    orientation.y() = std::sin(a / 2.0f);
    orientation.z() = 0.0f;
    orientation.w() = std::cos(a / 2.0f);
}

void QMIntelligence::centreOnCell()
{
    if (physicsObject == nullptr) {
        return;
    }
    // Truncation: positions in a level are never negative.
    VXVec4 c(std::trunc(position.x() / KT_CELL_SIZE) * KT_CELL_SIZE + KT_CELL_SIZE * 0.5f, position.y(),
             std::trunc(position.z() / KT_CELL_SIZE) * KT_CELL_SIZE + KT_CELL_SIZE * 0.5f, 1.0f);
    applyImpulse(scaled(c - physicsObject->position, 1.0f / SettleDivisor));
}

void QMIntelligence::sense()
{
    if (target == nullptr) {
        targetVisible = false;
        attackChoice = 0;
        return;
    }
    const float d = distanceToTarget();
    const float e = distanceToTargetCell();
    if (d < sightRange() && hasLineOfSight()) {
        hasTargetCell = true;
        targetVisible = true;
        targetCell = cellCentre(target->position);
    } else {
        targetVisible = false;
    }
    if (e <= ArrivalDistance) {
        hasTargetCell = false;
    }

    const float dx = std::fabs(position.x() - target->position.x());
    const float dz = std::fabs(position.z() - target->position.z());
    if (!(dx < AlignmentDistance) && !(dz < AlignmentDistance)) {
        attackChoice = 0;
        return;
    }
    // A band whose range is 0 is one the type does not have: at distance 0
    // it would start an attack that nothing ever ends.
    if (attackRange(3) > 0.0f && d <= attackRange(3)) {
        attackChoice = 3;
    } else if (attackRange(3) < d && d <= attackRange(2)) {
        attackChoice = 2;
    } else if (attackRange(1) < d && d <= attackRange(0)) {
        attackChoice = 1;
    } else {
        // Beyond every band, or in the band between ranges 2 and 1, which no
        // enemy type's ranges make non-empty.
        attackChoice = 0;
    }
}

bool QMIntelligence::hasLineOfSight()
{
    if (levelWorld == nullptr || target == nullptr) {
        return true;
    }
    const VXVec4& p = position;
    const VXVec4& t = target->position;
    const VXVec4 line = t - p;
    const float lineSquared = dot(line, line);
    const float reach = std::sqrt(lineSquared);
    KTColumnIndex& columns = levelWorld->columns;
    columns.makeExact();
    // Only an object within its box's reach of the segment can block it; the
    // margin leaves room for the rounding of the test below.
    const float margin = std::sqrt(columns.largestRadiusSquared()) + reach * SightRoundingShare + 1.0f;
    const bool blocked = columns.findNearSegment(p, t, margin, [&](const KTGameObject* object) {
        if (object == this || object == target) {
            return false;
        }
        const VXVec4 fromEnemy = object->position - p;
        const VXVec4 fromTarget = object->position - t;
        if (length3(fromEnemy) > reach || length3(fromTarget) > reach) {
            return false;
        }
        const float radiusSquared = dot(object->body.boxMax, object->body.boxMax);
        const float along = dot(line, fromEnemy);
        const float offLineSquared = dot(fromEnemy, fromEnemy) - along * along / lineSquared;
        return offLineSquared < radiusSquared;
    });
    return !blocked;
}

void QMIntelligence::updateState()
{
    if (state == QMState::Idle && targetVisible) {
        state = QMState::Alerted;
    }
    if (state == QMState::Wandering && targetVisible) {
        state = QMState::Pursuing;
    }
    if (state == QMState::Pursuing) {
        if (attackChoice >= 1 && attackChoice <= 3) {
            state = QMState::Attack1 + attackChoice - 1;
            attackInProgress = true;
        }
        if (!targetVisible) {
            state = QMState::Wandering;
        }
    }
    if ((state == QMState::Attack1 || state == QMState::Attack2 || state == QMState::Attack3) && !attackInProgress
        && cooldown == 0) {
        state = QMState::Pursuing;
    }
}

void QMIntelligence::think()
{
    if (cooldown > 0) {
        cooldown -= 1;
        return;
    }
    if (state == QMState::Idle) {
        idle();
    }
    if (state == QMState::Alerted) {
        alert();
        state = QMState::Wandering;
    }
    if (state == QMState::Wandering) {
        wander();
    }
    if (state == QMState::Pursuing) {
        pursue();
    }
    if (state == QMState::Attack1) {
        attack1();
    }
    if (state == QMState::Attack2) {
        attack2();
    }
    if (state == QMState::Attack3) {
        attack3();
    }
}

VXVec4 QMIntelligence::pathDirection(VXVec4 goal)
{
    KTPathGrids* grids = levelWorld != nullptr ? KTPathGrids::of(levelWorld->pathGrids) : nullptr;
    if (grids == nullptr) {
        return VXVec4(0.0f, 0.0f, 0.0f, 1.0f);
    }
    grids->clear();
    const KTPathBlockers blockers(levelWorld->columns, this, target, position.y(), goal);
    return pathStepVector(*grids, pathCellOf(position.x()), pathCellOf(position.z()), pathCellOf(goal.x()),
                          pathCellOf(goal.z()), blockers);
}

VXVec4 QMIntelligence::offsetToCellCentre()
{
    return VXVec4((centreOf(position.x()) - position.x()) / (KT_CELL_SIZE * 0.5f), 0.0f,
                  (centreOf(position.z()) - position.z()) / (KT_CELL_SIZE * 0.5f), 1.0f);
}

VXVec4 QMIntelligence::steerToward(VXVec4 goal)
{
    VXVec4 p = pathDirection(goal);
    VXVec4 c = offsetToCellCentre();
    if (isZeroVector(p)) {
        hasTargetCell = false;
        return p;
    }
    // The path step plus the part of the centring offset across it.
    VXVec4 across = c - scaled(p, dot(c, p));
    VXVec4 result = p + across;
    result.w() = p.w();
    return result;
}

void QMIntelligence::attack2()
{
}

void QMIntelligence::attack3()
{
}

float QMIntelligence::attackRange(int i)
{
    if (i < 0 || i >= AttackBands) {
        return 0.0f;
    }
    return attackRanges[i];
}

void QMIntelligence::wanderStep()
{
    if (!hasTargetCell) {
        for (int attempt = 0; attempt < DestinationTries; ++attempt) {
            // Two draws in this order: x, then z.
            const double rx = hostRand() / static_cast<double>(HOST_RAND_MAX);
            const double rz = hostRand() / static_cast<double>(HOST_RAND_MAX);
            // The widths in double: a script's rectangle may be wider than an int holds.
            const double width = static_cast<double>(roamMaxX) - roamMinX;
            const double depth = static_cast<double>(roamMaxZ) - roamMinZ;
            const double x = KT_CELL_SIZE * static_cast<double>(roamMinX) + KT_CELL_SIZE * rx * width;
            const double z = KT_CELL_SIZE * static_cast<double>(roamMinZ) + KT_CELL_SIZE * rz * depth;
            targetCell = cellCentre(VXVec4(static_cast<float>(x), 0.0f, static_cast<float>(z), 1.0f));
            if (!isZeroVector(pathDirection(targetCell))) {
                break;
            }
        }
        // Found or not: a destination without a path is dropped by the
        // steering below and drawn anew on the next step.
        hasTargetCell = true;
    }
    moveDirection = steerToward(targetCell);
    applyImpulse(scaled(moveDirection, walkSpeed()));
    moveDirection = dominantAxis(moveDirection);
}

void QMIntelligence::pursueStep()
{
    if (target == nullptr) {
        return;
    }
    moveDirection = steerToward(target->position);
    applyImpulse(scaled(moveDirection, runSpeed()));
    moveDirection = dominantAxis(moveDirection);
}

bool QMIntelligence::growl(int& counter)
{
    counter += 1;
    if (counter < GrowlInterval) {
        return false;
    }
    counter = 0;
    return true;
}

VXVec4 QMIntelligence::offsetToTargetXZ() const
{
    // An enemy spawned without a target still lunges or winds up when told
    // to (a creeper set off by a contact): it does so where it stands.
    if (target == nullptr) {
        return VXVec4(0.0f, 0.0f, 0.0f, 1.0f);
    }
    VXVec4 d = target->position - position;
    d.y() = 0.0f;
    return d;
}

bool QMIntelligence::unitTowardTargetXZ(VXVec4& u) const
{
    if (target == nullptr) {
        return false;
    }
    u = offsetToTargetXZ();
    const float length = length3(u);
    if (!(length > 0.0f)) {
        return false;
    }
    u *= 1.0f / length;
    return true;
}

void QMIntelligence::runAlong(const VXVec4& direction)
{
    moveDirection = direction;
    applyImpulse(scaled(direction, runSpeed()));
}

void QMIntelligence::addToLevel(KTGameObject* object)
{
    if (object == nullptr || levelWorld == nullptr) {
        delete object;
        return;
    }
    levelWorld->addObject(object);
}

void QMIntelligence::dropPickup(KTGameObject* pickup)
{
    pickup->position = position;
    pickup->position.w() = 1.0f;
    addToLevel(pickup);
}

void QMIntelligence::freezeBody()
{
    if (physicsObject != nullptr) {
        physicsObject->velocity = VXVec4(0.0f, 0.0f, 0.0f, 1.0f);
    }
    body.collides = false;
    body.falls = false;
}

bool QMIntelligence::freezeWhenDead(const VXSkeleton* skeleton, int deadStance)
{
    if (!stanceIs(skeleton, deadStance)) {
        return false;
    }
    freezeBody();
    return true;
}

void QMIntelligence::runSkeletonUpdate(VXSkeleton* skeleton)
{
    if (skeleton != nullptr) {
        skeleton->advanceStance();
    }
    thinkAndMove();
}

void QMIntelligence::thinkAndMove()
{
    if (!dead) {
        sense();
        updateState();
        think();
    }
    clampToLevelBounds();
    KTGameObject::update();
}

void QMIntelligence::drawSkeleton(VXSkeleton* skeleton, VXViewState* view, VXShaderProgram* program)
{
    if (skeleton == nullptr || view == nullptr || program == nullptr) {
        return;
    }
    view->stack.push();
    view->stack.translate(position);
    view->stack.rotate(orientation);
    skeleton->draw(*view, *program);
    view->stack.pop();
}

VXSkeleton* QMIntelligence::createSkeleton(const KTCharacterAssets& character)
{
    if (character.skeleton == nullptr || character.choreography == nullptr) {
        return nullptr;
    }
    return VXSkeleton::create(*character.skeleton, *character.choreography);
}

int QMIntelligence::stanceIndex(const KTCharacterAssets& character, const char* name)
{
    if (character.choreography == nullptr) {
        return -1;
    }
    return character.choreography->indexOf(name);
}

bool stanceIs(const VXSkeleton* skeleton, int stance)
{
    return skeleton != nullptr && stance >= 0 && skeleton->currentStance() == stance;
}

void requestStance(VXSkeleton* skeleton, int stance)
{
    if (skeleton != nullptr && stance >= 0) {
        skeleton->requestStance(stance);
    }
}

void applyWalkStanceRule(VXSkeleton* skeleton, const QMWalkStances& stances)
{
    if (stanceIs(skeleton, stances.stand) || stanceIs(skeleton, stances.walkToStand)
        || stanceIs(skeleton, stances.attack1) || stanceIs(skeleton, stances.attack2)
        || stanceIs(skeleton, stances.death)) {
        requestStance(skeleton, stances.standToWalk);
    }
}
