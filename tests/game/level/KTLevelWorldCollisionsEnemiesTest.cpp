#include "tests/game/objects/EnemyWorld.h"

#include "game/audio/KTSoundId.h"
#include "game/objects/KTBlockMissile.h"
#include "game/objects/QMZealot.h"
#include "game/objects/RWAnubis.h"
#include "game/objects/RWColossus.h"
#include "game/objects/RWReaper.h"
#include "support/TestWindow.h"

namespace {

// The collision rules on the real enemy types: a missile that meets one in
// flight damages it once and leaves the ending of the missile to itself.
class EnemyCollisions : public EnemyWorldTest {
protected:
    void SetUp() override { ASSERT_TRUE(openTestWindow()); }

    // A red missile flying east at `target`, 15 units short of its box.
    KTBlockMissile* fireAt(const KTGameObject& target)
    {
        const VXVec4& p = target.position;
        KTBlockMissile* m = new KTBlockMissile();
        m->missileType = 0;
        m->position = VXVec4(p.x() + target.body.boxMin.x() - 6 - 15, p.y(), p.z(), 1);
        m->orientation = VXQuat::fromAngleAxis(1.5707964f, 0, 1, 0);
        world->addObject(m);
        return m;
    }

    template <typename Enemy>
    void expectOneHit(const VXVec4& p)
    {
        Enemy* enemy = spawn<Enemy>(p);
        const int before = enemy->hitPoints;
        KTBlockMissile* missile = fireAt(*enemy);
        const int missileId = missile->objectId;
        // Two passes bring the missile into contact, the third update ends it.
        run(2);
        EXPECT_EQ(enemy->hitPoints, before - 1);
        EXPECT_TRUE(inWorld(missileId));
        run(1);
        EXPECT_FALSE(inWorld(missileId));
        EXPECT_EQ(enemy->hitPoints, before - 1);
    }
};

} // namespace

TEST_F(EnemyCollisions, RedMissileHitsAnubisOnce)
{
    expectOneHit<RWAnubis>(VXVec4(300, 15, 300, 1));
}

TEST_F(EnemyCollisions, RedMissileHitsReaperOnce)
{
    expectOneHit<RWReaper>(VXVec4(300, 45, 300, 1));
}

TEST_F(EnemyCollisions, RedMissileHitsZealotOnce)
{
    expectOneHit<QMZealot>(VXVec4(300, 15, 300, 1));
}

TEST_F(EnemyCollisions, RedMissileHitsColossusOnce)
{
    expectOneHit<RWColossus>(VXVec4(300, 15, 300, 1));
}
