#include "EnemyWorld.h"
#include "engine/core/VXLog.h"

#include "engine/model/VXOBJData.h"
#include "game/audio/KTSoundId.h"
#include "game/objects/KTPhysicsKind.h"
#include "game/objects/RWCreeper.h"
#include "support/TestWindow.h"

namespace {

// The creeper reads its model at spawn: in a real window, as in the game.
class Creeper : public EnemyWorldTest {
protected:
    void SetUp() override { ASSERT_TRUE(openTestWindow()); }

    RWCreeper* creeper(const VXVec4& p) { return spawn<RWCreeper>(p); }

    // Hunting: it has seen the player and pursues.
    static void hunting(RWCreeper* c)
    {
        c->state = QMState::Pursuing;
        c->cooldown = 0;
    }
};

} // namespace

TEST_F(Creeper, SpawnSetsItsBodyAndReadsItsModel)
{
    RWCreeper* c = creeper(VXVec4(105, 15, 105, 1));
    EXPECT_EQ(c->body.kind, KTPhysicsKind::Creeper);
    EXPECT_EQ(c->body.inverseMass, 1.0f);
    EXPECT_TRUE(c->body.collides);
    EXPECT_TRUE(c->body.falls);
    EXPECT_EQ(c->hitPoints, 2);
    EXPECT_EQ(c->attackRange(0), 40.0f);
    EXPECT_EQ(c->sightRange(), 250.0f);
    EXPECT_NE(c->model, nullptr);
    EXPECT_EQ(c->body.id, c->objectId);
}

TEST_F(Creeper, GivesItsModelsBufferBackWhenRespawnedOrFreed)
{
    // A creeper reads its model at every spawn, so at every level load.
    RWCreeper* c = creeper(VXVec4(105, 15, 105, 1));
    const GLuint first = c->model->vertexBuffer.buffer;
    ASSERT_NE(first, 0u);
    EXPECT_EQ(glIsBuffer(first), GL_TRUE);
    c->spawn(&physics, world.get(), &player, 1, 0, 0, 19, 19);
    const GLuint second = c->model->vertexBuffer.buffer;
    const int id = c->objectId;
    ASSERT_NE(second, 0u);
    EXPECT_EQ(glIsBuffer(first), GL_FALSE) << "the earlier model's buffer";
    EXPECT_EQ(glIsBuffer(second), GL_TRUE);

    {
        VXLogCapture quiet;
        world->clear();
    }
    run(1);
    EXPECT_FALSE(inWorld(id));
    EXPECT_EQ(glIsBuffer(second), GL_FALSE) << "freed with the creeper";
}

TEST_F(Creeper, LungesOnceAndExplodesInTheSecondUpdateAfter)
{
    RWCreeper* c = creeper(VXVec4(105, 15, 105, 1));
    const int id = c->objectId;
    KTBlock* neighbour = block(4, 0, 3, 0);
    const int neighbourId = neighbour->objectId;
    placePlayer(VXVec4(105, 15, 140, 1));
    hunting(c);
    run(1);
    EXPECT_TRUE(c->charged);
    EXPECT_TRUE(c->spinning);
    EXPECT_FALSE(c->rolling);
    EXPECT_EQ(c->attackTimer, 2);
    // Toward the player along +z.
    EXPECT_NEAR(c->physicsObject->velocity.z(), 0.3f, 1e-4f);
    EXPECT_EQ(sounds.countOf(KTSoundId::CreeperSuicide), 0);

    // A second lunge only stops the rolling.
    c->rolling = true;
    const VXVec4 before = c->physicsObject->velocity;
    c->attack1();
    EXPECT_FALSE(c->rolling);
    EXPECT_EQ(c->attackTimer, 2);
    EXPECT_EQ(c->physicsObject->velocity.z(), before.z());

    run(1);
    EXPECT_EQ(c->attackTimer, 1);
    EXPECT_FALSE(c->dead);
    run(1);
    EXPECT_EQ(sounds.countOf(KTSoundId::CreeperSuicide), 1);
    EXPECT_EQ(sounds.countOf(KTSoundId::BlockExplode), 1);
    // The red block beside it went at once, without chaining.
    EXPECT_EQ(sounds.countOf(KTSoundId::BlockDestroy), 1);
    EXPECT_FALSE(inWorld(neighbourId));
    EXPECT_FALSE(inWorld(id));
    EXPECT_TRUE(world->chainQueue.empty());
}

TEST_F(Creeper, ExplodesOnlyOnce)
{
    RWCreeper* c = creeper(VXVec4(105, 15, 105, 1));
    c->explode();
    EXPECT_TRUE(c->dead);
    EXPECT_TRUE(c->charged);
    EXPECT_EQ(c->state, QMState::Dead);
    EXPECT_FALSE(c->body.collides);
    EXPECT_FALSE(c->body.falls);
    EXPECT_EQ(world->removalList.size(), 1u);
    c->rolling = true;
    c->explode();
    EXPECT_FALSE(c->rolling);
    EXPECT_TRUE(c->spinning);
    EXPECT_EQ(sounds.countOf(KTSoundId::BlockExplode), 1);
    EXPECT_EQ(world->removalList.size(), 1u);
}

