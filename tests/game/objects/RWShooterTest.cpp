#include "EnemyWorld.h"

#include "engine/animation/VXSkeleton.h"
#include "engine/animation/VXStanceTrack.h"
#include "game/audio/KTSoundId.h"
#include "game/objects/KTBlockMissile.h"
#include "game/objects/KTPhysicsKind.h"
#include "game/objects/KTPickup.h"
#include "game/objects/RWAnubis.h"
#include "game/objects/RWReaper.h"
#include "game/start/KTAssets.h"

namespace {

class Shooter : public EnemyWorldTest {
protected:
    // Seen the player and pursuing it, lined up 100 units away along +z.
    template <typename T>
    T* inRange()
    {
        T* shooter = spawn<T>(VXVec4(105, 15, 105, 1));
        placePlayer(VXVec4(105, 15, 205, 1));
        shooter->state = QMState::Pursuing;
        return shooter;
    }

    template <typename T>
    int missilesOfType(int type) const
    {
        int n = 0;
        for (const auto& entry : world->objectMap) {
            const KTBlockMissile* m = dynamic_cast<const KTBlockMissile*>(entry.second);
            n += m != nullptr && m->missileType == type ? 1 : 0;
        }
        return n;
    }
};

} // namespace

TEST_F(Shooter, SpawnGivesEachTypeItsBody)
{
    RWAnubis* anubis = spawn<RWAnubis>(VXVec4(105, 15, 105, 1));
    RWReaper* reaper = spawn<RWReaper>(VXVec4(225, 75, 105, 1));
    EXPECT_EQ(anubis->body.kind, KTPhysicsKind::Anubis);
    EXPECT_EQ(reaper->body.kind, KTPhysicsKind::Reaper);
    EXPECT_EQ(anubis->hitPoints, 10);
    EXPECT_EQ(reaper->hitPoints, 8);
    EXPECT_TRUE(anubis->body.falls);
    // A living reaper is not pulled down.
    EXPECT_FALSE(reaper->body.falls);
    EXPECT_TRUE(reaper->body.collides);
    EXPECT_EQ(anubis->attackRange(0), 150.0f);
    EXPECT_FLOAT_EQ(anubis->runSpeed(), 0.15f);
    EXPECT_FLOAT_EQ(reaper->runSpeed(), 0.04f);
    ASSERT_NE(anubis->skeleton, nullptr);
    EXPECT_EQ(anubis->deadStance, stance(assets().fortressEnemy, "Dead"));
    EXPECT_EQ(anubis->standStance, stance(assets().fortressEnemy, "Stand"));
    EXPECT_EQ(anubis->body.id, anubis->objectId);
}

TEST_F(Shooter, DiesOnTheFourthHitWithThreePainEffects)
{
    RWAnubis* anubis = spawn<RWAnubis>(VXVec4(105, 15, 105, 1));
    anubis->takeDamage(3);
    anubis->takeDamage(3);
    anubis->takeDamage(3);
    EXPECT_FALSE(anubis->dead);
    EXPECT_EQ(sounds.countOf(KTSoundId::AnubisPain), 3);
    EXPECT_TRUE(stanceIs(anubis->skeleton, anubis->painStance));
    anubis->takeDamage(1);
    EXPECT_TRUE(anubis->dead);
    EXPECT_EQ(anubis->state, QMState::Dead);
    EXPECT_EQ(sounds.countOf(KTSoundId::AnubisPain), 3);
    EXPECT_EQ(sounds.countOf(KTSoundId::AnubisDeath), 1);
    EXPECT_TRUE(stanceIs(anubis->skeleton, anubis->deathStance));
    // A later hit lowers the points further and dies no second time.
    anubis->takeDamage(2);
    EXPECT_EQ(anubis->hitPoints, -2);
    EXPECT_EQ(sounds.countOf(KTSoundId::AnubisDeath), 1);
}

TEST_F(Shooter, ShotLeavesInThe51stUpdateAfterTheAttackStarts)
{
    RWAnubis* anubis = inRange<RWAnubis>();
    run(1);
    ASSERT_EQ(anubis->state, QMState::Attack1);
    EXPECT_EQ(anubis->shotTimer, 60);
    EXPECT_EQ(anubis->cooldown, 100);
    EXPECT_FALSE(anubis->attackInProgress);
    EXPECT_TRUE(stanceIs(anubis->skeleton, anubis->attack1Stance));
    // Faces +z, toward the player.
    EXPECT_NEAR(anubis->orientation.w(), 1.0f, 1e-6f);
    // Nudged toward the player.
    EXPECT_GT(anubis->physicsObject->velocity.z(), 0.19f);
    run(50);
    EXPECT_EQ(missilesOfType<RWAnubis>(10), 0);
    EXPECT_EQ(sounds.countOf(KTSoundId::AnubisShot), 0);
    run(1);
    EXPECT_EQ(sounds.countOf(KTSoundId::AnubisShot), 1);
    ASSERT_EQ(missilesOfType<RWAnubis>(10), 1);
    for (const auto& entry : world->objectMap) {
        const KTBlockMissile* m = dynamic_cast<const KTBlockMissile*>(entry.second);
        if (m != nullptr) {
            EXPECT_EQ(m->body.kind, KTPhysicsKind::RedMissile);
            EXPECT_NEAR(m->position.x(), anubis->position.x(), 0.5f);
            EXPECT_NEAR(m->position.z(), anubis->position.z() + 20.0f, 2.0f);
            EXPECT_EQ(m->objectId, m->body.id);
        }
    }
    // The attack ends when the cooldown has run out.
    run(49);
    EXPECT_EQ(anubis->state, QMState::Attack1);
    EXPECT_EQ(anubis->shotTimer, -1);
    run(1);
    EXPECT_EQ(anubis->state, QMState::Pursuing);
}

