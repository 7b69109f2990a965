#include <gtest/gtest.h>

#include "game/level/KTPhysicsWorld.h"
#include "game/objects/KTGameCharacter.h"
#include "game/objects/KTGameObject.h"
#include "game/objects/KTPhysicsKind.h"

namespace {

class Crate : public KTGameCharacter {
public:
    void draw(VXViewState*, VXShaderProgram*) override {}
};

class KTGameObjectInWorld : public ::testing::Test {
protected:
    KTPhysicsWorld physics;

    KTGameObjectInWorld()
    {
        physics.init(KTWorldBox{VXVec4(0, 0, 0, 1), VXVec4(600, 600, 600, 1)}, VXVec4(0, -0.3f, 0, 1));
    }

    void attach(Crate& crate, float x, float y, float z, float inverseMass)
    {
        crate.position = VXVec4(x, y, z, 1);
        crate.body.boxMin = VXVec4(-15, -15, -15, 1);
        crate.body.boxMax = VXVec4(15, 15, 15, 1);
        crate.body.inverseMass = inverseMass;
        crate.attachToLevel(&physics, nullptr);
    }
};

} // namespace

TEST_F(KTGameObjectInWorld, AttachRegistersBodyWithTheNextId)
{
    Crate first;
    Crate second;
    first.touched = true;
    attach(first, 45, 15, 75, 0);
    attach(second, 75, 15, 75, 1);
    EXPECT_EQ(second.body.id, first.body.id + 1);
    EXPECT_EQ(KTGameObject::takeNextBodyId(), second.body.id + 1);
    EXPECT_FALSE(first.touched);
    ASSERT_NE(first.physicsObject, nullptr);
    EXPECT_EQ(first.physicsObject->body, &first.body);
    EXPECT_EQ(first.physicsObject->position.x(), 45.0f);
    EXPECT_EQ(physics.objects.size(), 2u);
}

TEST_F(KTGameObjectInWorld, UpdateCopiesThePhysicsPositionAndLagsGrounded)
{
    Crate crate;
    attach(crate, 45, 15, 75, 1);
    crate.touched = true;
    crate.physicsObject->position = VXVec4(45, 15.02f, 75, 9);

    crate.update();
    // Tested on the copy from before: y 15 with boxMin.y -15 is on the ground.
    EXPECT_TRUE(crate.grounded);
    EXPECT_FALSE(crate.touched);
    EXPECT_EQ(crate.position.y(), 15.02f);
    EXPECT_EQ(crate.position.w(), 1.0f);

    crate.update();
    EXPECT_FALSE(crate.grounded);
}

TEST_F(KTGameObjectInWorld, ClampWorksOnThePhysicsPosition)
{
    Crate crate;
    attach(crate, 300, 300, 300, 1);
    crate.physicsObject->position = VXVec4(10, 700, 600, 1);
    crate.clampToLevelBounds();
    EXPECT_EQ(crate.physicsObject->position.x(), 16.0f);
    EXPECT_EQ(crate.physicsObject->position.y(), 584.0f);
    EXPECT_EQ(crate.physicsObject->position.z(), 584.0f);
    EXPECT_EQ(crate.position.x(), 300.0f);

    crate.physicsObject->position = VXVec4(300, -50, 300, 1);
    crate.clampToLevelBounds();
    EXPECT_EQ(crate.physicsObject->position.y(), -50.0f);
}

TEST_F(KTGameObjectInWorld, ImpulseIsScaledByInverseMass)
{
    Crate light;
    Crate block;
    attach(light, 100, 100, 100, 0.5f);
    attach(block, 200, 100, 100, 0);
    light.applyImpulse(VXVec4(2, 4, 6, 0));
    EXPECT_EQ(light.physicsObject->velocity.x(), 1.0f);
    EXPECT_EQ(light.physicsObject->velocity.y(), 2.0f);
    EXPECT_EQ(light.physicsObject->velocity.z(), 3.0f);
    block.applyImpulse(VXVec4(2, 4, 6, 1));
    EXPECT_EQ(block.physicsObject->velocity.lengthSquared(), 0.0f);
}

TEST(KTGameObject, UnattachedObjectIsSafeToUse)
{
    Crate crate;
    crate.update();
    crate.clampToLevelBounds();
    crate.applyImpulse(VXVec4(1, 1, 1, 1));
    EXPECT_EQ(crate.position.x(), 0.0f);
    EXPECT_EQ(crate.orientation.w(), 1.0f);
    crate.attachToLevel(nullptr, nullptr);
    EXPECT_EQ(crate.physicsObject, nullptr);
}

TEST(KTGameObject, SnapsToTheCellCentre)
{
    VXVec4 a = KTGameObject::snapToCellCentre(VXVec4(44.9f, 0, 59.9f, 3));
    EXPECT_EQ(a.x(), 45.0f);
    EXPECT_EQ(a.y(), 15.0f);
    EXPECT_EQ(a.z(), 45.0f);
    EXPECT_EQ(a.w(), 3.0f);
    VXVec4 b = KTGameObject::snapToCellCentre(VXVec4(60, 30, 90, 1));
    EXPECT_EQ(b.x(), 75.0f);
    EXPECT_EQ(b.y(), 45.0f);
    EXPECT_EQ(b.z(), 105.0f);
    // Truncation toward zero: the first cell below zero snaps into cell 0.
    VXVec4 c = KTGameObject::snapToCellCentre(VXVec4(-10, -40, 1.0e30f, 1));
    EXPECT_EQ(c.x(), 15.0f);
    EXPECT_EQ(c.y(), -15.0f);
}

TEST(KTPhysicsKind, FollowsBlockAndMissileTypes)
{
    EXPECT_EQ(KTPhysicsKind::ofBlockType(10), 101);
    EXPECT_EQ(KTPhysicsKind::ofBlockType(11), 108);
    EXPECT_EQ(KTPhysicsKind::ofBlockType(12), 200);
    EXPECT_EQ(KTPhysicsKind::ofBlockType(13), 100);
    EXPECT_EQ(KTPhysicsKind::ofMissileType(9), 4);
    EXPECT_EQ(KTPhysicsKind::ofMissileType(10), 13);
    EXPECT_EQ(KTPhysicsKind::ofMissileType(13), 22);
    EXPECT_EQ(KTPhysicsKind::ofMissileType(4), 1);
}
