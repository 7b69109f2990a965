#include "EnemyWorld.h"

#include "engine/animation/VXSkeleton.h"
#include "game/audio/KTSoundId.h"
#include "game/objects/KTPhysicsKind.h"
#include "game/objects/KTPickup.h"
#include "game/objects/RWColossus.h"

namespace {

// The boss turns toward the player when it attacks, so a player straight
// ahead along +z keeps the laser walking along +z.
class Colossus : public EnemyWorldTest {
protected:
    // Facing +z at (300, 45, 150), too busy to act on its own.
    RWColossus* boss()
    {
        RWColossus* b = spawn<RWColossus>(VXVec4(300, 45, 150, 1));
        b->cooldown = 100000;
        return b;
    }

    // A player that stays where it is put.
    void holdPlayer(const VXVec4& p)
    {
        placePlayer(p);
        player.body.falls = false;
        player.physicsObject->velocity = VXVec4(0, 0, 0, 1);
    }
};

} // namespace

TEST_F(Colossus, SpawnSetsTheBossBodyAndBands)
{
    RWColossus* b = boss();
    EXPECT_EQ(b->body.kind, KTPhysicsKind::Colossus);
    EXPECT_EQ(b->body.boxMax.x(), 45.0f);
    EXPECT_EQ(b->hitPoints, 50);
    EXPECT_EQ(b->laserSteps, RWColossus::LaserStepCount);
    EXPECT_EQ(b->attackRange(0), 300.0f);
    EXPECT_EQ(b->attackRange(1), 150.0f);
    EXPECT_EQ(b->attackRange(2), 150.0f);
    EXPECT_EQ(b->attackRange(3), 100.0f);
    EXPECT_EQ(b->sightRange(), 1000.0f);
    EXPECT_TRUE(b->hasLineOfSight());
}

TEST_F(Colossus, LaserStepsFirstAfter76UpdatesThenEvery6For30Steps)
{
    RWColossus* b = boss();
    b->attack1();
    EXPECT_EQ(sounds.countOf(KTSoundId::ColossusAttackStart), 1);
    EXPECT_EQ(b->laserSteps, 0);
    EXPECT_EQ(b->laserTick, -70);
    EXPECT_EQ(b->attackTimer, 80);
    EXPECT_EQ(b->cooldown, 100);
    EXPECT_FLOAT_EQ(b->laserPoint.y(), 95.0f);
    EXPECT_NEAR(b->laserStep.y(), -5.0f, 1e-5f);
    EXPECT_NEAR(b->laserStep.z(), 8.0f, 1e-5f);
    EXPECT_TRUE(stanceIs(b->skeleton, b->standToLaserStance));
    b->cooldown = 100000;

    // A second laser attack while one runs starts no second laser.
    b->attack1();
    EXPECT_EQ(b->laserTick, -70);

    run(75);
    EXPECT_EQ(b->laserSteps, 0);
    run(1);
    EXPECT_EQ(b->laserSteps, 1);
    EXPECT_NEAR(b->laserPoint.y(), 90.0f, 1e-4f);
    EXPECT_NEAR(b->laserPoint.z(), 158.0f, 1e-4f);
    run(5);
    EXPECT_EQ(b->laserSteps, 1);
    run(1);
    EXPECT_EQ(b->laserSteps, 2);
    run(28 * 6);
    EXPECT_EQ(b->laserSteps, 30);
    // 240 forward and 150 down in all; the point does not follow the boss.
    EXPECT_NEAR(b->laserPoint.z(), 390.0f, 1e-3f);
    EXPECT_NEAR(b->laserPoint.y(), -55.0f, 1e-3f);
    EXPECT_NEAR(b->laserPoint.x(), 300.0f, 1e-3f);
    run(20);
    EXPECT_EQ(b->laserSteps, 30);
    // The attack itself fired and ended with the laser stance's end.
    EXPECT_EQ(sounds.countOf(KTSoundId::ColossusAttackFire), 1);
    EXPECT_EQ(b->attackTimer, -1);
}

TEST_F(Colossus, LaserHurtsAndPushesWithin75Units)
{
    RWColossus* b = boss();
    holdPlayer(VXVec4(300, 90, 232, 1));
    b->attack1();
    b->cooldown = 100000;
    run(76);
    ASSERT_EQ(b->laserSteps, 1);
    EXPECT_EQ(player.health, 3);
    EXPECT_EQ(sounds.countOf(KTSoundId::PlayerPain), 1);
    // Along the beam and upward.
    EXPECT_NEAR(player.physicsObject->velocity.y(), 5.0f, 1e-4f);
    EXPECT_NEAR(player.physicsObject->velocity.z(), 8.0f, 1e-4f);
}

TEST_F(Colossus, LaserMissesAt75Units)
{
    RWColossus* b = boss();
    holdPlayer(VXVec4(300, 90, 233, 1));
    b->attack1();
    b->cooldown = 100000;
    run(76);
    ASSERT_EQ(b->laserSteps, 1);
    EXPECT_EQ(player.health, 4);
    EXPECT_EQ(player.physicsObject->velocity.y(), 0.0f);
    EXPECT_EQ(player.physicsObject->velocity.z(), 0.0f);
}

