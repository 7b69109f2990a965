#include "tests/game/level/WorldFixture.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>

#include "game/level/KTPhysicsObject.h"
#include "game/objects/KTPathSearch.h"
#include "game/objects/QMIntelligence.h"
#include "platform/HostRandom.h"

namespace {

// An enemy type that only counts its behaviour calls, with settable sight,
// speeds and ranges.
class Probe : public QMIntelligence {
public:
    float sight = 300.0f;
    float walk = 0.1f;
    float run = 0.2f;
    int idles = 0;
    int alerts = 0;
    int wanders = 0;
    int pursues = 0;
    int attacks[3] = {0, 0, 0};
    // The state each wander call found.
    std::vector<int> wanderStates;

    void spawn(KTPhysicsWorld* physics, KTLevelWorld* level, KTGameObject* hunted, int flag, int minX, int minZ,
               int maxX, int maxZ) override
    {
        orientation = VXQuat::identity();
        body.boxMin = VXVec4(-15, -15, -15, 1);
        body.boxMax = VXVec4(15, 15, 15, 1);
        body.inverseMass = 1.0f;
        body.kind = 99;
        body.collides = true;
        body.falls = true;
        state = QMState::Idle;
        dead = false;
        initialize(physics, level, hunted, flag, minX, minZ, maxX, maxZ);
    }
    void update() override { thinkAndMove(); }
    void draw(VXViewState*, VXShaderProgram*) override {}
    void idle() override { ++idles; }
    void alert() override { ++alerts; }
    void wander() override
    {
        ++wanders;
        wanderStates.push_back(state);
    }
    void pursue() override { ++pursues; }
    void attack1() override { ++attacks[0]; }
    void attack2() override { ++attacks[1]; }
    void attack3() override { ++attacks[2]; }
    void takeDamage(int) override {}
    void die() override {}
    float walkSpeed() override { return walk; }
    float runSpeed() override { return run; }
    float sightRange() override { return sight; }

    void setRanges(float r0, float r1, float r2, float r3)
    {
        attackRanges[0] = r0;
        attackRanges[1] = r1;
        attackRanges[2] = r2;
        attackRanges[3] = r3;
    }
    // Both the object's copy and the physics position.
    void place(const VXVec4& p)
    {
        position = p;
        physicsObject->position = p;
    }
};

class Intelligence : public LevelWorldTest {
protected:
    Probe* probe(const VXVec4& p, int minX = 0, int minZ = 0, int maxX = 19, int maxZ = 19)
    {
        Probe* enemy = new Probe();
        enemy->position = p;
        world->addObject(enemy, [&] { enemy->spawn(&physics, world.get(), &player, 1, minX, minZ, maxX, maxZ); });
        return enemy;
    }

    void placePlayer(const VXVec4& p)
    {
        player.position = p;
        player.physicsObject->position = p;
    }

    static void expectVec(const VXVec4& v, float x, float y, float z)
    {
        EXPECT_NEAR(v.x(), x, 1e-5f);
        EXPECT_NEAR(v.y(), y, 1e-5f);
        EXPECT_NEAR(v.z(), z, 1e-5f);
    }
};

} // namespace

TEST_F(Intelligence, SpawnSetUpTakesTheNextIdAndRegistersTheBody)
{
    Probe* enemy = probe(VXVec4(100, 15, 100, 1), 1, 2, 3, 4);
    EXPECT_EQ(enemy->body.id, enemy->objectId);
    ASSERT_NE(enemy->physicsObject, nullptr);
    EXPECT_EQ(enemy->physicsObject->body, &enemy->body);
    EXPECT_EQ(enemy->levelWorld, world.get());
    EXPECT_EQ(enemy->world, world.get());
    EXPECT_EQ(enemy->physicsWorld, &physics);
    EXPECT_EQ(enemy->target, &player);
    EXPECT_EQ(enemy->spawnFlag, 1);
    EXPECT_EQ(enemy->roamMinX, 1);
    EXPECT_EQ(enemy->roamMinZ, 2);
    EXPECT_EQ(enemy->roamMaxX, 3);
    EXPECT_EQ(enemy->roamMaxZ, 4);
    EXPECT_EQ(enemy->attackRange(0), 0.0f);
    EXPECT_EQ(enemy->attackRange(-1), 0.0f);
    EXPECT_EQ(enemy->attackRange(4), 0.0f);
}

