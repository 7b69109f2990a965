#include "tests/game/level/WorldFixture.h"

#include <cmath>

#include "engine/animation/VXChoreography.h"
#include "engine/animation/VXSkeleton.h"
#include "engine/animation/VXStanceTrack.h"
#include "game/audio/KTSoundId.h"
#include "game/level/KTPhysicsObject.h"
#include "tests/game/objects/CharacterFiles.h"

namespace {

typedef KTMainCharacter Hero;

// The fixture's player, attached with a real skeleton and choreography.
class Character : public MainCharacterFiles, public LevelWorldTest {
protected:
    void pose(Hero::Stance stance)
    {
        player.skeleton->currentTrack = player.skeleton->choreography->tracks[player.stanceIndex[stance]];
        player.skeleton->queuedTrack = nullptr;
    }

    // The stance asked for since the last pose; -1 for none.
    int requested() const
    {
        const VXStanceTrack* queued = player.skeleton->queuedTrack;
        return queued != nullptr ? queued->index : -1;
    }

    int index(Hero::Stance stance) const { return player.stanceIndex[stance]; }

    void place(const VXVec4& p)
    {
        player.physicsObject->position = p;
        player.position = p;
    }
};

struct AnimationRow {
    const char* operation;
    void (Hero::*play)();
    Hero::Stance posture;
    int health;
    // StanceCount: nothing is requested.
    Hero::Stance expected;
};

} // namespace

TEST_F(Character, AttachArmsTheCharacterAndLooksUpStancesByName)
{
    EXPECT_EQ(player.body.kind, 1000);
    EXPECT_EQ(player.body.inverseMass, 1.0f);
    EXPECT_EQ(player.body.boxMin.x(), -14.0f);
    EXPECT_EQ(player.body.boxMax.y(), 15.0f);
    EXPECT_TRUE(player.body.falls);
    EXPECT_EQ(player.health, 4);
    EXPECT_EQ(player.deathTimer, -1);
    EXPECT_EQ(player.painTimer, 0);
    EXPECT_EQ(player.greyAmmo + player.redAmmo + player.destroyAmmo, 0);
    EXPECT_FALSE(player.dead || player.restartRequested || player.goalReached || player.wasGrounded);
    ASSERT_NE(player.skeleton, nullptr);
    // The choreography lists the names backwards.
    EXPECT_EQ(index(Hero::Stand), 25);
    EXPECT_EQ(index(Hero::Walk), 25 - Hero::Walk);
    EXPECT_EQ(index(Hero::CrankDat), 0);
    EXPECT_EQ(player.skeleton->currentStance(), index(Hero::Stand));
}

