#include "EnemyWorld.h"

#include "engine/animation/VXSkeleton.h"
#include "engine/animation/VXStanceTrack.h"
#include "game/audio/KTSoundId.h"
#include "game/objects/KTPhysicsKind.h"
#include "game/objects/KTPickup.h"
#include "game/objects/QMZealot.h"
#include "game/start/KTAssets.h"

namespace {

class Zealot : public EnemyWorldTest {
protected:
    // In its attack state with the player diagonally ahead (dx 40, dz 60):
    // not lined up, so only the running attack keeps it there.
    QMZealot* windingUp()
    {
        QMZealot* z = spawn<QMZealot>(VXVec4(105, 14, 105, 1));
        bringTo(z->skeleton, z->standStance);
        placePlayer(VXVec4(145, 15, 165, 1));
        z->state = QMState::Attack1;
        z->attackInProgress = true;
        return z;
    }
};

} // namespace

TEST_F(Zealot, SpawnsInItsSpawnPose)
{
    QMZealot* z = spawn<QMZealot>(VXVec4(105, 14, 105, 1));
    EXPECT_EQ(z->body.kind, KTPhysicsKind::Zealot);
    EXPECT_FLOAT_EQ(z->body.inverseMass, 0.2f);
    EXPECT_EQ(z->body.boxMin.y(), -14.0f);
    EXPECT_EQ(z->body.boxMax.x(), 12.0f);
    EXPECT_EQ(z->hitPoints, 5);
    EXPECT_EQ(z->leapTimer, -1);
    EXPECT_EQ(z->attackRange(0), 120.0f);
    EXPECT_EQ(z->sightRange(), 360.0f);
    run(1);
    EXPECT_TRUE(stanceIs(z->skeleton, z->spawnStance));

    // First sight: out of the spawn pose, and 100 updates before it acts.
    placePlayer(VXVec4(105, 15, 400, 1));
    run(1);
    EXPECT_EQ(sounds.countOf(KTSoundId::ZealotSight), 1);
    EXPECT_EQ(z->cooldown, 100);
    ASSERT_NE(z->skeleton->queuedTrack, nullptr);
    EXPECT_EQ(z->skeleton->queuedTrack->index, z->spawnToStandStance);
}

TEST_F(Zealot, LeapsAlongOneAxisInThe51stUpdateAndIsDamagingFor30)
{
    QMZealot* z = windingUp();
    run(1);
    EXPECT_TRUE(z->leaping);
    EXPECT_EQ(z->leapTimer, 50);
    EXPECT_EQ(sounds.countOf(KTSoundId::ZealotPrep), 1);
    EXPECT_TRUE(stanceIs(z->skeleton, z->attackStance));
    run(1);
    // The target is taken now; where the player goes later does not matter.
    EXPECT_FLOAT_EQ(z->leapTarget.z(), 165.0f);
    placePlayer(VXVec4(15, 15, 100, 1));
    run(48);
    // Further attack calls only centre it.
    EXPECT_EQ(sounds.countOf(KTSoundId::ZealotPrep), 1);
    EXPECT_EQ(z->leapTimer, 1);
    run(1);
    EXPECT_EQ(z->body.kind, KTPhysicsKind::Zealot);
    EXPECT_EQ(sounds.countOf(KTSoundId::ZealotCharge), 0);
    run(1);
    EXPECT_EQ(sounds.countOf(KTSoundId::ZealotCharge), 1);
    EXPECT_EQ(z->body.kind, KTPhysicsKind::LeapingZealot);
    EXPECT_FALSE(z->leaping);
    EXPECT_EQ(z->leapTimer, -1);
    // The launch comes before this update's think, which counts the cooldown down.
    EXPECT_EQ(z->cooldown, 149);
    EXPECT_FALSE(z->attackInProgress);
    // Along z (dz 60 beats dx 40): 90 times the inverse mass 0.2.
    EXPECT_NEAR(z->physicsObject->velocity.z(), 18.0f, 0.5f);
    EXPECT_NEAR(z->physicsObject->velocity.x(), 0.0f, 0.5f);

    for (int i = 0; i < 30; ++i) {
        run(1);
        EXPECT_EQ(z->body.kind, KTPhysicsKind::LeapingZealot) << i;
    }
    run(1);
    EXPECT_EQ(z->body.kind, KTPhysicsKind::Zealot);
}

TEST_F(Zealot, KilledDuringItsWindUpNeverLaunches)
{
    QMZealot* z = windingUp();
    run(10);
    z->takeDamage(5);
    EXPECT_TRUE(z->dead);
    EXPECT_EQ(sounds.countOf(KTSoundId::ZealotDeath), 1);
    run(45);
    EXPECT_EQ(z->leapTimer, -1);
    EXPECT_FALSE(z->leaping);
    EXPECT_EQ(sounds.countOf(KTSoundId::ZealotCharge), 0);
    EXPECT_EQ(z->body.kind, KTPhysicsKind::Zealot);
}

TEST_F(Zealot, PainOnlyFromAnInterruptibleStance)
{
    QMZealot* z = windingUp();
    run(1);
    ASSERT_TRUE(stanceIs(z->skeleton, z->attackStance));
    z->takeDamage(1);
    EXPECT_EQ(sounds.countOf(KTSoundId::ZealotPain), 1);
    EXPECT_TRUE(stanceIs(z->skeleton, z->attackStance));

    QMZealot* other = spawn<QMZealot>(VXVec4(405, 14, 405, 1));
    bringTo(other->skeleton, other->walkStance);
    other->takeDamage(1);
    EXPECT_TRUE(stanceIs(other->skeleton, other->painStance));
    EXPECT_EQ(other->hitPoints, 4);
}

TEST_F(Zealot, RecoversFromItsFlightAttackOnceTheCooldownIsOut)
{
    QMZealot* z = spawn<QMZealot>(VXVec4(105, 14, 105, 1));
    bringTo(z->skeleton, z->attackStance);
    bringTo(z->skeleton, z->flightAttackStance);
    z->cooldown = 0;
    z->pursue();
    EXPECT_EQ(z->cooldown, 40);
    EXPECT_EQ(sounds.countOf(KTSoundId::ZealotRecover), 1);
    ASSERT_NE(z->skeleton->queuedTrack, nullptr);
    EXPECT_EQ(z->skeleton->queuedTrack->index, z->attackReturnStance);
    // While the cooldown runs, nothing.
    z->wander();
    EXPECT_EQ(sounds.countOf(KTSoundId::ZealotRecover), 1);
}

TEST_F(Zealot, DestroyAmmoIsDroppedOnceWhenTheDeadStanceFirstShows)
{
    QMZealot* z = spawn<QMZealot>(VXVec4(105, 14, 105, 1));
    z->takeDamage(5);
    z->takeDamage(5);
    EXPECT_EQ(sounds.countOf(KTSoundId::ZealotDeath), 1);
    for (int i = 0; i < 10 * OneShotUpdates && !stanceIs(z->skeleton, z->deadStance); ++i) {
        run(1);
        EXPECT_EQ(countOf<RWDestroyAmmoPickup>(), 0);
    }
    ASSERT_TRUE(stanceIs(z->skeleton, z->deadStance));
    run(1);
    EXPECT_EQ(countOf<RWDestroyAmmoPickup>(), 1);
    EXPECT_FALSE(z->body.collides);
    run(30);
    EXPECT_EQ(countOf<RWDestroyAmmoPickup>(), 1);
    EXPECT_EQ(countOf<RWRedAmmoPickup>(), 0);
}