TEST_F(Intelligence, TargetAtExactlySightRangeIsNotSeen)
{
    Probe* enemy = probe(VXVec4(100, 15, 100, 1));
    placePlayer(VXVec4(400, 15, 100, 1));
    enemy->sense();
    EXPECT_FALSE(enemy->targetVisible);
    EXPECT_FALSE(enemy->hasTargetCell);

    placePlayer(VXVec4(399.9f, 15, 100, 1));
    enemy->sense();
    EXPECT_TRUE(enemy->targetVisible);
    EXPECT_TRUE(enemy->hasTargetCell);
    expectVec(enemy->targetCell, 405, 15, 105);

    // Out of sight again: the destination is kept.
    placePlayer(VXVec4(500, 15, 100, 1));
    enemy->sense();
    EXPECT_FALSE(enemy->targetVisible);
    EXPECT_TRUE(enemy->hasTargetCell);
    expectVec(enemy->targetCell, 405, 15, 105);
}

TEST_F(Intelligence, AttackNeedsAlignmentWithinFifteenOnOneAxis)
{
    Probe* enemy = probe(VXVec4(100, 15, 100, 1));
    enemy->setRanges(300, 150, 150, 100);
    placePlayer(VXVec4(115, 15, 150, 1));
    enemy->sense();
    EXPECT_EQ(enemy->attackChoice, 0);
    placePlayer(VXVec4(114.99f, 15, 150, 1));
    enemy->sense();
    EXPECT_EQ(enemy->attackChoice, 3);
    placePlayer(VXVec4(150, 15, 114.99f, 1));
    enemy->sense();
    EXPECT_EQ(enemy->attackChoice, 3);
    // The choice does not need sight.
    enemy->sight = 1.0f;
    enemy->sense();
    EXPECT_FALSE(enemy->targetVisible);
    EXPECT_EQ(enemy->attackChoice, 3);
}

TEST_F(Intelligence, AttackBandsChooseByDistance)
{
    Probe* enemy = probe(VXVec4(100, 15, 100, 1));
    enemy->sight = 1000.0f;
    struct Band {
        float distance;
        int choice;
    };
    enemy->setRanges(300, 150, 150, 100);
    const Band boss[] = {{50, 3}, {100, 3}, {100.5f, 2}, {150, 2}, {150.5f, 1}, {300, 1}, {300.5f, 0}};
    for (const Band& band : boss) {
        placePlayer(VXVec4(100 + band.distance, 15, 100, 1));
        enemy->sense();
        EXPECT_EQ(enemy->attackChoice, band.choice) << band.distance;
    }
    enemy->setRanges(120, 0, 0, 0);
    const Band melee[] = {{0.5f, 1}, {60, 1}, {120, 1}, {120.5f, 0}, {400, 0}};
    for (const Band& band : melee) {
        placePlayer(VXVec4(100, 15, 100 + band.distance, 1));
        enemy->sense();
        EXPECT_EQ(enemy->attackChoice, band.choice) << band.distance;
    }
}

TEST_F(Intelligence, LineOfSightIsBlockedOnlyByObjectsBetweenTheEnds)
{
    Probe* enemy = probe(VXVec4(100, 15, 100, 1));
    placePlayer(VXVec4(220, 15, 100, 1));
    EXPECT_TRUE(enemy->hasLineOfSight());

    // Far from the line but closer to both ends than they are to each other:
    // blocks only when its box is large enough.
    KTBlock* side = block(5, 0, 4);
    side->position = VXVec4(160, 15, 160, 1);
    EXPECT_TRUE(enemy->hasLineOfSight());
    side->body.boxMax = VXVec4(40, 40, 40, 1);
    EXPECT_FALSE(enemy->hasLineOfSight());

    // Centre farther from the enemy than the target is: never blocks, however large.
    side->position = VXVec4(160, 15, 215, 1);
    side->body.boxMax = VXVec4(500, 500, 500, 1);
    EXPECT_TRUE(enemy->hasLineOfSight());
    side->position = VXVec4(330, 15, 100, 1);
    EXPECT_TRUE(enemy->hasLineOfSight());

    // On the line.
    block(5, 0, 3);
    EXPECT_FALSE(enemy->hasLineOfSight());
    enemy->sense();
    EXPECT_FALSE(enemy->targetVisible);
}