TEST_F(Shooter, HitBeforeTheShotCancelsIt)
{
    RWAnubis* anubis = inRange<RWAnubis>();
    run(30);
    anubis->takeDamage(1);
    EXPECT_EQ(anubis->shotTimer, 0);
    run(1);
    EXPECT_EQ(anubis->shotTimer, -1);
    EXPECT_EQ(anubis->body.kind, KTPhysicsKind::Anubis);
    run(40);
    EXPECT_EQ(sounds.countOf(KTSoundId::AnubisShot), 0);
    EXPECT_EQ(missilesOfType<RWAnubis>(10), 0);
}

TEST_F(Shooter, AShooterKilledDuringItsWindUpNeverFires)
{
    RWAnubis* anubis = inRange<RWAnubis>();
    run(30);
    ASSERT_GT(anubis->shotTimer, 10);
    anubis->takeDamage(anubis->hitPoints);
    ASSERT_TRUE(anubis->dead);
    run(40);
    EXPECT_EQ(sounds.countOf(KTSoundId::AnubisShot), 0);
    EXPECT_EQ(missilesOfType<RWAnubis>(10), 0);

    // A reaper lined up with the player from the other side.
    RWReaper* reaper = spawn<RWReaper>(VXVec4(105, 15, 305, 1));
    reaper->state = QMState::Pursuing;
    run(1);
    ASSERT_EQ(reaper->shotTimer, 60);
    run(45);
    reaper->takeDamage(reaper->hitPoints);
    ASSERT_TRUE(reaper->dead);
    run(20);
    EXPECT_EQ(sounds.countOf(KTSoundId::ReaperAttackMissile), 0);
    EXPECT_EQ(missilesOfType<RWReaper>(12), 0);
}

TEST_F(Shooter, AnEnemyExactlyOnItsTargetBeginsNoAttackItLacks)
{
    // The player exactly at the shooter's position: no attack that the
    // shooter cannot carry out is begun, and once the player stands lined
    // up in range it shoots.
    RWAnubis* anubis = spawn<RWAnubis>(VXVec4(105, 15, 105, 1));
    anubis->state = QMState::Pursuing;
    player.position = anubis->position;
    anubis->sense();
    anubis->updateState();
    EXPECT_EQ(anubis->attackChoice, 0);
    EXPECT_EQ(anubis->state, QMState::Pursuing);
    EXPECT_FALSE(anubis->attackInProgress);
    run(5);
    placePlayer(VXVec4(anubis->position.x(), 15, anubis->position.z() + 100, 1));
    run(60);
    EXPECT_EQ(sounds.countOf(KTSoundId::AnubisShot), 1);
}

TEST_F(Shooter, RedAmmoIsDroppedOnceWhenTheDeadStanceFirstShows)
{
    RWAnubis* anubis = spawn<RWAnubis>(VXVec4(105, 15, 105, 1));
    run(2);
    anubis->takeDamage(10);
    int updates = 0;
    while (!stanceIs(anubis->skeleton, anubis->deadStance) && updates < 10 * OneShotUpdates) {
        EXPECT_EQ(countOf<RWRedAmmoPickup>(), 0);
        EXPECT_TRUE(anubis->body.collides);
        run(1);
        ++updates;
    }
    ASSERT_TRUE(stanceIs(anubis->skeleton, anubis->deadStance));
    EXPECT_GE(updates, OneShotUpdates);
    // Shown by the last update's stance step: the next update drops it.
    EXPECT_EQ(countOf<RWRedAmmoPickup>(), 0);
    run(1);
    EXPECT_EQ(countOf<RWRedAmmoPickup>(), 1);
    EXPECT_FALSE(anubis->body.collides);
    EXPECT_FALSE(anubis->body.falls);
    EXPECT_EQ(anubis->dropCount, 1);
    run(50);
    EXPECT_EQ(countOf<RWRedAmmoPickup>(), 1);
    // At the corpse, snapped to the centre of its cell.
    for (const auto& entry : world->objectMap) {
        if (dynamic_cast<RWRedAmmoPickup*>(entry.second) != nullptr) {
            EXPECT_EQ(entry.second->position.x(), 105.0f);
            EXPECT_EQ(entry.second->position.z(), 105.0f);
            EXPECT_EQ(entry.second->body.id, entry.first);
        }
    }
    // The corpse stays in the level.
    EXPECT_TRUE(inWorld(anubis->objectId));
}

