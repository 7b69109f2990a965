#include "tests/game/level/WorldFixture.h"

#include "game/level/KTPhysicsObject.h"
#include "game/objects/KTBlockMissile.h"
#include "tests/game/objects/InstalledModels.h"

namespace {

class Block : public LevelWorldTest {
protected:
    KTBlock* blockAt(const VXVec4& p, int type)
    {
        KTBlock* b = new KTBlock();
        b->position = p;
        world->addObject(b, [&] { b->setUp(&physics, type, world.get()); });
        return b;
    }
};

} // namespace

TEST_F(Block, SetUpSnapsToTheCellCentreBeforeTheBodyIsMade)
{
    KTBlock* b = blockAt(VXVec4(44, 3, 91, 1), 1);
    EXPECT_EQ(b->position.x(), 45.0f);
    EXPECT_EQ(b->position.y(), 15.0f);
    EXPECT_EQ(b->position.z(), 105.0f);
    ASSERT_NE(b->physicsObject, nullptr);
    EXPECT_EQ(b->physicsObject->position.x(), 45.0f);
    EXPECT_EQ(b->physicsObject->position.z(), 105.0f);
    EXPECT_EQ(b->body.id, b->objectId);
    EXPECT_EQ(b->body.inverseMass, 0.0f);
    EXPECT_TRUE(b->body.collides);
    EXPECT_FALSE(b->body.falls);
    EXPECT_EQ(b->hitPoints, 1);
    EXPECT_FALSE(b->destroyed);

    b->applyImpulse(VXVec4(5, 5, 5, 1));
    run(3);
    EXPECT_EQ(b->physicsObject->velocity.x(), 0.0f);
    EXPECT_EQ(b->position.y(), 15.0f);
}

TEST_F(Block, TypesGiveTheirKindsAndModels)
{
    InstalledModels models;
    KTAssets& a = assets();
    struct Row {
        int type;
        int kind;
        VXOBJData* model;
    };
    const Row rows[] = {
        {0, 101, a.redBlock}, {10, 101, a.redBlock}, {1, 102, a.blueBlock}, {2, 103, a.greenBlock},
        {3, 104, a.yellowBlock}, {4, 100, a.defaultBlock}, {5, 105, a.blackBlock}, {6, 107, a.goalBlock},
        {7, 100, a.defaultBlock}, {8, 100, a.defaultBlock}, {9, 100, a.defaultBlock}, {11, 108, a.purpleBlock},
        {12, 200, a.acidBlock}, {13, 100, a.defaultBlock}, {-3, 100, a.defaultBlock},
    };
    int column = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "type " << row.type);
        KTBlock* b = block(1, 0, ++column, row.type);
        EXPECT_EQ(b->blockType, row.type);
        EXPECT_EQ(b->body.kind, row.kind);
        EXPECT_EQ(KTBlock::modelOfType(row.type), row.model);
    }
}

TEST_F(Block, AcidFragmentStartsFarOutAndIsGoneOnItsFirstUpdate)
{
    KTBlock* acid = blockAt(VXVec4(105, 45, 105, 1), 12);
    const int before = world->nextId;
    acid->spawnBlockMissileAt(VXVec4(10, 100, 100, 1));
    ASSERT_EQ(world->nextId, before + 1);
    KTBlockMissile* fragment = dynamic_cast<KTBlockMissile*>(world->findObject(before));
    ASSERT_NE(fragment, nullptr);
    EXPECT_EQ(fragment->missileType, 13);
    EXPECT_EQ(fragment->body.kind, 22);
    EXPECT_EQ(fragment->body.id, before);
    EXPECT_EQ(fragment->position.x(), 605.0f);
    EXPECT_EQ(fragment->position.y(), -4955.0f);
    EXPECT_EQ(fragment->position.z(), 8105.0f);
    EXPECT_EQ(fragment->orientation.x(), 10.0f);
    EXPECT_EQ(fragment->orientation.w(), 0.0f);
    const size_t objects = world->objectMap.size();

    run(1);
    EXPECT_FALSE(inWorld(before));
    EXPECT_EQ(world->objectMap.size(), objects - 1);
    EXPECT_TRUE(sounds.played.empty());
}