TEST_F(Intelligence, ReachingTheDestinationDropsItAndTheNextWanderStepDrawsANewOne)
{
    Probe* enemy = probe(VXVec4(100, 15, 100, 1), 2, 3, 5, 7);
    enemy->hasTargetCell = true;
    enemy->targetCell = VXVec4(131, 0, 100, 1);
    enemy->sense();
    EXPECT_FALSE(enemy->hasTargetCell);
    enemy->hasTargetCell = true;
    enemy->targetCell = VXVec4(131.5f, 0, 100, 1);
    enemy->sense();
    EXPECT_TRUE(enemy->hasTargetCell);

    // Every destination lies in the roaming rectangle.
    hostSrand(7);
    for (int i = 0; i < 200; ++i) {
        enemy->hasTargetCell = false;
        enemy->wanderStep();
        const float x = enemy->targetCell.x();
        const float z = enemy->targetCell.z();
        EXPECT_GE(x, 75.0f);
        EXPECT_LE(x, 165.0f);
        EXPECT_GE(z, 105.0f);
        EXPECT_LE(z, 225.0f);
        EXPECT_EQ(std::fmod(x - 15.0f, 30.0f), 0.0f);
        EXPECT_EQ(std::fmod(z - 15.0f, 30.0f), 0.0f);
    }
}

TEST_F(Intelligence, DestinationsStayInARoamingRectangleOfAnySize)
{
    // The rectangle's width does not fit an int; destinations still lie in
    // it, whichever way round its corners are given.
    const int corners[2][2] = {{-2000000000, 2000000000}, {2000000000, -2000000000}};
    hostSrand(11);
    for (const auto& corner : corners) {
        Probe* enemy = probe(VXVec4(100, 15, 100, 1), corner[0], corner[0], corner[1], corner[1]);
        const double low = 30.0 * std::min(corner[0], corner[1]) - 30.0;
        const double high = 30.0 * std::max(corner[0], corner[1]) + 30.0;
        for (int i = 0; i < 20; ++i) {
            enemy->hasTargetCell = false;
            enemy->wanderStep();
            EXPECT_GE(enemy->targetCell.x(), low);
            EXPECT_LE(enemy->targetCell.x(), high);
            EXPECT_GE(enemy->targetCell.z(), low);
            EXPECT_LE(enemy->targetCell.z(), high);
        }
    }
}

TEST_F(Intelligence, WanderStepSteersAlongThePathAndKeepsTheDominantAxis)
{
    Probe* enemy = probe(VXVec4(100, 15, 95, 1));
    enemy->hasTargetCell = true;
    enemy->targetCell = VXVec4(165, 0, 105, 1);
    enemy->wanderStep();
    // Path +x; the centring offset (1/3, 0, 2/3) adds its z part.
    expectVec(enemy->physicsObject->velocity, 0.1f, 0.0f, 0.1f * 2.0f / 3.0f);
    expectVec(enemy->moveDirection, 1, 0, 0);
    EXPECT_TRUE(enemy->hasTargetCell);

    enemy->physicsObject->velocity = VXVec4(0, 0, 0, 1);
    enemy->pursueStep();
    // Toward the player at (555, 15, 555): |dx| = |dz|, z first.
    expectVec(enemy->physicsObject->velocity, 0.2f / 3.0f, 0.0f, 0.2f);
    expectVec(enemy->moveDirection, 0, 0, 1);
}

TEST_F(Intelligence, SteeringWithoutAPathDropsTheDestination)
{
    // Destinations are drawn far from the walled-in cell.
    Probe* enemy = probe(VXVec4(105, 15, 105, 1), 10, 10, 19, 19);
    block(2, 0, 3);
    block(4, 0, 3);
    block(3, 0, 2);
    block(3, 0, 4);
    enemy->hasTargetCell = true;
    VXVec4 step = enemy->steerToward(VXVec4(400, 0, 400, 1));
    expectVec(step, 0, 0, 0);
    EXPECT_FALSE(enemy->hasTargetCell);

    // Three tries without a path: the last stays, flagged, then dropped by the steering.
    hostSrand(3);
    enemy->wanderStep();
    EXPECT_FALSE(enemy->hasTargetCell);
    expectVec(enemy->physicsObject->velocity, 0, 0, 0);
}

