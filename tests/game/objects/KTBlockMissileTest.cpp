#include "engine/core/VXLog.h"
#include "tests/game/level/WorldFixture.h"

#include <cmath>
#include <map>
#include <tuple>

#include "game/audio/KTSoundId.h"
#include "game/level/KTLevelFileReader.h"
#include "game/level/KTPhysicsObject.h"
#include "game/objects/KTBlockMissile.h"
#include "support/TempDir.h"

namespace {

class Missile : public LevelWorldTest {
protected:
    // Oriented by `orientation`; a zero quaternion leaves it standing still.
    KTBlockMissile* missile(int type, const VXVec4& p, const VXQuat& orientation)
    {
        KTBlockMissile* m = new KTBlockMissile();
        m->missileType = type;
        m->position = p;
        m->orientation = orientation;
        world->addObject(m);
        return m;
    }

    static VXQuat still()
    {
        VXQuat q;
        q.x() = q.y() = q.z() = q.w() = 0.0f;
        return q;
    }

    // Along +x.
    static VXQuat east() { return VXQuat::fromAngleAxis(1.5707964f, 0, 1, 0); }

    // The block that a missile left, found by its cell centre.
    KTBlock* blockAt(const VXVec4& centre)
    {
        for (auto& entry : world->objectMap) {
            KTBlock* b = dynamic_cast<KTBlock*>(entry.second);
            if (b != nullptr && b->position.x() == centre.x() && b->position.y() == centre.y()
                && b->position.z() == centre.z()) {
                return b;
            }
        }
        return nullptr;
    }

    int blockCount() const
    {
        int n = 0;
        for (auto& entry : world->objectMap) {
            n += dynamic_cast<KTBlock*>(entry.second) != nullptr ? 1 : 0;
        }
        return n;
    }
};

} // namespace

TEST_F(Missile, AttachGivesTheTypesKindAndLaunchesAtTenPerUpdate)
{
    const int types[] = {0, 1, 4, 9, 10, 12, 13, 7};
    const int kinds[] = {13, 1, 1, 4, 13, 21, 22, 1};
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(testing::Message() << "type " << types[i]);
        KTBlockMissile* m = missile(types[i], VXVec4(100, 100 + 10 * i, 100, 1), east());
        EXPECT_EQ(m->body.kind, kinds[i]);
        EXPECT_EQ(m->body.inverseMass, 10.0f);
        EXPECT_EQ(m->body.boxMax.x(), 6.0f);
        EXPECT_FALSE(m->body.falls);
        EXPECT_TRUE(m->alive);
        EXPECT_EQ(m->age, 0);
        EXPECT_NEAR(m->physicsObject->velocity.x(), 10.0f, 1e-4f);
        EXPECT_NEAR(m->physicsObject->velocity.z(), 0.0f, 1e-4f);
    }
}

TEST_F(Missile, BuildsOnlyFromItsThirdUpdate)
{
    // A grey wall in cell x 5; the missiles fly at it along +x.
    block(5, 1, 3, 4);
    block(5, 1, 7, 4);
    // Touches on the first pass, sees it at age 2.
    KTBlockMissile* early = missile(1, VXVec4(140, 45, 105, 1), east());
    // Touches on the second pass, sees it at age 3.
    KTBlockMissile* late = missile(1, VXVec4(130, 45, 225, 1), east());
    const int blocksBefore = blockCount();

    run(2);
    EXPECT_FALSE(inWorld(early->objectId));
    EXPECT_EQ(sounds.countOf(KTSoundId::BlueBlockHit), 1);
    EXPECT_EQ(sounds.countOf(KTSoundId::BlockCreate), 0);
    EXPECT_EQ(blockCount(), blocksBefore);

    const int lateId = late->objectId;
    run(1);
    EXPECT_FALSE(inWorld(lateId));
    ASSERT_EQ(sounds.played.size(), 3u);
    EXPECT_EQ(sounds.played[1].id, KTSoundId::BlockCreate);
    EXPECT_EQ(sounds.played[2].id, KTSoundId::BlueBlockHit);
    // Bounced back off the wall into cell x 4: a blue block there.
    KTBlock* built = blockAt(VXVec4(135, 45, 225, 1));
    ASSERT_NE(built, nullptr);
    EXPECT_EQ(built->blockType, 1);
    EXPECT_EQ(built->body.kind, 102);
    EXPECT_EQ(built->body.id, built->objectId);
}

