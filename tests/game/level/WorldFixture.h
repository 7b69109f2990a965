#ifndef TESTS_GAME_LEVEL_WORLDFIXTURE_H
#define TESTS_GAME_LEVEL_WORLDFIXTURE_H

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/core/VXLog.h"
#include "game/effects/KTParticleManager.h"
#include "game//audio/KTSoundTable.h"
#include "game/level/KTLevelWorld.h"
#include "game/level/KTPhysicsWorld.h"
#include "game/objects/KTBlock.h"
#include "game/objects/KTGameObject.h"
#include "game/objects/KTMainCharacter.h"

// Remembers every sound the game asked for.
class RecordingSoundTable : public KTSoundTable {
public:
    struct Played {
        int id;
        VXVec4 position;
        bool positional;
    };
    std::vector<Played> played;

    void play(int id) override { played.push_back(Played{id, VXVec4(0, 0, 0, 1), false}); }
    void playAt(int id, VXVec4 position) override { played.push_back(Played{id, position, true}); }

    int countOf(int id) const
    {
        int n = 0;
        for (const Played& p : played) {
            n += p.id == id ? 1 : 0;
        }
        return n;
    }
};

// A level as the scene sets it up: the 600-unit physics world, a 20 x 5 x 20
// world and the player, with object ids in step with body ids.
class LevelWorldTest : public ::testing::Test {
protected:
    KTPhysicsWorld physics;
    std::unique_ptr<KTLevelWorld> world;
    KTMainCharacter player;
    RecordingSoundTable sounds;

    LevelWorldTest()
    {
        createParticleManager();
        physics.init(KTWorldBox{VXVec4(0, 0, 0, 1), VXVec4(600, 600, 600, 1)}, VXVec4(0, -0.3f, 0, 1));
        world.reset(new KTLevelWorld(nullptr));
        world->init(&physics, 20, 5, 20, &player, "test level");
        player.position = VXVec4(555, 15, 555, 1);
        world->addObject(&player);
        setSoundTable(&sounds);
    }

    ~LevelWorldTest() override
    {
        setSoundTable(nullptr);
        world.reset();
    }

    // A block of `type` in cell (cx, cy, cz), world axes.
    KTBlock* block(int cx, int cy, int cz, int type = 0)
    {
        KTBlock* b = new KTBlock();
        b->position = VXVec4(cx * 30.0f + 1, cy * 30.0f + 1, cz * 30.0f + 1, 1);
        world->addObject(b, [&] { b->setUp(&physics, type, world.get()); });
        return b;
    }

    static VXVec4 cellCentre(int cx, int cy, int cz)
    {
        return VXVec4(cx * 30.0f + 15, cy * 30.0f + 15, cz * 30.0f + 15, 1);
    }

    // By id: a removed object may already be freed.
    bool inWorld(int id) const { return world->findObject(id) != nullptr; }

    // Frames with the trace lines kept off the test output.
    void run(int updates)
    {
        {
            VXLogCapture quiet;
            for (int i = 0; i < updates; ++i) {
                world->update();
            }
        }
    }
};

#endif
