#include "engine/core/VXLog.h"
#include "tests/game/level/WorldFixture.h"

#include <string>

#include "engine/render/VXTexture.h"
#include "game/level/KTPhysicsObject.h"
#include "game/ui/KTStatusFlash.h"

namespace {

// A static object that notes its updates and counts the live instances.
class Probe : public KTGameObject {
public:
    static int live;
    std::vector<int>* log;

    explicit Probe(std::vector<int>* updates = nullptr) : log(updates) { ++live; }
    ~Probe() override { --live; }

    void update() override
    {
        if (log != nullptr) {
            log->push_back(objectId);
        }
        KTGameObject::update();
    }
    void draw(VXViewState*, VXShaderProgram*) override {}
};

int Probe::live = 0;

class LevelWorld : public LevelWorldTest {
protected:
    std::vector<int> updates;

    Probe* probe(float x, float y, float z)
    {
        Probe* p = new Probe(&updates);
        p->position = VXVec4(x, y, z, 1);
        p->body.boxMin = VXVec4(-10, -10, -10, 1);
        p->body.boxMax = VXVec4(10, 10, 10, 1);
        world->addObject(p);
        return p;
    }

    KTHelpSign sign(float x, float y, float z, float radius, VXTexture* texture)
    {
        return KTHelpSign(VXVec4(x, y, z, 1), texture, radius);
    }
};

} // namespace

TEST_F(LevelWorld, FrameRunsInOrderAndAnIdQueuedThriceGoesOnce)
{
    int a = probe(100, 15, 100)->objectId;
    int b = probe(200, 15, 100)->objectId;
    int c = probe(300, 15, 100)->objectId;
    EXPECT_EQ(physics.objects.size(), 4u);

    world->queueRemoval(b);
    world->queueRemoval(c + 1000);
    world->queueRemoval(b);
    world->queueRemoval(b);
    VXLogCapture logged;
    world->update();
    std::string trace = logged.text();
    EXPECT_EQ(trace, "UPDATING\nUPDATING PARTICLE MANAGER\nFINISHING UPDATING PARTICLE MANAGER\nFINISH UPDATING\n");

    EXPECT_EQ(updates, (std::vector<int>{a, b, c}));
    EXPECT_FALSE(inWorld(b));
    EXPECT_TRUE(inWorld(a));
    EXPECT_TRUE(inWorld(c));
    EXPECT_EQ(physics.objects.size(), 3u);
    EXPECT_TRUE(world->removalList.empty());

    // Out of the map and the physics list: never updated again, nor filed.
    updates.clear();
    run(1);
    EXPECT_EQ(updates, (std::vector<int>{a, c}));
    EXPECT_EQ(Probe::live, 2);
}

TEST_F(LevelWorld, AddedObjectsAreFiledUnderTheirBodyIdsOrRefused)
{
    // The program's body ids stand far ahead of this fresh world's ids; the
    // player still came in under its own.
    EXPECT_EQ(player.objectId, player.body.id);
    EXPECT_EQ(world->findObject(player.body.id), &player);

    // Body ids taken elsewhere in between: the next object follows its body
    // id, and the ids go on after it.
    KTGameObject::takeNextBodyId();
    KTGameObject::takeNextBodyId();
    Probe* ahead = probe(100, 15, 100);
    EXPECT_EQ(ahead->objectId, ahead->body.id);
    EXPECT_EQ(world->findObject(ahead->body.id), ahead);
    EXPECT_EQ(world->nextId, ahead->body.id + 1);
    Probe* next = probe(200, 15, 100);
    EXPECT_EQ(next->objectId, ahead->objectId + 1);
    EXPECT_EQ(next->body.id, next->objectId);

    // A set-up that gives no body id, or one another object is filed under:
    // refused with a message, out of the map and the physics list, and freed.
    const int firstKey = world->nextId;
    Probe* bare = new Probe();
    Probe* twin = new Probe();
    const int live = Probe::live;
    VXLogCapture logged;
    EXPECT_EQ(world->addObject(bare, [] {}), -1);
    EXPECT_EQ(world->addObject(twin,
                               [&] {
                                   twin->attachToLevel(&physics, world.get());
                                   twin->body.id = ahead->body.id;
                               }),
              -1);
    EXPECT_EQ(logged.text(),
              "OBJECT " + std::to_string(firstKey) + " REFUSED: BODY ID -1 NOT SET\nOBJECT " +
                  std::to_string(firstKey + 1) + " REFUSED: BODY ID " + std::to_string(ahead->body.id) +
                  " ALREADY IN THE LEVEL\n");
    EXPECT_EQ(world->objectMap.size(), 3u);
    EXPECT_EQ(physics.objects.size(), 3u);
    EXPECT_EQ(world->findObject(ahead->body.id), ahead);
    run(1);
    EXPECT_EQ(Probe::live, live - 2);
    EXPECT_EQ(world->objectMap.size(), 3u);
}