TEST_F(Missile, RangeEndsSilentlyAndHasNoLowerBound)
{
    KTBlockMissile* far = missile(1, VXVec4(1000.5f, 300, 300, 1), still());
    KTBlockMissile* deep = missile(1, VXVec4(300, -2000, 300, 1), still());
    EXPECT_TRUE(far->isOutOfRange());
    EXPECT_FALSE(deep->isOutOfRange());
    const int farId = far->objectId;
    run(1);
    EXPECT_FALSE(inWorld(farId));
    EXPECT_TRUE(inWorld(deep->objectId));
    EXPECT_TRUE(sounds.played.empty());

    KTBlockMissile probe;
    probe.position = VXVec4(0, 1000.5f, 0, 1);
    EXPECT_TRUE(probe.isOutOfRange());
    probe.position = VXVec4(0, 0, -1000.5f, 1);
    EXPECT_TRUE(probe.isOutOfRange());
    probe.position = VXVec4(-1000, 1000, 1000, 1);
    EXPECT_FALSE(probe.isOutOfRange());
}

TEST_F(Missile, RedMissileBuildsARedBlockInTheCellWhereItStopped)
{
    KTBlockMissile* red = missile(0, VXVec4(47, 62, 301, 1), still());
    run(2);
    red->touched = true;
    run(1);
    KTBlock* built = blockAt(VXVec4(45, 75, 315, 1));
    ASSERT_NE(built, nullptr);
    EXPECT_EQ(built->blockType, 0);
    EXPECT_EQ(built->body.kind, 101);
    ASSERT_EQ(sounds.played.size(), 2u);
    EXPECT_EQ(sounds.played[0].id, KTSoundId::BlockCreate);
    EXPECT_EQ(sounds.played[1].id, KTSoundId::RedBlockHit);
    EXPECT_EQ(sounds.played[1].position.x(), 47.0f);
}

TEST_F(Missile, StepsBackOutOfADestroyMissilesCellBeforeBuilding)
{
    // Both in cell z 5 at the third update; the grey one, flying +z at 10
    // per update, steps back into cell z 4.
    missile(9, VXVec4(165, 45, 177, 1), still());
    KTBlockMissile* grey = missile(1, VXVec4(165, 45, 132, 1), VXQuat::identity());
    run(2);
    ASSERT_EQ(grey->position.z(), 152.0f);
    grey->touched = true;
    run(1);
    EXPECT_NE(blockAt(VXVec4(165, 45, 135, 1)), nullptr);
    EXPECT_EQ(blockAt(VXVec4(165, 45, 165, 1)), nullptr);
    EXPECT_EQ(sounds.played.back().position.z(), 142.0f);
}

TEST_F(Missile, DestroyMissileBuildsNothingAndAFragmentBuildsTypeThirteen)
{
    KTBlockMissile* destroy = missile(9, VXVec4(225, 45, 225, 1), still());
    KTBlockMissile* fragment = missile(13, VXVec4(345, 45, 345, 1), still());
    const int blocks = blockCount();
    run(3);
    destroy->touched = true;
    fragment->touched = true;
    run(1);
    EXPECT_EQ(blockCount(), blocks + 1);
    EXPECT_EQ(sounds.countOf(KTSoundId::DestroyHit), 1);
    EXPECT_EQ(sounds.countOf(KTSoundId::AcidFragmentHit), 1);
    KTBlock* built = blockAt(VXVec4(345, 45, 345, 1));
    ASSERT_NE(built, nullptr);
    EXPECT_EQ(built->body.kind, 100);
}

TEST_F(Missile, SpinsAndAgesEveryUpdate)
{
    KTBlockMissile* m = missile(1, VXVec4(300, 300, 300, 1), still());
    run(4);
    EXPECT_EQ(m->age, 4);
    EXPECT_NEAR(m->spin, 0.2f, 1e-6f);
    EXPECT_EQ(m->previousPosition.x(), 300.0f);
}

TEST_F(Missile, NeverBuildsASecondBlockInACellThatHoldsOne)
{
    // A shooter hops about a player who stands still, walling the player in
    // with grey blocks; its missiles start inside the blocks beside it, and
    // are pushed from one into the next.
    TempDir dir;
    {
        VXLogCapture quiet;
        world->scriptReader->parseFile(dir.write("shooter.txt", "Create_Player 10 1 0\nCreate_Enemy 16 4 1 shooter"));
    }
    player.physicsObject->position = player.position;
    std::map<std::tuple<int, int, int>, int> cells;
    for (int i = 0; i < 60; ++i) {
        run(50);
        cells.clear();
        for (auto& entry : world->objectMap) {
            KTBlock* b = dynamic_cast<KTBlock*>(entry.second);
            if (b != nullptr && !b->destroyed) {
                const auto cell = std::make_tuple(int(b->position.x() / 30), int(b->position.y() / 30),
                                                  int(b->position.z() / 30));
                ASSERT_EQ(++cells[cell], 1) << "after " << (i + 1) * 50 << " updates, cell " << std::get<0>(cell)
                                            << ", " << std::get<1>(cell) << ", " << std::get<2>(cell);
            }
        }
    }
    EXPECT_GE(cells.size(), 2u) << "the shooter built its wall";
}
