#include "tests/game/level/WorldFixture.h"

#include <cmath>

#include "game/level/KTPhysicsObject.h"
#include "game/objects/KTPickup.h"
#include "tests/game/objects/InstalledModels.h"

namespace {

class Pickup : public LevelWorldTest {
protected:
    template <class P>
    P* pickup(const VXVec4& p)
    {
        P* item = new P();
        item->position = p;
        world->addObject(item);
        return item;
    }
};

} // namespace

TEST_F(Pickup, GiveToFillsItsOwnCounterUpTo999)
{
    RWGrayAmmoPickup* grey = pickup<RWGrayAmmoPickup>(VXVec4(60, 0, 90, 1));
    RWRedAmmoPickup* red = pickup<RWRedAmmoPickup>(VXVec4(120, 0, 90, 1));
    RWDestroyAmmoPickup* destroy = pickup<RWDestroyAmmoPickup>(VXVec4(180, 0, 90, 1));

    EXPECT_TRUE(grey->giveTo(&player));
    EXPECT_EQ(player.greyAmmo, 20);
    EXPECT_EQ(player.redAmmo + player.destroyAmmo, 0);

    player.redAmmo = 985;
    EXPECT_TRUE(red->giveTo(&player));
    EXPECT_EQ(player.redAmmo, 999);
    EXPECT_FALSE(red->giveTo(&player));
    EXPECT_EQ(player.redAmmo, 999);

    // A counter the script set out of range: above is full, below is raised.
    player.destroyAmmo = 1200;
    EXPECT_FALSE(destroy->giveTo(&player));
    EXPECT_EQ(player.destroyAmmo, 1200);
    player.destroyAmmo = -50;
    EXPECT_TRUE(destroy->giveTo(&player));
    EXPECT_EQ(player.destroyAmmo, 0);

    EXPECT_FALSE(grey->giveTo(nullptr));
}

TEST_F(Pickup, AttachesStaticInTheCellCentre)
{
    RWRedAmmoPickup* item = pickup<RWRedAmmoPickup>(VXVec4(60, 0, 90, 1));
    EXPECT_EQ(item->position.x(), 75.0f);
    EXPECT_EQ(item->position.y(), 15.0f);
    EXPECT_EQ(item->position.z(), 105.0f);
    EXPECT_EQ(item->physicsObject->position.z(), 105.0f);
    EXPECT_EQ(item->body.kind, 109);
    EXPECT_EQ(item->body.id, item->objectId);
    EXPECT_EQ(item->body.inverseMass, 0.0f);
    EXPECT_FALSE(item->body.falls);
    EXPECT_EQ(item->spinAngle, 0.0f);

    item->applyImpulse(VXVec4(1, 1, 1, 1));
    run(5);
    EXPECT_EQ(item->physicsObject->velocity.y(), 0.0f);
    EXPECT_EQ(item->position.y(), 15.0f);
}

TEST_F(Pickup, HundredDrawsTurnItByOneRadian)
{
    InstalledModels models;
    RWGrayAmmoPickup* item = pickup<RWGrayAmmoPickup>(VXVec4(60, 0, 90, 1));
    for (int i = 0; i < 100; ++i) {
        item->draw(nullptr, nullptr);
    }
    EXPECT_NEAR(item->spinAngle, 1.0f, 1e-4f);
    EXPECT_NEAR(item->orientation.y(), std::sin(0.5f), 1e-4f);
    EXPECT_NEAR(item->orientation.w(), std::cos(0.5f), 1e-4f);
    EXPECT_EQ(item->orientation.x(), 0.0f);
}
