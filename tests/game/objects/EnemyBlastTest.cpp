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