TEST_F(LevelWorld, ClearKeepsOnlyThePlayerAndIdsKeepCounting)
{
    int last = 0;
    for (int i = 0; i < 5; ++i) {
        last = block(i, 0, 3)->objectId;
    }
    world->helpSigns.push_back(sign(45, 15, 45, 20, nullptr));
    world->chainQueue.push_back(last);
    world->nextChainQueue.push_back(last);
    run(3);

    world->clear();
    EXPECT_EQ(world->objectMap.size(), 1u);
    EXPECT_EQ(world->findObject(player.objectId), &player);
    ASSERT_EQ(physics.objects.size(), 1u);
    EXPECT_EQ(physics.objects.front(), player.physicsObject);
    EXPECT_TRUE(world->helpSigns.empty());
    EXPECT_TRUE(world->chainQueue.empty());
    EXPECT_TRUE(world->nextChainQueue.empty());

    EXPECT_GT(block(0, 0, 0)->objectId, last);
    // The player is still simulated after the clear.
    run(2);
    EXPECT_EQ(physics.objects.size(), 2u);
    EXPECT_TRUE(inWorld(player.objectId));
}

TEST_F(LevelWorld, ChainPassRunsOnEveryEleventhUpdate)
{
    // Waiting blocks leave the world on the chain pass that blows them up.
    int first = block(3, 0, 3)->objectId;
    int second = block(8, 0, 8)->objectId;
    int third = block(13, 0, 13)->objectId;
    world->chainQueue.push_back(first);
    run(10);
    EXPECT_TRUE(inWorld(first));
    run(1);
    EXPECT_FALSE(inWorld(first));
    EXPECT_EQ(world->particles.activeCount(), 1);

    world->chainQueue.push_back(second);
    run(10);
    EXPECT_TRUE(inWorld(second));
    run(1);
    EXPECT_FALSE(inWorld(second));

    world->chainQueue.push_back(third);
    run(10);
    EXPECT_TRUE(inWorld(third));
    run(1);
    EXPECT_FALSE(inWorld(third));
    EXPECT_EQ(world->chainCounter, 0);
}

TEST_F(LevelWorld, RemovedObjectsAreFreedWithoutGrowthAndNeverTouchedAfterwards)
{
    // One object arrives and the previous one goes in every frame. Between
    // frames the cell is read as the player's shadow reads it: the object
    // removed in the last update is still filed there and must still be alive
    // (the sanitizer build reports any read of a freed one).
    const VXVec4 spot(300, 15, 300, 1);
    VXLogCapture quiet;
    int previous = -1;
    int kinds = 0;
    for (int frame = 0; frame < 100000; ++frame) {
        Probe* p = probe(spot.x(), spot.y(), spot.z());
        p->body.kind = 100;
        if (previous >= 0) {
            world->queueRemoval(previous);
        }
        previous = p->objectId;
        world->update();

        KTGridCell& cell = physics.grid.cellAtPosition(spot, 0, 0, 0);
        for (int i = 0; i < cell.objects.size(); ++i) {
            kinds += cell.objects[i]->body->kind == 100 ? 1 : 0;
        }
    }
    EXPECT_EQ(kinds, 2 * 100000 - 1);
    EXPECT_LE(Probe::live, 2);
    EXPECT_EQ(physics.objects.size(), 2u);
    EXPECT_EQ(world->objectMap.size(), 2u);
}