TEST_F(Intelligence, PathDirectionIgnoresObjectsTwentyUnitsAboveOrBelow)
{
    Probe* enemy = probe(VXVec4(165, 35, 165, 1));
    block(6, 0, 5);
    const VXVec4 goal(225, 15, 165, 1);
    expectVec(enemy->pathDirection(goal), 1, 0, 0);
    enemy->position.y() = 34.9f;
    expectVec(enemy->pathDirection(goal), 0, 0, 1);
    enemy->position.y() = -4.9f;
    expectVec(enemy->pathDirection(goal), 0, 0, 1);
    enemy->position.y() = -5.0f;
    expectVec(enemy->pathDirection(goal), 1, 0, 0);
}

TEST_F(Intelligence, PathDirectionNeverBlocksTheGoalOrStartCell)
{
    Probe* enemy = probe(VXVec4(165, 15, 165, 1));
    const VXVec4 goal(225, 15, 165, 1);
    block(7, 0, 5);
    block(5, 0, 5);
    expectVec(enemy->pathDirection(goal), 1, 0, 0);
    // The player and the enemy itself never block.
    placePlayer(VXVec4(195, 15, 165, 1));
    expectVec(enemy->pathDirection(goal), 1, 0, 0);
    // Another enemy does.
    probe(VXVec4(195, 15, 165, 1));
    expectVec(enemy->pathDirection(goal), 0, 0, 1);
    expectVec(enemy->pathDirection(VXVec4(165, 0, 165, 1)), 0, 0, 0);
}

TEST_F(Intelligence, EnclosedGoalHasNoPath)
{
    Probe* enemy = probe(VXVec4(45, 15, 45, 1));
    block(9, 0, 10);
    block(11, 0, 10);
    block(10, 0, 9);
    block(10, 0, 11);
    VXVec4 step = enemy->pathDirection(cellCentre(10, 0, 10));
    expectVec(step, 0, 0, 0);
    EXPECT_EQ(step.w(), 1.0f);
}

TEST_F(Intelligence, UpdateStateCanGoFromWanderingToAnAttackInOneCall)
{
    Probe* enemy = probe(VXVec4(100, 15, 100, 1));
    enemy->state = QMState::Wandering;
    enemy->targetVisible = true;
    enemy->attackChoice = 2;
    enemy->updateState();
    EXPECT_EQ(enemy->state, QMState::Attack2);
    EXPECT_TRUE(enemy->attackInProgress);

    // An attack ends once the attack code clears the flag and the cooldown is out.
    enemy->attackInProgress = false;
    enemy->cooldown = 1;
    enemy->updateState();
    EXPECT_EQ(enemy->state, QMState::Attack2);
    enemy->cooldown = 0;
    enemy->attackChoice = 0;
    enemy->updateState();
    EXPECT_EQ(enemy->state, QMState::Pursuing);

    // Losing sight while choosing an attack ends in wandering.
    enemy->targetVisible = false;
    enemy->attackChoice = 1;
    enemy->updateState();
    EXPECT_EQ(enemy->state, QMState::Wandering);
    EXPECT_TRUE(enemy->attackInProgress);
}

TEST_F(Intelligence, CooldownDelaysBehaviourButNotSensing)
{
    Probe* enemy = probe(VXVec4(105, 15, 105, 1));
    enemy->cooldown = 5;
    run(5);
    EXPECT_EQ(enemy->idles, 0);
    EXPECT_EQ(enemy->cooldown, 0);
    run(1);
    EXPECT_EQ(enemy->idles, 1);

    enemy->cooldown = 5;
    placePlayer(VXVec4(105, 15, 195, 1));
    run(1);
    // Seen and alerted while cooling down; the alert waits.
    EXPECT_EQ(enemy->state, QMState::Alerted);
    EXPECT_EQ(enemy->alerts, 0);
    run(4);
    EXPECT_EQ(enemy->alerts, 0);
    run(1);
    // Alerted, then wandering, then the first wander step, all in one update.
    EXPECT_EQ(enemy->alerts, 1);
    EXPECT_EQ(enemy->wanders, 1);
    EXPECT_EQ(enemy->wanderStates, std::vector<int>{QMState::Wandering});
    EXPECT_EQ(enemy->state, QMState::Wandering);
    run(1);
    EXPECT_EQ(enemy->state, QMState::Pursuing);
    EXPECT_EQ(enemy->pursues, 1);
}