TEST_F(Character, AnimationOperationsRequestByPostureFirstMatch)
{
    const Hero::Stance none = Hero::StanceCount;
    const AnimationRow rows[] = {
        {"attack", &Hero::playAttackAnimation, Hero::Walk, 4, Hero::AttackRun1},
        {"attack", &Hero::playAttackAnimation, Hero::DeadWalk, 4, Hero::AttackRun1},
        {"attack", &Hero::playAttackAnimation, Hero::Flight, 4, Hero::AttackFlight1},
        {"attack", &Hero::playAttackAnimation, Hero::Stand, 4, Hero::Attack1},
        {"attack", &Hero::playAttackAnimation, Hero::CrankDat, 4, Hero::Attack1},
        {"jump", &Hero::playJumpAnimation, Hero::Land, 4, Hero::Jump},
        {"jump", &Hero::playJumpAnimation, Hero::StandToWalk, 4, Hero::Jump},
        {"jump", &Hero::playJumpAnimation, Hero::Flight, 4, none},
        {"jump", &Hero::playJumpAnimation, Hero::DeadLand, 4, none},
        {"land", &Hero::playLandingAnimation, Hero::Flight, 4, Hero::Land},
        {"land", &Hero::playLandingAnimation, Hero::DeathFall, 0, Hero::LandDeath},
        {"land", &Hero::playLandingAnimation, Hero::Walk, 1, Hero::WalkToStand},
        {"land", &Hero::playLandingAnimation, Hero::Walk, 0, Hero::DeadWalk},
        {"land", &Hero::playLandingAnimation, Hero::Stand, 4, none},
        {"land", &Hero::playLandingAnimation, Hero::DeadLand, 1, Hero::Stand},
        {"land", &Hero::playLandingAnimation, Hero::DeadStand, 2, Hero::Stand},
        {"land", &Hero::playLandingAnimation, Hero::DeadLand, 0, none},
        {"pain", &Hero::playPainAnimation, Hero::Attack2, 4, Hero::Pain},
        {"pain", &Hero::playPainAnimation, Hero::AttackRun2, 4, Hero::PainWalk},
        {"pain", &Hero::playPainAnimation, Hero::StandToFlight, 4, Hero::PainFlight},
        {"pain", &Hero::playPainAnimation, Hero::DeadLand, 4, none},
        {"death", &Hero::playDeathAnimation, Hero::Walk, 0, Hero::DeathWalk},
        {"death", &Hero::playDeathAnimation, Hero::Jump, 0, Hero::DeathFlight},
        {"death", &Hero::playDeathAnimation, Hero::LandDeath, 0, Hero::Death},
        {"walk start", &Hero::playWalkStartAnimation, Hero::AttackFlight2, 4, Hero::Land},
        {"walk start", &Hero::playWalkStartAnimation, Hero::WalkToStand, 4, Hero::StandToWalk},
        {"walk start", &Hero::playWalkStartAnimation, Hero::Walk, 4, none},
        {"take off", &Hero::playTakeOffAnimation, Hero::Stand, 4, Hero::StandToFlight},
        {"take off", &Hero::playTakeOffAnimation, Hero::Walk, 4, none},
        {"take off", &Hero::playTakeOffAnimation, Hero::Flight, 4, none},
    };
    for (const AnimationRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.operation << " from " << Hero::stanceNames[row.posture]
                                        << " at health " << row.health);
        pose(row.posture);
        player.health = row.health;
        (player.*row.play)();
        EXPECT_EQ(requested(), row.expected == none ? -1 : index(row.expected));
    }

    pose(Hero::DeadStand);
    EXPECT_TRUE(player.isStanding());
    pose(Hero::DeathFall);
    EXPECT_TRUE(player.isFlying());
    pose(Hero::Walk);
    EXPECT_FALSE(player.isStanding() || player.isFlying());
}

TEST_F(Character, UpdateAsksForLandingAndTakeOffWhenGroundedChanges)
{
    // Standing on the floor: the first update finds it grounded, the second
    // sees the change.
    pose(Hero::Flight);
    run(1);
    EXPECT_EQ(requested(), -1);
    run(1);
    EXPECT_EQ(requested(), index(Hero::Land));

    pose(Hero::Stand);
    run(3);
    EXPECT_EQ(requested(), -1);
    place(VXVec4(555, 200, 555, 1));
    run(2);
    EXPECT_EQ(requested(), index(Hero::StandToFlight));
}

TEST_F(Character, HitsWithinSixtyUpdatesCostOneHeart)
{
    player.hurt();
    run(30);
    player.hurt();
    EXPECT_EQ(player.health, 3);
    EXPECT_EQ(sounds.countOf(KTSoundId::PlayerPain), 1);

    run(31);
    player.hurt();
    EXPECT_EQ(player.health, 2);
    EXPECT_EQ(player.painTimer, 60);
    EXPECT_EQ(sounds.countOf(KTSoundId::PlayerPain), 2);

    // Blasts hurt through the same counter: clearing it lets the next hit
    // through at once.
    player.painTimer = 0;
    player.hurt();
    EXPECT_EQ(player.health, 1);
}

TEST_F(Character, LastHeartDiesOnceAndRequestsARestartOnThe151stUpdate)
{
    player.health = 1;
    pose(Hero::Walk);
    player.hurt();
    ASSERT_EQ(sounds.played.size(), 2u);
    EXPECT_EQ(sounds.played[0].id, KTSoundId::PlayerPain);
    EXPECT_EQ(sounds.played[1].id, KTSoundId::PlayerDeath);
    EXPECT_TRUE(sounds.played[1].positional);
    EXPECT_EQ(player.health, -1);
    EXPECT_TRUE(player.dead);
    EXPECT_EQ(player.deathTimer, 150);
    player.die();
    EXPECT_EQ(player.health, -1);
    EXPECT_EQ(sounds.played.size(), 2u);

    run(150);
    EXPECT_FALSE(player.restartRequested);
    run(1);
    EXPECT_TRUE(player.restartRequested);
    EXPECT_EQ(player.deathTimer, -1);
    player.restartRequested = false;
    run(200);
    EXPECT_FALSE(player.restartRequested);
}