TEST_F(Creeper, FirstHitStunsForTwentyUpdatesSecondHitExplodes)
{
    RWCreeper* c = creeper(VXVec4(105, 15, 105, 1));
    c->rolling = true;
    c->hit();
    EXPECT_EQ(c->hitPoints, 1);
    EXPECT_TRUE(c->spinning);
    EXPECT_FALSE(c->rolling);
    EXPECT_EQ(c->stunTimer, 20);
    EXPECT_EQ(sounds.countOf(KTSoundId::CreeperPain), 1);
    run(19);
    EXPECT_TRUE(c->spinning);
    run(1);
    EXPECT_FALSE(c->spinning);
    EXPECT_EQ(c->stunTimer, 0);

    c->hit();
    EXPECT_EQ(sounds.countOf(KTSoundId::CreeperDeath), 1);
    EXPECT_TRUE(c->dead);
    EXPECT_EQ(sounds.countOf(KTSoundId::BlockExplode), 1);
    // takeDamage does not hurt it.
    c->takeDamage(5);
    EXPECT_EQ(c->hitPoints, 0);
}

TEST_F(Creeper, BlastsDoNotHurtIt)
{
    RWCreeper* c = creeper(cellCentre(4, 0, 5));
    physics.resolveCollisions();
    world->blastAround(world->chainQueue, cellCentre(5, 0, 5), true);
    EXPECT_EQ(c->hitPoints, 2);
    EXPECT_FALSE(c->spinning);
}

TEST_F(Creeper, HopsOnItsSixthStuckPathStep)
{
    RWCreeper* c = creeper(VXVec4(105, 15, 105, 1));
    // Other objects never block its path.
    block(4, 0, 3);
    const VXVec4 goal = cellCentre(6, 0, 3);
    for (int step = 1; step <= 5; ++step) {
        VXVec4 p = c->pathDirection(goal);
        EXPECT_EQ(p.y(), 0.0f) << step;
        EXPECT_EQ(p.x(), 1.0f) << step;
        // Less than 2 units away from where it got stuck.
        c->position.x() += 0.3f;
    }
    VXVec4 hop = c->pathDirection(goal);
    EXPECT_EQ(hop.x(), 1.0f);
    EXPECT_EQ(hop.y(), 5.0f);
    EXPECT_EQ(hop.z(), 0.0f);
    EXPECT_EQ(c->pathDirection(goal).y(), 5.0f);
    // Moving 2 units on from the stuck spot starts over.
    c->position.x() = 107.0f;
    EXPECT_EQ(c->pathDirection(goal).y(), 0.0f);
    EXPECT_EQ(c->stuckCount, 0);
    EXPECT_EQ(c->pathDirection(goal).y(), 0.0f);
    EXPECT_EQ(c->stuckCount, 1);
}

TEST_F(Creeper, RollAndYawWrapAt360)
{
    RWCreeper* c = creeper(VXVec4(105, 15, 105, 1));
    c->rolling = true;
    c->moveDirection = VXVec4(1, 0, 0, 1);
    c->roll = -358.5f;
    run(1);
    EXPECT_FLOAT_EQ(c->roll, -359.5f);
    EXPECT_NEAR(c->yaw, 1.5707964f, 1e-6f);
    run(1);
    EXPECT_EQ(c->roll, 0.0f);

    c->rolling = false;
    c->spinning = true;
    c->yaw = 358.5f;
    run(1);
    EXPECT_FLOAT_EQ(c->yaw, 359.5f);
    run(1);
    EXPECT_EQ(c->yaw, 0.0f);
    // No stun running: it keeps spinning.
    EXPECT_TRUE(c->spinning);
    const VXQuat expected = VXQuat::fromAngleAxis(0.0f, 0, 1, 0) * VXQuat::fromAngleAxis(c->roll, 1, 0, 0);
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(c->rollOrientation[i], expected[i], 1e-6f);
    }
}

TEST_F(Creeper, RollsOnceAlerted)
{
    RWCreeper* c = creeper(VXVec4(105, 15, 105, 1));
    placePlayer(VXVec4(105, 15, 300, 1));
    run(1);
    EXPECT_EQ(sounds.countOf(KTSoundId::CreeperSight), 1);
    EXPECT_TRUE(c->rolling);
    EXPECT_EQ(c->state, QMState::Wandering);
    EXPECT_EQ(c->cooldown, 10);
}

TEST_F(Creeper, WithoutATargetItSeesNothingAndALungeGoesOffWhereItStands)
{
    RWCreeper* c = new RWCreeper();
    c->position = VXVec4(105, 15, 105, 1);
    world->addObject(c, [&] { c->spawn(&physics, world.get(), nullptr, 1, 0, 0, 19, 19); });
    const int id = c->objectId;
    run(1);
    EXPECT_FALSE(c->targetVisible);
    EXPECT_EQ(c->state, QMState::Idle);

    // A contact sets it off all the same: no nudge, the fuse still runs.
    c->attack1();
    EXPECT_TRUE(c->charged);
    EXPECT_EQ(c->attackTimer, 2);
    EXPECT_EQ(c->physicsObject->velocity.x(), 0.0f);
    EXPECT_EQ(c->physicsObject->velocity.z(), 0.0f);
    run(2);
    EXPECT_TRUE(c->dead);
    EXPECT_FALSE(inWorld(id));
}