TEST_F(Intelligence, MovementHelpers)
{
    Probe* enemy = probe(VXVec4(100, 15, 95, 1));
    expectVec(QMIntelligence::dominantAxis(VXVec4(3, 5, -3, 1)), 0, 0, -3);
    expectVec(QMIntelligence::dominantAxis(VXVec4(4, 5, -3, 1)), 4, 0, 0);
    EXPECT_EQ(QMIntelligence::dominantAxis(VXVec4(4, 5, -3, 7)).w(), 1.0f);
    expectVec(QMIntelligence::cellCentre(VXVec4(59.9f, 7, 60, 1)), 45, 7, 75);
    EXPECT_FLOAT_EQ(QMIntelligence::dot(VXVec4(1, 2, 3, 9), VXVec4(4, 5, 6, 9)), 32.0f);
    expectVec(enemy->offsetToCellCentre(), 1.0f / 3.0f, 0, 2.0f / 3.0f);

    enemy->moveDirection = VXVec4(1, 0, 0, 1);
    enemy->faceDirection();
    EXPECT_NEAR(enemy->orientation.y(), std::sqrt(0.5), 1e-6);
    EXPECT_NEAR(enemy->orientation.w(), std::sqrt(0.5), 1e-6);
    EXPECT_EQ(enemy->orientation.x(), 0.0f);
    EXPECT_EQ(enemy->orientation.z(), 0.0f);

    enemy->centreOnCell();
    expectVec(enemy->physicsObject->velocity, 5.0f / 50, 0, 10.0f / 50);

    EXPECT_NEAR(enemy->distanceToTarget(), std::sqrt(455.0f * 455 + 460.0f * 460), 1e-3);
    enemy->targetCell = VXVec4(130, 500, 135, 1);
    EXPECT_FLOAT_EQ(enemy->distanceToTargetCell(), 50.0f);
}

namespace {

// The enemies' two searches as a walk over the whole object map answers them.
bool sightByWalk(const KTLevelWorld& level, const QMIntelligence& self)
{
    const VXVec4& p = self.position;
    const VXVec4& t = self.target->position;
    const VXVec4 line = t - p;
    const float lineSquared = QMIntelligence::dot(line, line);
    const float reach = std::sqrt(lineSquared);
    for (const auto& entry : level.objectMap) {
        const KTGameObject* object = entry.second;
        if (object == &self || object == self.target) {
            continue;
        }
        const VXVec4 fromEnemy = object->position - p;
        const VXVec4 fromTarget = object->position - t;
        if (std::sqrt(fromEnemy.lengthSquared()) > reach || std::sqrt(fromTarget.lengthSquared()) > reach) {
            continue;
        }
        const float radiusSquared = QMIntelligence::dot(object->body.boxMax, object->body.boxMax);
        const float along = QMIntelligence::dot(line, fromEnemy);
        const float offLineSquared = QMIntelligence::dot(fromEnemy, fromEnemy) - along * along / lineSquared;
        if (offLineSquared < radiusSquared) {
            return false;
        }
    }
    return true;
}

VXVec4 stepByWalk(const KTLevelWorld& level, const QMIntelligence& self, const VXVec4& goal)
{
    KTPathGrids grids;
    grids.clear();
    for (const auto& entry : level.objectMap) {
        const KTGameObject* object = entry.second;
        const VXVec4& p = object->position;
        if (object == &self || object == self.target || std::fabs(p.y() - self.position.y()) >= 20.0f
            || sameCell(p.x(), p.z(), goal.x(), goal.z())) {
            continue;
        }
        grids.occupied[pathCellOf(p.x())][pathCellOf(p.z())] = 1;
    }
    return pathStepVector(grids, pathCellOf(self.position.x()), pathCellOf(self.position.z()),
                          pathCellOf(goal.x()), pathCellOf(goal.z()));
}

bool sameBits(const VXVec4& a, const VXVec4& b)
{
    return std::memcmp(a.elements, b.elements, sizeof a.elements) == 0;
}

class RandomLevels;

// Whatever the level's dice say, in its own update: the enemies that ask,
// and the things that move, grow and appear around them.
class Seeker : public Probe {
public:
    RandomLevels* level = nullptr;
    void update() override;
};

class Prop : public KTGameObject {
public:
    RandomLevels* level = nullptr;
    void update() override;
    void draw(VXViewState*, VXShaderProgram*) override {}
};

class RandomLevels : public Intelligence {
public:
    std::mt19937 dice{20240611u};
    std::vector<Seeker*> seekers;
    // 0: boxes up to 20 units, 1: some up to 250, 2: some without end.
    int boxes = 0;
    int asked = 0;
    int blocked = 0;
    int stepped = 0;
    int mismatches = 0;

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(dice); }
    bool chance(int percent) { return below(100) < percent; }
    float uniform(float low, float high) { return std::uniform_real_distribution<float>(low, high)(dice); }