TEST_F(LevelWorld, ThePlayerIsNeverRemoved)
{
    world->queueRemoval(player.objectId);
    run(1);
    EXPECT_EQ(world->findObject(player.objectId), &player);
    EXPECT_EQ(physics.objects.size(), 1u);
}

TEST_F(LevelWorld, HelpSignsShowOnceInsideTheirRadius)
{
    KTStatusFlash flashes[10];
    world->hudFlashes = flashes;
    VXTexture image;
    player.position = VXVec4(103, 104, 100, 1);
    // Exactly at the radius (3-4-5), radius 0 on the player, a missing image.
    world->helpSigns.push_back(sign(100, 100, 100, 5, &image));
    world->helpSigns.push_back(sign(103, 104, 100, 0, &image));
    world->helpSigns.push_back(sign(100, 100, 100, 5.01f, nullptr));

    world->updateHelpSigns();
    EXPECT_TRUE(world->helpSigns[0].active);
    EXPECT_TRUE(world->helpSigns[1].active);
    EXPECT_FALSE(world->helpSigns[2].active);
    EXPECT_TRUE(flashes[0].active);
    EXPECT_EQ(flashes[0].rect.texture, nullptr);
    EXPECT_EQ(world->particles.activeCount(), 1);

    // The first sign, once reached, replaces the flash; used up, it stays quiet.
    flashes[0].active = false;
    player.position = VXVec4(101, 100, 100, 1);
    world->updateHelpSigns();
    world->updateHelpSigns();
    EXPECT_FALSE(world->helpSigns[0].active);
    EXPECT_TRUE(flashes[0].active);
    EXPECT_EQ(flashes[0].rect.texture, &image);
    EXPECT_EQ(flashes[0].counter, -240);
    EXPECT_EQ(flashes[0].duration, 240);
    EXPECT_EQ(flashes[0].rect.cornerB.x(), -1.0f);
    EXPECT_EQ(flashes[0].rect.cornerB.y(), -1.0f);
    EXPECT_EQ(flashes[0].rect.cornerA.x(), 1.0f);
    EXPECT_EQ(flashes[0].rect.cornerA.y(), -0.5f);
    EXPECT_FALSE(flashes[1].active);
    EXPECT_EQ(world->particles.activeCount(), 2);

    const KTExplosion& burst = world->particles.explosions[1];
    EXPECT_EQ(burst.count, 50);
    EXPECT_EQ(burst.particles[0].position.x(), 100.0f);
}

TEST_F(LevelWorld, FullPoolDropsTheRequestWithAMessage)
{
    for (int i = 0; i < 100; ++i) {
        world->createExplosion(cellCentre(5, 1, 5), 2.0f, 5);
    }
    EXPECT_EQ(world->particles.activeCount(), 100);
    int next = world->particles.next;
    VXLogCapture logged;
    world->createExplosion(cellCentre(6, 1, 6), 2.0f, 70);
    EXPECT_EQ(logged.text(), "DID NOT CREATE EXPLOSION\n");
    EXPECT_EQ(world->particles.next, next);
    for (const KTExplosion& explosion : world->particles.explosions) {
        ASSERT_EQ(explosion.count, 5);
    }
}

TEST_F(LevelWorld, DrawWithoutModelsTracesAndSpinsTheSigns)
{
    block(2, 0, 2);
    world->helpSigns.push_back(sign(45, 15, 45, 20, nullptr));
    world->createExplosion(cellCentre(2, 1, 2), 3.0f, 20);
    float angle = KTLevelWorld::helpSignAngle;
    VXLogCapture logged;
    world->draw(nullptr, nullptr);
    world->draw(nullptr, nullptr);
    EXPECT_EQ(logged.text(), "DRAWING\nFINISH DRAWING\nDRAWING\nFINISH DRAWING\n");
    EXPECT_FLOAT_EQ(KTLevelWorld::helpSignAngle, angle + 0.02f);
}