TEST_F(Shooter, ReaperFliesDownAtATargetBelowAnAnubisMovesOnlyInXAndZ)
{
    RWReaper* reaper = spawn<RWReaper>(VXVec4(105, 135, 105, 1));
    RWAnubis* anubis = spawn<RWAnubis>(VXVec4(345, 135, 105, 1));
    placePlayer(VXVec4(225, 15, 225, 1));
    reaper->pursue();
    anubis->pursue();
    EXPECT_LT(reaper->physicsObject->velocity.y(), -0.01f);
    EXPECT_NEAR(reaper->physicsObject->velocity.lengthSquared(), 0.04f * 0.04f, 1e-6f);
    EXPECT_EQ(anubis->physicsObject->velocity.y(), 0.0f);
    EXPECT_GT(anubis->physicsObject->velocity.lengthSquared(), 0.0f);

    // Wandering, the reaper flies at the target just the same.
    reaper->physicsObject->velocity = VXVec4(0, 0, 0, 1);
    reaper->wander();
    EXPECT_LT(reaper->physicsObject->velocity.y(), -0.01f);
    EXPECT_TRUE(reaper->hasLineOfSight());
}

TEST_F(Shooter, ReaperHoversToShootAndFallsWhenDead)
{
    RWReaper* reaper = spawn<RWReaper>(VXVec4(105, 75, 105, 1));
    placePlayer(VXVec4(105, 15, 205, 1));
    reaper->physicsObject->velocity = VXVec4(1, 2, 3, 1);
    reaper->attack1();
    EXPECT_EQ(reaper->physicsObject->velocity.x(), 0.0f);
    EXPECT_EQ(reaper->physicsObject->velocity.y(), 0.0f);
    EXPECT_EQ(reaper->physicsObject->velocity.z(), 0.0f);
    EXPECT_EQ(reaper->shotTimer, 60);
    run(51);
    EXPECT_EQ(sounds.countOf(KTSoundId::ReaperAttackMissile), 1);
    EXPECT_EQ(missilesOfType<RWReaper>(12), 1);

    reaper->takeDamage(8);
    EXPECT_TRUE(reaper->dead);
    EXPECT_TRUE(reaper->body.falls);
    EXPECT_EQ(sounds.countOf(KTSoundId::ReaperDeath), 1);
}

TEST_F(Shooter, GrowlsEvery500StepsTheReaperWithoutPosition)
{
    RWReaper* reaper = spawn<RWReaper>(VXVec4(105, 75, 105, 1));
    RWAnubis* anubis = spawn<RWAnubis>(VXVec4(345, 15, 105, 1));
    for (int i = 0; i < 499; ++i) {
        reaper->pursue();
        anubis->wander();
    }
    EXPECT_EQ(sounds.countOf(KTSoundId::ReaperActive), 0);
    EXPECT_EQ(sounds.countOf(KTSoundId::AnubisActive), 0);
    reaper->pursue();
    anubis->wander();
    ASSERT_EQ(sounds.countOf(KTSoundId::ReaperActive), 1);
    ASSERT_EQ(sounds.countOf(KTSoundId::AnubisActive), 1);
    for (const auto& played : sounds.played) {
        if (played.id == KTSoundId::ReaperActive) {
            EXPECT_FALSE(played.positional);
        }
        if (played.id == KTSoundId::AnubisActive) {
            EXPECT_TRUE(played.positional);
        }
    }
    EXPECT_EQ(reaper->growlCounter, 0);
}

TEST_F(Shooter, MovementFromAStandingStanceAsksForTheWalkStart)
{
    RWAnubis* anubis = spawn<RWAnubis>(VXVec4(105, 15, 105, 1));
    ASSERT_TRUE(stanceIs(anubis->skeleton, anubis->standStance));
    anubis->wander();
    // Same priority as Stand: queued until Stand restarts.
    ASSERT_NE(anubis->skeleton->queuedTrack, nullptr);
    EXPECT_EQ(anubis->skeleton->queuedTrack->index, anubis->standToWalkStance);

    anubis->state = QMState::Wandering;
    for (int i = 0; i < 10 * OneShotUpdates && !stanceIs(anubis->skeleton, anubis->walkStance); ++i) {
        run(1);
    }
    ASSERT_TRUE(stanceIs(anubis->skeleton, anubis->walkStance));
    // Walking, it asks for nothing.
    anubis->skeleton->queuedTrack = nullptr;
    anubis->pursue();
    EXPECT_EQ(anubis->skeleton->queuedTrack, nullptr);
}

TEST_F(Shooter, AlertPlaysTheSightEffectAndWaitsTenUpdates)
{
    RWAnubis* anubis = spawn<RWAnubis>(VXVec4(105, 15, 105, 1));
    placePlayer(VXVec4(105, 15, 300, 1));
    run(1);
    EXPECT_EQ(sounds.countOf(KTSoundId::AnubisSight), 1);
    EXPECT_EQ(anubis->cooldown, 10);
    EXPECT_EQ(anubis->state, QMState::Wandering);
}
