#include "tests/game/level/WorldFixture.h"

#include <cmath>
#include <limits>

#include "game/audio/KTSoundId.h"

namespace {

class Blast : public LevelWorldTest {
protected:
    // Files every body in its cell, as the frame's physics pass does before
    // any blast of that frame.
    void file() { physics.resolveCollisions(); }

    static bool sameCell(const VXVec4& a, const VXVec4& b)
    {
        for (int k = 0; k < 3; ++k) {
            if (std::floor(a.elements[k] / 30) != std::floor(b.elements[k] / 30)) {
                return false;
            }
        }
        return true;
    }
};

} // namespace

TEST_F(Blast, ChainingWallBurnsOneRingPerChainPass)
{
    // A row of five red blocks, struck from the empty cell before its end.
    std::vector<int> row;
    for (int i = 1; i <= 5; ++i) {
        row.push_back(block(i, 0, 5)->objectId);
    }
    file();
    world->blastAround(world->chainQueue, cellCentre(0, 0, 5), true);
    ASSERT_EQ(world->chainQueue, (std::vector<int>{row[0]}));
    ASSERT_EQ(sounds.played.size(), 1u);
    EXPECT_EQ(sounds.played[0].id, KTSoundId::BlockExplode);
    EXPECT_TRUE(sameCell(sounds.played[0].position, cellCentre(1, 0, 5)));
    // Destroyed but still in place until its chain pass.
    EXPECT_TRUE(static_cast<KTBlock*>(world->findObject(row[0]))->destroyed);
    run(1);
    EXPECT_TRUE(inWorld(row[0]));

    run(10);
    for (int pass = 1; pass <= 5; ++pass) {
        // Pass `pass` has just run: blocks before it are gone, the next one
        // waits destroyed, the rest are intact.
        for (int i = 0; i < 5; ++i) {
            SCOPED_TRACE(testing::Message() << "pass " << pass << " block " << i);
            EXPECT_EQ(inWorld(row[i]), i >= pass);
            if (i >= pass) {
                EXPECT_EQ(static_cast<KTBlock*>(world->findObject(row[i]))->destroyed, i == pass);
            }
        }
        run(11);
    }
    EXPECT_EQ(sounds.countOf(KTSoundId::BlockExplode), 5);
    EXPECT_TRUE(world->chainQueue.empty());
    EXPECT_EQ(world->objectMap.size(), 1u);
}

TEST_F(Blast, WithoutChainTheNeighbourGoesAtOnceAndNothingSpreads)
{
    int first = block(1, 0, 5)->objectId;
    int second = block(2, 0, 5)->objectId;
    file();
    std::vector<int> queue;
    world->blastAround(queue, cellCentre(0, 0, 5), false);
    EXPECT_TRUE(queue.empty());
    ASSERT_EQ(sounds.played.size(), 1u);
    EXPECT_EQ(sounds.played[0].id, KTSoundId::BlockDestroy);
    EXPECT_TRUE(sounds.played[0].positional);
    run(1);
    EXPECT_FALSE(inWorld(first));
    run(40);
    ASSERT_TRUE(inWorld(second));
    EXPECT_FALSE(static_cast<KTBlock*>(world->findObject(second))->destroyed);
    EXPECT_EQ(sounds.played.size(), 1u);
}

TEST_F(Blast, StrikesTheBoxOfItsExtentButNeverItsOwnCell)
{
    // Red blocks fill dx -2..2, dy -1..1, dz -4..4 around cell (10, 2, 10).
    for (int dx = -2; dx <= 2; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dz = -4; dz <= 4; ++dz) {
                block(10 + dx, 2 + dy, 10 + dz);
            }
        }
    }
    file();
    std::vector<int> queue;
    world->blastCells(queue, cellCentre(10, 2, 10), VXVec4(1.5f, 1, 3, 1), true);
    EXPECT_EQ(queue.size(), 3u * 3u * 7u - 1u);
    for (auto& entry : world->objectMap) {
        KTBlock* b = dynamic_cast<KTBlock*>(entry.second);
        if (b == nullptr) {
            continue;
        }
        int dx = static_cast<int>(b->position.x() / 30) - 10;
        int dz = static_cast<int>(b->position.z() / 30) - 10;
        bool struck = std::abs(dx) <= 1 && std::abs(dz) <= 3 && !(dx == 0 && dz == 0 && b->position.y() == 75);
        EXPECT_EQ(b->destroyed, struck) << dx << " " << b->position.y() << " " << dz;
    }
}

TEST_F(Blast, HurtsThePlayerOncePerCooldownAndWearsBlueBlocksDown)
{
    player.physicsObject->position = cellCentre(4, 0, 5);
    player.position = player.physicsObject->position;
    KTBlock* blue = block(6, 0, 5, 1);
    blue->hitPoints = 2;
    // Kinds that blasts leave alone: the colossus and the creeper.
    KTBlock* colossus = block(5, 1, 5);
    colossus->body.kind = 17;
    KTBlock* creeper = block(5, 0, 4);
    creeper->body.kind = 14;
    file();

    std::vector<int> queue;
    world->blastAround(queue, cellCentre(5, 0, 5), true);
    world->blastAround(queue, cellCentre(5, 0, 5), true);
    EXPECT_EQ(player.health, 3);
    EXPECT_EQ(player.painTimer, 60);
    ASSERT_EQ(sounds.played.size(), 2u);
    EXPECT_EQ(sounds.played[0].id, KTSoundId::PlayerPain);
    EXPECT_TRUE(sameCell(sounds.played[0].position, cellCentre(4, 0, 5)));
    // Two blasts wore the blue block out: it breaks on the second, with its sound.
    EXPECT_EQ(sounds.played[1].id, KTSoundId::BlockExplode);
    EXPECT_TRUE(blue->destroyed);
    EXPECT_EQ(queue, (std::vector<int>{blue->objectId}));
    EXPECT_FALSE(colossus->destroyed);
    EXPECT_FALSE(creeper->destroyed);

    // A spent player is not hurt again.
    player.painTimer = 0;
    player.health = 0;
    world->blastAround(queue, cellCentre(5, 0, 5), true);
    EXPECT_EQ(player.health, 0);
}

TEST_F(Blast, BlueBlockOfTwoHitPointsKeepsOneSilently)
{
    KTBlock* blue = block(6, 0, 5, 1);
    blue->hitPoints = 2;
    file();
    std::vector<int> queue;
    world->blastAround(queue, cellCentre(5, 0, 5), true);
    EXPECT_EQ(blue->hitPoints, 1);
    EXPECT_FALSE(blue->destroyed);
    EXPECT_TRUE(sounds.played.empty());
}

TEST_F(Blast, HugeOrBrokenExtentsStayInsideTheGrid)
{
    int corner = block(19, 4, 19)->objectId;
    int own = block(0, 0, 0)->objectId;
    file();
    std::vector<int> queue;
    const float inf = std::numeric_limits<float>::infinity();
    world->blastCells(queue, cellCentre(0, 0, 0), VXVec4(std::nanf(""), 1, 1, 1), true);
    EXPECT_TRUE(queue.empty());
    world->blastCells(queue, cellCentre(0, 0, 0), VXVec4(inf, 1.0e30f, inf, 1), true);
    EXPECT_EQ(queue, (std::vector<int>{corner}));
    EXPECT_FALSE(static_cast<KTBlock*>(world->findObject(own))->destroyed);
    // A blast far outside the level strikes nothing.
    world->blastAround(queue, VXVec4(-1.0e9f, 5, 5, 1), true);
    EXPECT_EQ(queue.size(), 1u);
}