    // Across the floor plan: beyond the border too, often on or just short
    // of a cell edge.
    float across()
    {
        const float edge = below(26) * 30.0f - 90.0f;
        switch (below(4)) {
        case 0:
            return edge;
        case 1:
            return std::nextafter(edge, -1.0e9f);
        default:
            return uniform(-90.0f, 690.0f);
        }
    }
    // Near a seeker's height: often just inside or just beyond 20 units.
    float heightNear(float base)
    {
        const float edge = base + (chance(50) ? 20.0f : -20.0f);
        switch (below(4)) {
        case 0:
            return edge;
        case 1:
            return std::nextafter(edge, base);
        case 2:
            return uniform(base - 45.0f, base + 45.0f);
        default:
            return base;
        }
    }
    Seeker& someSeeker() { return *seekers[static_cast<size_t>(below(static_cast<int>(seekers.size())))]; }
    float someHeight() { return seekers.empty() ? 15.0f : heightNear(someSeeker().position.y()); }
    // Often close to the line from a seeker to the player, where whether it
    // blocks hangs on its box.
    VXVec4 somewhere()
    {
        if (seekers.empty() || chance(60)) {
            return VXVec4(across(), someHeight(), across(), 1.0f);
        }
        const VXVec4& from = someSeeker().position;
        VXVec4 on = player.position - from;
        on *= uniform(-0.1f, 1.1f);
        VXVec4 off(uniform(-1, 1), uniform(-1, 1), uniform(-1, 1), 0.0f);
        off *= uniform(0.0f, 40.0f) / std::sqrt(off.lengthSquared() + 1e-6f);
        VXVec4 p = from + on + off;
        p.w() = 1.0f;
        return p;
    }
    // Now and then far away or not a number at all.
    VXVec4 anywhere()
    {
        if (chance(3)) {
            return VXVec4(chance(50) ? 1.0e7f : std::nanf(""), 15.0f, across(), 1.0f);
        }
        return somewhere();
    }
    // Levels differ in how large their boxes get: a huge box makes every
    // object a candidate.
    VXVec4 someBox()
    {
        if (boxes == 2 && chance(5)) {
            return VXVec4(1.0e20f, 1.0f, 1.0f, 1.0f);
        }
        if (boxes >= 1 && chance(10)) {
            return VXVec4(uniform(40, 250), 40.0f, uniform(40, 250), 1.0f);
        }
        if (chance(10)) {
            return VXVec4(0.0f, 0.0f, 0.0f, 1.0f);
        }
        return VXVec4(uniform(0, 20), uniform(0, 20), uniform(0, 20), 1.0f);
    }
    KTGameObject* anyObject()
    {
        auto it = world->objectMap.begin();
        std::advance(it, below(static_cast<int>(world->objectMap.size())));
        return it->second;
    }

    Prop* addProp(const VXVec4& at)
    {
        Prop* prop = new Prop();
        prop->level = this;
        prop->position = at;
        prop->body.boxMax = someBox();
        world->addObject(prop);
        return prop;
    }