TEST_F(Character, BlastOnTheLastHeartKillsThroughDie)
{
    place(cellCentre(4, 0, 5));
    player.health = 1;
    physics.resolveCollisions();
    world->blastAround(world->chainQueue, cellCentre(5, 0, 5), true);
    EXPECT_TRUE(player.dead);
    EXPECT_EQ(player.health, -1);
    EXPECT_EQ(player.painTimer, 60);
    EXPECT_EQ(sounds.countOf(KTSoundId::PlayerPain), 1);
    EXPECT_EQ(sounds.countOf(KTSoundId::PlayerDeath), 1);
}

TEST_F(Character, SettlesOntoTheCellCentreOnlyWhenNearlyStoppedAndSupported)
{
    const VXVec4 p(160, 45, 172, 1);
    place(p);
    player.physicsObject->velocity = VXVec4(0.3f, 0, 0, 1);
    player.settleOnCell();
    EXPECT_EQ(player.physicsObject->velocity.x(), 0.3f);

    // Nothing in the cell below: no drift either.
    player.physicsObject->velocity = VXVec4(0.29f, 0, 0, 1);
    player.settleOnCell();
    EXPECT_EQ(player.physicsObject->velocity.x(), 0.29f);

    block(5, 0, 5);
    physics.resolveCollisions();
    place(p);
    player.physicsObject->velocity = VXVec4(0.29f, 0, 0, 1);
    player.settleOnCell();
    EXPECT_FLOAT_EQ(player.physicsObject->velocity.x(), 0.29f + (165 - 160) / 50.0f);
    EXPECT_FLOAT_EQ(player.physicsObject->velocity.z(), (165 - 172) / 50.0f);
    EXPECT_EQ(player.physicsObject->velocity.y(), 0.0f);

    // On the lowest layer it settles without support.
    place(VXVec4(100, 15, 100, 1));
    player.physicsObject->velocity = VXVec4(0, 0, 0, 1);
    player.settleOnCell();
    EXPECT_FLOAT_EQ(player.physicsObject->velocity.x(), 5 / 50.0f);
}

TEST_F(Character, ShadowLiesOnTheHighestBlockBelow)
{
    EXPECT_EQ(player.shadowPosition().y(), 2.0f);

    block(5, 0, 5, 0);
    // Goal and acid blocks take no shadow.
    block(7, 0, 5, 6);
    block(7, 0, 7, 12);
    physics.resolveCollisions();
    place(VXVec4(165, 45, 165, 1));
    EXPECT_EQ(player.shadowPosition().y(), 32.0f);
    EXPECT_EQ(player.shadowPosition().x(), 165.0f);
    place(VXVec4(225, 45, 165, 1));
    EXPECT_EQ(player.shadowPosition().y(), 32.0f);
    // Nothing further down: 30 above the last probe.
    place(VXVec4(225, 105, 225, 1));
    EXPECT_EQ(player.shadowPosition().y(), 32.0f);
    place(VXVec4(165, 135, 165, 1));
    EXPECT_EQ(player.shadowPosition().y(), 32.0f);

    // A position far outside the level ends the scan.
    place(VXVec4(165, 1e30f, 165, 1));
    EXPECT_TRUE(std::isfinite(player.shadowPosition().y()));

    const float before = Hero::shadowSpin;
    player.draw(nullptr, nullptr);
    EXPECT_FLOAT_EQ(Hero::shadowSpin, before + 0.01f);
}

TEST_F(Character, UpdateKeepsTheOrientationAUnitQuaternion)
{
    player.orientation = VXQuat::fromAngleAxis(1.0f, 0, 2, 0);
    run(1);
    EXPECT_NEAR(VXQuat::dot(player.orientation, player.orientation), 1.0f, 1e-6f);
    player.orientation.x() = player.orientation.y() = player.orientation.z() = player.orientation.w() = 0.0f;
    run(1);
    EXPECT_EQ(player.orientation.w(), 0.0f);
}

TEST(CharacterWithoutAssets, HasNoSkeletonAndAnimatesNothing)
{
    KTPhysicsWorld physics;
    physics.init(KTWorldBox{VXVec4(0, 0, 0, 1), VXVec4(600, 600, 600, 1)}, VXVec4(0, -0.3f, 0, 1));
    KTMainCharacter character;
    character.attachToLevel(&physics, nullptr);
    EXPECT_EQ(character.skeleton, nullptr);
    EXPECT_EQ(character.stanceIndex[KTMainCharacter::Stand], -1);
    EXPECT_FALSE(character.isStanding() || character.isFlying());
    character.playAttackAnimation();
    character.playLandingAnimation();
    character.update();
    character.draw(nullptr, nullptr);
}
