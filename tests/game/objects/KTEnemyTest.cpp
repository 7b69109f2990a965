#include "tests/game/level/WorldFixture.h"

#include <cmath>

#include "game/audio/KTSoundId.h"
#include "game/level/KTPhysicsObject.h"
#include "game/objects/KTBlockMissile.h"
#include "game/objects/KTEnemy.h"
#include "tests/game/objects/InstalledModels.h"

namespace {

class Enemy : public LevelWorldTest {
protected:
    KTEnemy* enemy(int kind, const VXVec4& p)
    {
        KTEnemy* e = new KTEnemy();
        e->position = p;
        if (kind == KTEnemy::Elevator) {
            e->home = p;
        }
        world->addEnemy(e, kind);
        return e;
    }

    void place(KTGameObject& object, const VXVec4& p)
    {
        object.physicsObject->position = p;
        object.position = p;
    }

    int missileCount() const
    {
        int n = 0;
        for (auto& entry : world->objectMap) {
            n += dynamic_cast<KTBlockMissile*>(entry.second) != nullptr ? 1 : 0;
        }
        return n;
    }
};

} // namespace

TEST_F(Enemy, AddEnemyEntersItUnderTheNextIdAimedAtThePlayer)
{
    InstalledModels models;
    const int id = world->nextId;
    KTEnemy* pet = enemy(KTEnemy::Pet, VXVec4(61, 2, 62, 1));
    EXPECT_EQ(pet->objectId, id);
    EXPECT_EQ(pet->body.id, id);
    EXPECT_EQ(world->findObject(id), pet);
    EXPECT_EQ(pet->target, &player);
    // The creator's position stands.
    EXPECT_EQ(pet->physicsObject->position.x(), 61.0f);
    EXPECT_EQ(pet->home.x(), 0.0f);
    EXPECT_EQ(pet->jumpTimer, -5);
    EXPECT_EQ(pet->hopsLeft, -5);
    EXPECT_EQ(pet->fireCooldown, 200);
    EXPECT_TRUE(pet->body.falls);

    const int kinds[] = {2, 2, 3, 5};
    const float masses[] = {0.2f, 0.2f, 0.01f, 0.2f};
    const VXOBJData* shapes[] = {assets().greenBlock, assets().redBlock, assets().yellowBlock, assets().purpleBlock};
    for (int kind = 0; kind < 4; ++kind) {
        KTEnemy* e = enemy(kind, VXVec4(100 + 40 * kind, 15, 300, 1));
        EXPECT_EQ(e->body.kind, kinds[kind]);
        EXPECT_EQ(e->body.inverseMass, masses[kind]);
        EXPECT_EQ(KTEnemy::modelOfKind(kind), shapes[kind]);
    }
}

TEST_F(Enemy, ShooterFiresOnlyInItsWindowAndThenWaitsTwentyUpdates)
{
    place(player, VXVec4(300, 15, 300, 1));
    KTEnemy* near = enemy(KTEnemy::Shooter, VXVec4(300, 15, 330, 1));
    near->fireCooldown = 1;
    near->update();
    EXPECT_EQ(missileCount(), 0);
    // It moved toward the target all the same, and turned to face it.
    EXPECT_LT(near->physicsObject->velocity.z(), 0.0f);
    EXPECT_NEAR(near->orientation.rotate(VXVec4(0, 0, 1, 1)).z(), -1.0f, 1e-5f);

    KTEnemy* shooter = enemy(KTEnemy::Shooter, VXVec4(340, 15, 300, 1));
    shooter->fireCooldown = 1;
    shooter->update();
    ASSERT_EQ(missileCount(), 1);
    EXPECT_EQ(shooter->fireCooldown, 20);
    KTBlockMissile* shot = nullptr;
    for (auto& entry : world->objectMap) {
        if ((shot = dynamic_cast<KTBlockMissile*>(entry.second)) != nullptr) {
            break;
        }
    }
    EXPECT_EQ(shot->missileType, 4);
    EXPECT_EQ(shot->body.kind, 1);
    // 20 ahead toward the target (-x) and 5 below.
    EXPECT_NEAR(shot->position.x(), 320.0f, 1e-3f);
    EXPECT_NEAR(shot->position.y(), 10.0f, 1e-3f);
    EXPECT_NEAR(shot->physicsObject->velocity.x(), -10.0f, 1e-3f);
    EXPECT_TRUE(sounds.played.empty());

    for (int i = 0; i < 19; ++i) {
        shooter->update();
    }
    EXPECT_EQ(missileCount(), 1);
    shooter->update();
    EXPECT_EQ(missileCount(), 2);
}

TEST_F(Enemy, ShooterCloseBelowItsTargetGetsNoLift)
{
    place(player, VXVec4(300, 55, 300, 1));
    KTEnemy* shooter = enemy(KTEnemy::Shooter, VXVec4(310, 15, 300, 1));
    shooter->update();
    const float l = std::sqrt(1700.0f);
    EXPECT_EQ(shooter->physicsObject->velocity.y(), 0.0f);
    EXPECT_NEAR(shooter->physicsObject->velocity.x(), -10 / l * 0.25f * 0.2f, 1e-6f);

    // Right on top of its target: no direction, no push, no NaN.
    KTEnemy* onTop = enemy(KTEnemy::Shooter, VXVec4(300, 55, 300, 1));
    onTop->fireCooldown = 0;
    onTop->update();
    EXPECT_EQ(onTop->physicsObject->velocity.x(), 0.0f);
    EXPECT_FALSE(std::isnan(onTop->orientation.w()));
}

