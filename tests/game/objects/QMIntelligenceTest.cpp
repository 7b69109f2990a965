#include "tests/game/level/WorldFixture.h"

#include <algorithm>
#include <cmath>

#include "game/level/KTPhysicsObject.h"
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
        world->insertObject(enemy);
        enemy->spawn(&physics, world.get(), &player, 1, minX, minZ, maxX, maxZ);
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
