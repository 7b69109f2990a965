#include "EnemyWorld.h"

#include "game/audio/KTSoundId.h"
#include "game/objects/QMZealot.h"
#include "game/objects/RWAnubis.h"
#include "game/objects/RWColossus.h"
#include "game/objects/RWReaper.h"

TEST_F(EnemyWorldTest, BlastsDamageTheZealotAnubisAndReaperButNotTheBoss)
{
    // Around the empty cell (5, 0, 5): every enemy one cell away.
    QMZealot* zealot = spawn<QMZealot>(cellCentre(4, 0, 5));
    RWAnubis* anubis = spawn<RWAnubis>(cellCentre(6, 0, 5));
    RWReaper* reaper = spawn<RWReaper>(cellCentre(5, 1, 5));
    RWColossus* boss = spawn<RWColossus>(cellCentre(5, 1, 7));
    physics.resolveCollisions();
    const int bossBefore = boss->hitPoints;
    world->blastAround(world->chainQueue, cellCentre(5, 0, 5), true);
    EXPECT_EQ(zealot->hitPoints, 4);
    EXPECT_EQ(anubis->hitPoints, 9);
    EXPECT_EQ(reaper->hitPoints, 7);
    EXPECT_EQ(boss->hitPoints, bossBefore);
    EXPECT_EQ(sounds.countOf(KTSoundId::ZealotPain), 1);
    EXPECT_EQ(sounds.countOf(KTSoundId::AnubisPain), 1);
    EXPECT_EQ(sounds.countOf(KTSoundId::ReaperPain), 1);
    EXPECT_EQ(sounds.countOf(KTSoundId::ColossusPain), 0);

    // A leaping zealot is damaged the same way.
    zealot->body.kind = 11;
    physics.resolveCollisions();
    world->blastAround(world->chainQueue, cellCentre(5, 0, 5), false);
    EXPECT_EQ(zealot->hitPoints, 3);
}

TEST_F(EnemyWorldTest, AttacksWithoutATargetAreMadeWhereTheEnemyStands)
{
    // Enemies spawned into a world that has no player yet.
    QMZealot* zealot = new QMZealot();
    RWAnubis* anubis = new RWAnubis();
    RWColossus* boss = new RWColossus();
    QMIntelligence* enemies[] = {zealot, anubis, boss};
    float x = 105;
    for (QMIntelligence* enemy : enemies) {
        enemy->position = VXVec4(x, 15, 105, 1);
        x += 120;
        world->addObject(enemy, [&] { enemy->spawn(&physics, world.get(), nullptr, 1, 0, 0, 19, 19); });
    }
    for (QMIntelligence* enemy : enemies) {
        enemy->attack1();
        EXPECT_EQ(enemy->physicsObject->velocity.x(), 0.0f);
        EXPECT_EQ(enemy->physicsObject->velocity.z(), 0.0f);
    }
    EXPECT_TRUE(zealot->leaping);
    EXPECT_EQ(anubis->shotTimer, 60);
    EXPECT_EQ(boss->laserSteps, 0);
    // The wind-up runs out into no leap at all.
    run(60);
    EXPECT_FALSE(zealot->leaping);
    EXPECT_EQ(zealot->body.kind, 11);
    EXPECT_NEAR(zealot->physicsObject->velocity.x(), 0.0f, 1e-4f);
    EXPECT_NEAR(zealot->physicsObject->velocity.z(), 0.0f, 1e-4f);
}