    // One object's turn in the update pass: it moves, grows, calls its
    // physics copy, leaves or makes a new object.
    void stir(KTGameObject& object)
    {
        switch (below(8)) {
        case 0:
            object.position = anywhere();
            break;
        case 1:
            object.body.boxMax = someBox();
            break;
        case 2:
            object.KTGameObject::update();
            break;
        case 3:
            addProp(somewhere())->position = somewhere();
            break;
        case 4:
            // The seekers stay for the whole level.
            if (chance(20) && std::find(seekers.begin(), seekers.end(), &object) == seekers.end()) {
                world->queueRemoval(object.objectId);
            }
            break;
        default:
            break;
        }
    }

    // Both searches, for a few targets and goals, against the walk.
    void ask(Seeker& seeker)
    {
        for (int i = 0; i < 4; ++i) {
            seeker.target = chance(60) ? &player : anyObject();
            const bool sight = seeker.hasLineOfSight();
            const int pick = below(100);
            const VXVec4 goal = pick < 40 ? anyObject()->position
                : pick < 55               ? seeker.position + VXVec4(uniform(-15, 15), 0.0f, uniform(-15, 15), 0.0f)
                                          : anywhere();
            const VXVec4 step = seeker.pathDirection(goal);
            const bool sightAgrees = sight == sightByWalk(*world, seeker);
            const bool stepAgrees = sameBits(step, stepByWalk(*world, seeker, goal));
            asked += 1;
            blocked += sight ? 0 : 1;
            stepped += step.x() != 0.0f || step.z() != 0.0f ? 1 : 0;
            if ((!sightAgrees || !stepAgrees) && ++mismatches <= 5) {
                ADD_FAILURE() << "question " << asked << ": sight " << sightAgrees << ", step " << stepAgrees
                              << " for the seeker at " << seeker.position.x() << " " << seeker.position.y() << " "
                              << seeker.position.z() << ", goal " << goal.x() << " " << goal.y() << " " << goal.z();
            }
        }
        seeker.target = &player;
    }

    void seekerTurn(Seeker& seeker)
    {
        if (chance(30)) {
            seeker.position = somewhere();
        }
        if (chance(20)) {
            seeker.KTGameObject::update();
        }
        // A new object that its maker places after its set-up, as blocks snap
        // to their cell.
        if (chance(20)) {
            Prop* made = addProp(somewhere());
            ask(seeker);
            made->position = somewhere();
        }
        ask(seeker);
    }

    void buildLevel()
    {
        world->clear();
        seekers.clear();
        boxes = below(3);
        for (int i = 0; i < 3; ++i) {
            Seeker* seeker = new Seeker();
            seeker->level = this;
            seeker->position = VXVec4(across(), chance(70) ? 15.0f : uniform(-30.0f, 90.0f), across(), 1.0f);
            world->addObject(seeker, [&] { seeker->spawn(&physics, world.get(), &player, 1, 0, 0, 19, 19); });
            seekers.push_back(seeker);
        }
        placePlayer(VXVec4(across(), someHeight(), across(), 1.0f));
        const int count = chance(50) ? 5 + below(20) : 10 + below(150);
        for (int i = 0; i < count; ++i) {
            if (chance(50)) {
                block(below(20), below(3), below(20))->position = somewhere();
            } else {
                addProp(somewhere());
            }
        }
    }
};

void Seeker::update()
{
    level->seekerTurn(*this);
}

void Prop::update()
{
    level->stir(*this);
    // Asked while another object is in its update.
    if (level->chance(10)) {
        level->ask(level->someSeeker());
    }
}

} // namespace

TEST_F(RandomLevels, SightAndPathStepsAreThoseOfAWalkOverTheWholeLevel)
{
    for (int round = 0; round < 400; ++round) {
        buildLevel();
        for (int pass = 0; pass < 3; ++pass) {
            world->update();
            // Between updates: moved from outside, then asked.
            for (int i = 0; i < 3; ++i) {
                stir(*anyObject());
            }
            placePlayer(VXVec4(across(), someHeight(), across(), 1.0f));
            for (Seeker* seeker : seekers) {
                ask(*seeker);
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
    // Both answers of each search came up often.
    EXPECT_GT(blocked, asked / 20);
    EXPECT_LT(blocked, asked - asked / 20);
    EXPECT_GT(stepped, asked / 20);
    EXPECT_LT(stepped, asked - asked / 20);
}