TEST_F(Colossus, LaserPushesAPlayerWithNoHealthLeft)
{
    RWColossus* b = boss();
    holdPlayer(VXVec4(300, 90, 232, 1));
    player.health = 0;
    b->attack1();
    b->cooldown = 100000;
    run(76);
    EXPECT_EQ(player.health, 0);
    EXPECT_EQ(sounds.countOf(KTSoundId::PlayerPain), 0);
    EXPECT_NEAR(player.physicsObject->velocity.z(), 8.0f, 1e-4f);
}

TEST_F(Colossus, SwingStrikesFourCellsAroundWhenItsTimerShowsTen)
{
    RWColossus* b = boss();
    const int near = block(14, 0, 5)->objectId;
    const int far = block(15, 0, 5)->objectId;
    placePlayer(VXVec4(300, 15, 300, 1));
    b->attack2();
    EXPECT_EQ(sounds.countOf(KTSoundId::ColossusAttackSwing), 1);
    EXPECT_TRUE(stanceIs(b->skeleton, b->attack2Stance));
    EXPECT_EQ(b->attackTimer, 50);
    b->cooldown = 100000;
    run(40);
    EXPECT_TRUE(inWorld(near));
    run(1);
    EXPECT_FALSE(inWorld(near));
    EXPECT_TRUE(inWorld(far));
    EXPECT_EQ(sounds.countOf(KTSoundId::BlockDestroy), 1);
    run(10);
    EXPECT_EQ(b->attackTimer, -1);
    EXPECT_EQ(b->body.kind, KTPhysicsKind::Colossus);
}

TEST_F(Colossus, CrushPlaysItsEffectsAndStrikesThreeCellsAround)
{
    RWColossus* b = boss();
    const int near = block(13, 0, 5)->objectId;
    const int far = block(14, 0, 5)->objectId;
    placePlayer(VXVec4(300, 15, 300, 1));
    b->attack3();
    EXPECT_EQ(sounds.countOf(KTSoundId::ColossusAttackMelee), 1);
    EXPECT_TRUE(stanceIs(b->skeleton, b->attack1Stance));
    b->cooldown = 100000;
    run(71);
    EXPECT_EQ(sounds.countOf(KTSoundId::ColossusAttackCrush), 1);
    EXPECT_FALSE(inWorld(near));
    EXPECT_TRUE(inWorld(far));
}

TEST_F(Colossus, HitDuringAnAttackDoesNotInterruptItAndPainBlocksAttacks)
{
    RWColossus* b = boss();
    placePlayer(VXVec4(300, 15, 300, 1));
    b->attack2();
    b->takeDamage(1);
    EXPECT_EQ(sounds.countOf(KTSoundId::ColossusPain), 1);
    EXPECT_TRUE(stanceIs(b->skeleton, b->attack2Stance));

    RWColossus* other = spawn<RWColossus>(VXVec4(150, 45, 450, 1));
    other->takeDamage(1);
    EXPECT_TRUE(stanceIs(other->skeleton, other->painStance));
    other->attackInProgress = true;
    other->cooldown = 0;
    other->attack2();
    other->attack1();
    EXPECT_EQ(other->attackKind, 0);
    EXPECT_EQ(other->cooldown, 0);
    EXPECT_TRUE(other->attackInProgress);
    EXPECT_EQ(other->laserSteps, RWColossus::LaserStepCount);
    EXPECT_EQ(sounds.countOf(KTSoundId::ColossusAttackSwing), 1);
}

TEST_F(Colossus, DiesOnceDropsNothingAndItsLaserRunsOn)
{
    RWColossus* b = boss();
    b->attack1();
    run(100);
    b->takeDamage(50);
    b->takeDamage(5);
    EXPECT_TRUE(b->dead);
    EXPECT_EQ(sounds.countOf(KTSoundId::ColossusDeath), 1);
    run(200);
    EXPECT_EQ(b->laserSteps, RWColossus::LaserStepCount);
    EXPECT_TRUE(stanceIs(b->skeleton, b->deadStance));
    EXPECT_FALSE(b->body.collides);
    EXPECT_EQ(countOf<KTPickup>(), 0);
}

TEST_F(Colossus, PursuesInAStraightLine)
{
    RWColossus* b = spawn<RWColossus>(VXVec4(300, 45, 150, 1));
    // Walls in the way do not matter to it.
    block(10, 0, 7);
    block(10, 1, 7);
    placePlayer(VXVec4(450, 15, 350, 1));
    b->pursue();
    EXPECT_NEAR(b->physicsObject->velocity.x(), 0.2f * 0.6f, 1e-5f);
    EXPECT_NEAR(b->physicsObject->velocity.z(), 0.2f * 0.8f, 1e-5f);
    EXPECT_EQ(b->physicsObject->velocity.y(), 0.0f);
    // Standing on the target's x and z: no impulse.
    b->physicsObject->velocity = VXVec4(0, 0, 0, 1);
    placePlayer(VXVec4(300, 200, 150, 1));
    b->pursue();
    EXPECT_EQ(b->physicsObject->velocity.lengthSquared(), 0.0f);
}