TEST_F(Enemy, ElevatorCarriesItsRiderUpAndStopsAtItsTop)
{
    KTEnemy* lift = enemy(KTEnemy::Elevator, VXVec4(165, 15, 165, 1));
    lift->topCell = 3;
    place(player, VXVec4(165, 46, 165, 1));
    bool stopped = false;
    for (int i = 0; i < 200 && !stopped; ++i) {
        run(1);
        const float y = lift->physicsObject->position.y();
        EXPECT_LE(y, 112.0f);
        stopped = y > 107.0f;
        if (stopped) {
            EXPECT_EQ(y, 112.0f);
        }
        EXPECT_EQ(lift->physicsObject->position.x(), 165.0f);
    }
    EXPECT_TRUE(stopped);
    EXPECT_GT(sounds.countOf(KTSoundId::ElevatorUp), 10);

    // Without a rider it sinks back.
    place(player, VXVec4(465, 15, 465, 1));
    run(100);
    EXPECT_LT(lift->physicsObject->position.y(), 16.0f);
}

TEST_F(Enemy, PetLinesUpItsRiderThenJumpsForFiveUpdates)
{
    KTEnemy* pet = enemy(KTEnemy::Pet, VXVec4(165, 15, 165, 1));
    place(player, VXVec4(170, 46, 168, 1));
    int i = 0;
    for (; i < 100 && pet->jumpTimer != 40; ++i) {
        run(1);
    }
    ASSERT_EQ(pet->jumpTimer, 40);
    // Not before its twelfth update (sinceJump > 10).
    EXPECT_GE(i, 11);
    for (int wait = 39; wait >= 0; --wait) {
        run(1);
        ASSERT_EQ(pet->jumpTimer, wait);
    }
    EXPECT_EQ(sounds.countOf(KTSoundId::PetJump), 0);
    for (int push = 1; push <= 5; ++push) {
        const float before = pet->physicsObject->velocity.y();
        run(1);
        EXPECT_EQ(pet->jumpTimer, -push);
        EXPECT_EQ(sounds.countOf(KTSoundId::PetJump), push >= 2 ? 1 : 0) << "push " << push;
        EXPECT_GT(pet->physicsObject->velocity.y(), before) << "push " << push;
    }
    EXPECT_EQ(sounds.played.back().id, KTSoundId::PetJump);
}

TEST_F(Enemy, BlobHopsFourTimesAndReArmsOnlyAfterTheTargetWasFarAway)
{
    KTEnemy* blob = enemy(KTEnemy::Blob, VXVec4(300, 15, 300, 1));
    place(player, VXVec4(345, 15, 300, 1));
    run(150);
    EXPECT_EQ(sounds.countOf(KTSoundId::BlobHappyHop), 4);
    EXPECT_EQ(sounds.countOf(KTSoundId::PetHappyHop), 0);
    EXPECT_TRUE(blob->celebrated);

    const VXVec4 home = blob->physicsObject->position;
    // 68 away is not far enough.
    place(player, VXVec4(home.x() + 68, 15, home.z(), 1));
    run(1);
    EXPECT_TRUE(blob->celebrated);
    place(player, VXVec4(home.x() + 45, 15, home.z(), 1));
    run(100);
    EXPECT_EQ(sounds.countOf(KTSoundId::BlobHappyHop), 4);

    const VXVec4 now = blob->physicsObject->position;
    place(player, VXVec4(now.x() + 75, 15, now.z(), 1));
    run(1);
    EXPECT_FALSE(blob->celebrated);
    place(player, VXVec4(now.x() + 45, 15, now.z(), 1));
    run(150);
    EXPECT_EQ(sounds.countOf(KTSoundId::BlobHappyHop), 8);
}

TEST_F(Enemy, CentreOnCellDriftsOnlyWhenNearlyStopped)
{
    KTEnemy* pet = enemy(KTEnemy::Pet, VXVec4(100, 15, 130, 1));
    pet->physicsObject->velocity = VXVec4(0.3f, 0, 0, 1);
    pet->centreOnCell();
    EXPECT_EQ(pet->physicsObject->velocity.x(), 0.3f);
    pet->physicsObject->velocity = VXVec4(0.2f, 0, 0, 1);
    pet->centreOnCell();
    EXPECT_FLOAT_EQ(pet->physicsObject->velocity.x(), 0.2f + (105 - 100) / 50.0f * 0.2f);
    EXPECT_FLOAT_EQ(pet->physicsObject->velocity.z(), (135 - 130) / 50.0f * 0.2f);
}

TEST_F(Enemy, ShooterFacesItsTargetFromEverySide)
{
    place(player, VXVec4(300, 15, 300, 1));
    const float offsets[][2] = {{50, 50}, {-50, -50}, {50, -20}, {-50, 20}, {60, 0}, {-60, 0}, {0, 60}, {0, -60}};
    for (const auto& offset : offsets) {
        SCOPED_TRACE(testing::Message() << "shooter at +" << offset[0] << ", +" << offset[1]);
        KTEnemy* shooter = enemy(KTEnemy::Shooter, VXVec4(300 + offset[0], 15, 300 + offset[1], 1));
        shooter->update();
        const VXVec4 facing = shooter->orientation.rotate(VXVec4(0, 0, 1, 1));
        const float length = std::sqrt(offset[0] * offset[0] + offset[1] * offset[1]);
        EXPECT_NEAR(facing.x(), -offset[0] / length, 1e-5f);
        EXPECT_NEAR(facing.z(), -offset[1] / length, 1e-5f);
    }
}
