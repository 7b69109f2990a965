#ifndef TESTS_GAME_LEVEL_SCENEFIXTURE_H
#define TESTS_GAME_LEVEL_SCENEFIXTURE_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/VXLog.h"
#include "game/effects/KTParticleManager.h"
#include "game/level/KTLevelFileReader.h"
#include "game/level/KTLevelScene.h"
#include "game/level/KTLevelWorld.h"
#include "game/objects/KTMainCharacter.h"
#include "game/start/KTAssetLoaders.h"
#include "game/ui/KTKeySymbols.h"
#include "game/ui/KTLevelInput.h"
#include "game/ui/YNMenuInput.h"
#include "game/ui/YNMenuPage.h"
#include "support/TempDir.h"
#include "tests/game/level/KeptScene.h"
#include "tests/game/level/WorldFixture.h"

// The level scene set up as the game does, without the mixer and without
// the lights (the only parts that need the GL context or a device), on a
// list of `levels` small level files of its own: "Level Level<i>" lines, so
// the world's script reader names the level it read last.
class SceneTest : public ::testing::Test {
protected:
    TempDir dir;
    KTLevelScene& scene = keptScene();
    RecordingSoundTable sounds;
    int levels = 3;

    void SetUp() override
    {
        createParticleManager();
        buildDirectionTables();
        setSoundTable(&sounds);
        {
            VXLogCapture quiet;
            scene.setUpMenus();
            scene.setUpPlayState();
            scene.levelNames.clear();
            for (int i = 0; i < levels; ++i) {
                scene.levelNames.push_back(
                    dir.write("level" + std::to_string(i) + ".txt", "Level Level" + std::to_string(i)));
            }
            scene.createWorlds();
            scene.setUpPlayer();
            scene.setUpCamera();
            scene.setUpPasses();
        }
    }

    void TearDown() override { setSoundTable(nullptr); }

    // The name of the level file read last.
    std::string loadedLevel() const { return scene.world->scriptReader->levelName; }

    // Frames of the scene's update, with the world's trace lines kept off
    // the test output.
    void run(int frames)
    {
        {
            VXLogCapture quiet;
            for (int i = 0; i < frames; ++i) {
                scene.update();
            }
        }
    }

    void menuKey(int key) { scene.menuInput->onKeyDown(key); }
    void levelKey(int key) { scene.levelInput->onKeyDown(key); }
    void levelKeyUp(int key) { scene.levelInput->onKeyUp(key); }
};

#endif
