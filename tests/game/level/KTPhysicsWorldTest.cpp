#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "game/level/KTPhysicsWorld.h"

namespace {

// A level's physics world with bodies kept at stable addresses.
class KTPhysicsWorldPass : public ::testing::Test {
protected:
    KTPhysicsWorld physics;
    std::deque<KTPhysicsBody> bodies;

    KTPhysicsWorldPass()
    {
        physics.init(KTWorldBox{VXVec4(0, 0, 0, 1), VXVec4(600, 600, 600, 1)}, VXVec4(0, -0.3f, 0, 1));
    }

    KTPhysicsObject* add(float x, float y, float z, float half, float inverseMass, bool falls,
                         bool collides = true)
    {
        int id = static_cast<int>(bodies.size());
        bodies.push_back(KTPhysicsBody{VXVec4(-half, -half, -half, 1), VXVec4(half, half, half, 1), inverseMass,
                                       100 + id, id, collides, falls});
        return physics.addObject(VXVec4(x, y, z, 1), &bodies.back());
    }
};

} // namespace

TEST_F(KTPhysicsWorldPass, FloorLiftsBodyAndBouncesDownwardSpeed)
{
    KTPhysicsObject* falling = add(100, 10, 100, 15, 1, false);
    falling->velocity.y() = -4;
    KTPhysicsObject* rising = add(200, -20, 100, 15, 1, false);
    rising->velocity.y() = 3;
    // Immovable bodies are held up as well, but not moved by their velocity.
    KTPhysicsObject* block = add(300, 5, 100, 15, 0, false);
    block->velocity.y() = -1;
    // At rest on the floor: gravity, back up with +0.15, damped.
    KTPhysicsObject* resting = add(400, 15, 100, 15, 1, true);

    physics.resolveCollisions();
    EXPECT_EQ(falling->position.y(), 15.0f);
    EXPECT_EQ(falling->velocity.y(), 2.0f);
    EXPECT_EQ(rising->position.y(), 15.0f);
    EXPECT_EQ(rising->velocity.y(), 3.0f);
    EXPECT_EQ(block->position.y(), 15.0f);
    EXPECT_EQ(block->velocity.y(), 0.5f);
    EXPECT_EQ(resting->position.y(), 15.0f);
    EXPECT_FLOAT_EQ(resting->velocity.y(), 0.135f);
}

TEST_F(KTPhysicsWorldPass, EqualBodiesShareThePushAndExchangeSpeed)
{
    // Overlapping by 2 on x after integration, closing at 1 unit each.
    KTPhysicsObject* a = add(99, 300, 100, 15, 1, false);
    KTPhysicsObject* b = add(129, 300, 100, 15, 1, false);
    a->velocity = VXVec4(1, 0.25f, 0, 1);
    b->velocity = VXVec4(-1, 0, 0, 1);
    physics.resolveCollisions();
    EXPECT_NEAR(a->position.x(), 100 - 1.00005, 1e-4);
    EXPECT_NEAR(b->position.x(), 128 + 1.00005, 1e-4);
    EXPECT_EQ(a->velocity.x(), -0.5f);
    EXPECT_EQ(b->velocity.x(), 0.5f);
    // Only the separation axis exchanges speed.
    EXPECT_EQ(a->velocity.y(), 0.25f);
    // B no longer finds A: one record, A the searching body.
    ASSERT_EQ(physics.collisions.size(), 1);
    EXPECT_TRUE((physics.collisions[0] == KTPhysicsCollision{100, 0, 101, 1, 0}));
}

TEST_F(KTPhysicsWorldPass, ImmovableBodyTakesNoPush)
{
    KTPhysicsObject* wall = add(130, 300, 100, 15, 0, false);
    wall->velocity = VXVec4(0.2f, 0, 0, 1);
    KTPhysicsObject* mover = add(100, 300, 100, 15, 1, false);
    mover->velocity = VXVec4(3, 0, 0, 1);
    physics.resolveCollisions();
    // Moved to 103, 3 deep into the wall: pushed out by all of it.
    EXPECT_NEAR(mover->position.x(), 100 - 0.0001, 1e-4);
    EXPECT_EQ(wall->position.x(), 130.0f);
    // Half its speed relative to the wall's, reversed.
    EXPECT_FLOAT_EQ(mover->velocity.x(), 0.2f - 0.5f * (3 - 0.2f));
    EXPECT_EQ(wall->velocity.x(), 0.2f);
    ASSERT_EQ(physics.collisions.size(), 1);
    EXPECT_EQ(physics.collisions[0].idA, 1);
    EXPECT_EQ(physics.collisions[0].idB, 0);
}

TEST_F(KTPhysicsWorldPass, GridIsRefiledEveryPass)
{
    KTPhysicsObject* body = add(25, 45, 45, 5, 1, false);
    body->velocity = VXVec4(10, 0, 0, 1);
    physics.resolveCollisions();
    EXPECT_EQ(physics.grid.cellAt(0, 1, 1).objects.size(), 0);
    ASSERT_EQ(physics.grid.cellAt(1, 1, 1).objects.size(), 1);
    EXPECT_EQ(physics.grid.cellAt(1, 1, 1).objects[0], body);
    physics.resolveCollisions();
    EXPECT_EQ(physics.grid.cellAt(1, 1, 1).objects.size(), 1);

    // Unlinked through its node, a body is neither moved nor filed.
    physics.objects.erase(body->node);
    physics.resolveCollisions();
    EXPECT_EQ(body->position.x(), 45.0f);
    EXPECT_EQ(physics.grid.cellAt(1, 1, 1).objects.size(), 0);
    delete body;
}

TEST_F(KTPhysicsWorldPass, BodyOutsideGridSearchesButIsNotFound)
{
    KTPhysicsObject* outside = add(-31, 300, 100, 20, 1, false);
    KTPhysicsObject* inside = add(0, 300, 100, 15, 1, false);
    physics.resolveCollisions();
    // Only the outside body finds the pair; its share of the 4-deep push is half.
    ASSERT_EQ(physics.collisions.size(), 1);
    EXPECT_EQ(physics.collisions[0].idA, 0);
    EXPECT_NEAR(outside->position.x(), -31 - 2.00005, 1e-4);
    EXPECT_NEAR(inside->position.x(), 2.00005, 1e-4);
}

TEST_F(KTPhysicsWorldPass, SearchReachesOneCellFurtherAbove)
{
    // A 30-unit box searches -1..+2 cells around its own (cell y 10): the body
    // reaching down from cell 12 is found, the one reaching up from cell 8 is
    // not, though both overlap it by 5.
    KTPhysicsObject* probe = add(45, 315, 45, 15, 1, false);
    add(45, 375, 45, 15, 0, false);
    bodies.back().boxMin = VXVec4(-15, -50, -15, 1);
    add(45, 255, 45, 15, 0, false);
    bodies.back().boxMax = VXVec4(15, 50, 15, 1);
    physics.resolveCollisions();
    ASSERT_EQ(physics.collisions.size(), 1);
    EXPECT_EQ(physics.collisions[0].idB, 1);
    EXPECT_EQ(physics.collisions[0].axis, 1);
    EXPECT_NEAR(probe->position.y(), 315 - 5.0001, 1e-4);
}

TEST_F(KTPhysicsWorldPass, CrowdedCellKeepsTheLastHundred)
{
    // Body 0 shares its cell with 100 later bodies; the ring drops it.
    add(40, 40, 40, 1, 0, false);
    std::vector<KTPhysicsObject*> crowd;
    for (int i = 0; i < 100; ++i) {
        crowd.push_back(add(55, 55, 55, 1, 0, false));
    }
    // A probe in the next cell that overlaps body 0 only.
    add(29, 40, 40, 12, 1, false);
    physics.resolveCollisions();
    EXPECT_EQ(physics.grid.cellAt(1, 1, 1).objects.count, 101);
    EXPECT_EQ(physics.grid.cellAt(1, 1, 1).objects.size(), 100);
    EXPECT_EQ(physics.collisions.size(), 0);

    // With one body fewer in the crowd the probe finds body 0.
    physics.objects.erase(crowd[0]->node);
    delete crowd[0];
    physics.resolveCollisions();
    ASSERT_EQ(physics.collisions.size(), 1);
    EXPECT_EQ(physics.collisions[0].idB, 0);
}

TEST_F(KTPhysicsWorldPass, OverflowingRecordsKeepTheLastThousand)
{
    // 1001 movable bodies, each over an immovable point in its own cell.
    for (int i = 0; i < 1001; ++i) {
        float x = (i % 20) * 30 + 15.0f;
        float y = ((i / 20) % 20) * 30 + 15.0f;
        float z = (i / 400) * 30 + 15.0f;
        add(x, y, z, 0, 0, false);
        add(x + 0.5f, y, z, 1, 1, false);
    }
    physics.resolveCollisions();
    EXPECT_EQ(physics.collisions.count, 1001);
    EXPECT_EQ(physics.collisions.size(), 1000);
    EXPECT_EQ(physics.collisions[0].idA, 2001);
    EXPECT_EQ(physics.collisions[1].idA, 3);
}

TEST_F(KTPhysicsWorldPass, SearchFollowsABodyPushedIntoTheNextCell)
{
    // A starts in cell 1; the push off the first wall carries it into cell 2,
    // within reach of a wide wall filed in cell 4, which the search from the
    // starting cell (cells 0 to 3) would never look at.
    KTPhysicsObject* a = add(58, 300, 100, 15, 1, false);
    add(36, 300, 100, 15, 0, false);
    KTPhysicsObject* wide = add(121, 300, 100, 45, 0, false);

    physics.resolveCollisions();
    ASSERT_EQ(physics.collisions.size(), 2);
    EXPECT_EQ(physics.collisions[1].idB, 2);
    EXPECT_EQ(physics.collisions[1].axis, 0);
    EXPECT_LE(a->position.x() + 15, wide->position.x() - 45);
    EXPECT_NEAR(a->position.x(), 58 + 8.0001 - 5.0002, 1e-3);
}

TEST_F(KTPhysicsWorldPass, HugeBoxSearchEndsAndStaysInTheGrid)
{
    // As wide as a billion units on x and z, standing on the floor.
    bodies.push_back(KTPhysicsBody{VXVec4(-1.0e9f, -15, -1.0e9f, 1), VXVec4(1.0e9f, 15, 1.0e9f, 1), 1, 100, 0,
                                   true, false});
    physics.addObject(VXVec4(300, 15, 300, 1), &bodies.back());
    add(585, 15, 585, 15, 0, false);
    physics.resolveCollisions();
    // The far corner is reached, and the pass returns.
    ASSERT_EQ(physics.collisions.size(), 1);
    EXPECT_EQ(physics.collisions[0].idB, 1);
}
