#include <gtest/gtest.h>

#include <SDL.h>

#include <cmath>
#include <string>

#include "engine/core/VXLog.h"
#include "engine/math/VXQuat.h"
#include "game/level/KTLevelRender.h"
#include "game/level/KTPhysicsObject.h"
#include "game/ui/KTStatusRender.h"
#include "tests/game/level/SceneFixture.h"

namespace {

void expectVec(const VXVec4& v, float x, float y, float z, const std::string& what)
{
    EXPECT_NEAR(v.x(), x, 1e-4f) << what;
    EXPECT_NEAR(v.y(), y, 1e-4f) << what;
    EXPECT_NEAR(v.z(), z, 1e-4f) << what;
}

class LevelSceneTest : public SceneTest {
protected:
    // Plays from the menus as New Game would.
    void play()
    {
        scene.menuMode = false;
        scene.gameStarted = true;
    }

    std::string updateCapturing()
    {
        VXLogCapture logged;
        scene.update();
        return logged.text();
    }
};

class EmptyListSceneTest : public LevelSceneTest {
protected:
    EmptyListSceneTest() { levels = 0; }
};

} // namespace

TEST_F(LevelSceneTest, SetUpLeavesTheLevelKeysInstalledAndTheCameraBehindThePlayer)
{
    EXPECT_EQ(scene.input, scene.levelInput) << "the first frame's events reach the level keys";
    EXPECT_EQ(scene.loopCode, 0);
    EXPECT_EQ(scene.lastTrack, -1);
    expectVec(scene.initialEyeOffset, 0, 25, -80, "initial eye");
    expectVec(scene.camera.offset, 0, 300, -250, "camera offset");
    EXPECT_FLOAT_EQ(scene.camera.zoom, 0.0f);
    expectVec(scene.camera.rotatedOffset, 0, 300, -250, "turned offset at angle 0");
    expectVec(scene.ambientColour, 0.5f, 0.5f, 0.5f, "ambient");
    ASSERT_NE(scene.player, nullptr);
    expectVec(scene.player->position, 300, 40, 300, "player start");
    expectVec(scene.player->physicsObject->position, 300, 40, 300, "physics start");
    EXPECT_EQ(scene.world->findObject(scene.player->objectId), scene.player);
    EXPECT_EQ(scene.player->objectId, scene.player->body.id);
    EXPECT_EQ(sounds.listener, scene.player);
    EXPECT_EQ(loadedLevel(), "Level0") << "level 0 is read behind the title page";
    EXPECT_EQ(scene.statusRender->scene, &scene);
    EXPECT_EQ(scene.statusRender->layout.scene, &scene);
    EXPECT_EQ(scene.world->hudFlashes, scene.statusRender->layout.flashes);
    EXPECT_EQ(scene.levelRender->view.width, 1024);
    EXPECT_EQ(scene.levelRender->view.height, 750);
    expectVec(scene.levelRender->view.camera.eye, 300, 65, 220, "first eye");
}

TEST_F(LevelSceneTest, MenuModeFreezesTheLevelAndRoutesKeysToTheMenus)
{
    const VXVec4 before = scene.player->physicsObject->position;
    const std::string out = updateCapturing();
    EXPECT_EQ(scene.input, scene.menuInput);
    EXPECT_EQ(out.find("UPDATING"), std::string::npos) << "the world is not updated";
    expectVec(scene.player->physicsObject->position, before.x(), before.y(), before.z(), "frozen");

    play();
    const std::string played = updateCapturing();
    EXPECT_EQ(scene.input, scene.levelInput);
    EXPECT_NE(played.find("UPDATING"), std::string::npos);
    EXPECT_LT(scene.player->physicsObject->position.y(), before.y()) << "the player falls";
}

TEST_F(LevelSceneTest, PlayResumesFromRestAfterTheMenus)
{
    play();
    run(1);
    levelKey(KTKey::Up);
    levelKey(KTKey::LeftShift);
    levelKey(KTKey::W);
    scene.menuMode = true;
    run(1);
    // The keys are released while the menus have the keyboard.
    scene.menuInput->onKeyUp(KTKey::Up);
    scene.menuInput->onKeyUp(KTKey::W);
    play();
    run(1);
    EXPECT_EQ(scene.movement.dx, 0);
    EXPECT_EQ(scene.movement.dz, 0);
    EXPECT_TRUE(scene.movement.walk);
    expectVec(scene.movement.direction, 0, 0, 0, "no push");
    EXPECT_FLOAT_EQ(scene.camera.zoom, 0.0f) << "no zoom key stays held";
    const float y = scene.camera.offset.y();
    run(3);
    EXPECT_FLOAT_EQ(scene.camera.offset.y(), y) << "the camera stays where it was";
}

TEST_F(LevelSceneTest, KeysHeldThroughThePauseCountAsSdlReportsThemOnResume)
{
    // SDL's own key state, as its event loop keeps it; put back at the end.
    Uint8* keys = SDL_GetKeyState(nullptr);
    struct Released {
        Uint8* keys;
        ~Released()
        {
            for (int key : {SDLK_UP, SDLK_LEFT, SDLK_w, SDLK_s, SDLK_RIGHT}) {
                keys[key] = 0;
            }
        }
    } released{keys};
    const auto pause = [&] {
        levelKey(KTKey::Escape);
        run(1);
        ASSERT_EQ(scene.input, scene.menuInput);
    };
    const auto resume = [&] {
        menuKey(KTKey::Escape);
        ASSERT_FALSE(scene.menuMode);
        run(1);
    };
    play();
    run(1);

    // Up and 'w' held through Escape-Escape: still walking and zooming after
    // it, and their release in play stops both.
    levelKey(KTKey::Up);
    levelKey(KTKey::W);
    pause();
    keys[SDLK_UP] = 1;
    keys[SDLK_w] = 1;
    resume();
    EXPECT_EQ(scene.movement.dz, 1) << "Up is still held";
    EXPECT_FLOAT_EQ(scene.camera.zoom, -1.0f) << "'w' is still held";
    keys[SDLK_UP] = 0;
    keys[SDLK_w] = 0;
    levelKeyUp(KTKey::Up);
    levelKeyUp(KTKey::W);
    run(1);
    EXPECT_EQ(scene.movement.dz, 0);
    EXPECT_FLOAT_EQ(scene.camera.zoom, 0.0f);

    // Left and 's' released while the menus had the keyboard, Right and 'w'
    // pressed there, and SDL reports nothing held at Resume: their later
    // release in play undoes nothing.
    levelKey(KTKey::Left);
    levelKey(KTKey::S);
    pause();
    scene.menuInput->onKeyUp(KTKey::Left);
    scene.menuInput->onKeyUp(KTKey::S);
    menuKey(KTKey::Right);
    menuKey(KTKey::W);
    resume();
    EXPECT_EQ(scene.movement.dx, 0);
    EXPECT_FLOAT_EQ(scene.camera.zoom, 0.0f);
    levelKeyUp(KTKey::Right);
    levelKeyUp(KTKey::W);
    EXPECT_EQ(scene.movement.dx, 0) << "no key held: no walk to the left";
    EXPECT_FLOAT_EQ(scene.camera.zoom, 0.0f) << "no key held: no zoom";
    // Nothing held: the player stays on its cell and the camera stays.
    const VXVec4 cell = scene.player->physicsObject->position;
    const float cameraY = scene.camera.offset.y();
    run(60);
    const VXVec4& now = scene.player->physicsObject->position;
    EXPECT_EQ(std::floor(now.x() / 30.0f), std::floor(cell.x() / 30.0f)) << "no walk";
    EXPECT_EQ(std::floor(now.z() / 30.0f), std::floor(cell.z() / 30.0f)) << "no walk";
    EXPECT_FLOAT_EQ(scene.camera.offset.y(), cameraY);

    // Right pressed while the menus had the keyboard and still held at
    // Resume counts; its release in play undoes it.
    pause();
    menuKey(KTKey::Right);
    keys[SDLK_RIGHT] = 1;
    resume();
    EXPECT_EQ(scene.movement.dx, 1) << "Right is held";
    keys[SDLK_RIGHT] = 0;
    levelKeyUp(KTKey::Right);
    EXPECT_EQ(scene.movement.dx, 0);
    // A press in play counts once however often it comes.
    levelKey(KTKey::Left);
    levelKey(KTKey::Left);
    EXPECT_EQ(scene.movement.dx, -1);
    levelKeyUp(KTKey::Left);
    EXPECT_EQ(scene.movement.dx, 0);
}

TEST_F(LevelSceneTest, MovementTablesGiveFacingAndPushForEveryRequest)
{
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dz = -1; dz <= 1; ++dz) {
            if (dx == 0 && dz == 0) {
                continue;
            }
            const std::string what = "dx " + std::to_string(dx) + " dz " + std::to_string(dz);
            const int i = directionIndex(dx, dz);
            const float angle = assets().facingAngles[i];
            scene.movement.dx = dx;
            scene.movement.dz = dz;
            scene.movement.walk = true;
            scene.updateMovement();
            EXPECT_NEAR(scene.movement.facing.y(), std::sin(angle / 2), 1e-6f) << what;
            EXPECT_NEAR(scene.movement.facing.w(), std::cos(angle / 2), 1e-6f) << what;
            EXPECT_FLOAT_EQ(scene.movement.facing.x(), 0.0f);
            expectVec(scene.movement.direction, 0.5f * std::sin(angle), 0, 0.5f * std::cos(angle), what);
            scene.movement.walk = false;
            scene.updateMovement();
            expectVec(scene.movement.direction, 0, 0, 0, what + " turning only");
            EXPECT_NEAR(scene.movement.facing.y(), std::sin(angle / 2), 1e-6f) << what << " still turns";
        }
    }
    // No request: no push, and the facing stays as it was.
    const VXQuat facing = scene.movement.facing;
    scene.movement.dx = 0;
    scene.movement.dz = 0;
    scene.movement.walk = true;
    scene.updateMovement();
    expectVec(scene.movement.direction, 0, 0, 0, "at rest");
    EXPECT_FLOAT_EQ(scene.movement.facing.y(), facing.y());
    EXPECT_FLOAT_EQ(scene.movement.facing.w(), facing.w());
    // Right walks toward -x, up toward +z.
    scene.movement.dx = 1;
    scene.updateMovement();
    expectVec(scene.movement.direction, -0.5f, 0, 0, "right");
}

TEST_F(LevelSceneTest, ZoomKeepsTheCameraWithinItsBand)
{
    scene.camera.offset = VXVec4(0, 553, -250, 1);
    scene.camera.zoom = 1;
    scene.updateCamera();
    expectVec(scene.camera.offset, 0, 553, -250, "zoom +1 above 550 stays");
    scene.camera.zoom = -1;
    scene.updateCamera();
    expectVec(scene.camera.offset, 0, 538, -241.25f, "zoom -1 moves (0, -15, 8.75)");
    scene.camera.offset = VXVec4(0, 19, -250, 1);
    scene.updateCamera();
    expectVec(scene.camera.offset, 0, 19, -250, "zoom -1 below 20 stays");
    scene.camera.offset = VXVec4(0, 550, -250, 1);
    scene.camera.zoom = 1;
    scene.updateCamera();
    expectVec(scene.camera.offset, 0, 565, -258.75f, "zoom +1 at exactly 550 moves");
    scene.camera.zoom = 0;
    scene.updateCamera();
    expectVec(scene.camera.offset, 0, 565, -258.75f, "no zoom");
}

TEST_F(LevelSceneTest, AQuarterTurnTurnsThePushAtOnceAndTheCameraOverFrames)
{
    const float quarter = 1.5707964f;
    scene.camera.angle = quarter;
    float expected = 0.0f;
    for (int frame = 1; frame <= 12; ++frame) {
        scene.updateCamera();
        expected = 0.25f * quarter + 0.75f * expected;
        EXPECT_NEAR(scene.camera.smoothedAngle, expected, 1e-6f) << "frame " << frame;
        const VXVec4 eye = VXQuat::fromAngleAxis(expected, 0, 1, 0).rotate(scene.camera.offset);
        expectVec(scene.camera.rotatedOffset, eye.x(), eye.y(), eye.z(), "frame " + std::to_string(frame));
        // The target turn is the whole quarter from the first frame on.
        EXPECT_NEAR(scene.camera.targetTurn.y(), std::sin(quarter / 2), 1e-6f);
    }
    EXPECT_GT(scene.camera.smoothedAngle, 0.95f * quarter);
    EXPECT_LT(scene.camera.smoothedAngle, quarter);

    // The player's push follows the target turn in the same frame.
    play();
    scene.player->physicsObject->velocity = VXVec4(0, 0, 0, 1);
    scene.movement.dz = 1;
    {
        VXLogCapture quiet;
        scene.updateMovement();
    }
    const VXVec4 push = scene.camera.targetTurn.rotate(scene.movement.direction);
    expectVec(push, 0.5f, 0, 0, "forward after a quarter turn is +x");
}

TEST_F(LevelSceneTest, UpdateTurnsAndPushesThePlayerAndTheCameraFollows)
{
    play();
    run(30);  // land on the floor
    scene.camera.angle = 1.5707964f;
    scene.movement.dz = 1;
    const float x = scene.player->physicsObject->position.x();
    run(10);
    EXPECT_GT(scene.player->physicsObject->position.x(), x + 2.0f) << "forward is +x after the turn";
    // Facing: target turn times the request's facing (angle 0 for forward).
    EXPECT_NEAR(scene.player->orientation.y(), std::sin(1.5707964f / 2), 1e-3f);
    const VXVec4& eye = scene.levelRender->view.camera.eye;
    const VXVec4 expected = scene.player->position + scene.camera.rotatedOffset;
    expectVec(eye, expected.x(), expected.y(), expected.z(), "eye");
    expectVec(scene.levelRender->view.camera.target, scene.player->position.x(), scene.player->position.y() + 5,
              scene.player->position.z(), "centre");
    expectVec(scene.lights[0].position, eye.x(), eye.y(), eye.z(), "light 0 follows the camera");
}

TEST_F(LevelSceneTest, WithoutMovementKeysThePlayerSettlesOnItsCell)
{
    play();
    run(30);
    scene.player->physicsObject->position.x() = 307.0f;
    scene.player->physicsObject->velocity = VXVec4(0, 0, 0, 1);
    run(60);
    EXPECT_NEAR(scene.player->physicsObject->position.x(), 315.0f, 1.0f);
}

TEST_F(LevelSceneTest, ADeadPlayerIsNotPushedAndItsRestartReloadsTheLevel)
{
    play();
    run(30);
    scene.player->health = 0;
    scene.movement.dz = 1;
    scene.player->physicsObject->velocity = VXVec4(0, 0, 0, 1);
    const float z = scene.player->physicsObject->position.z();
    run(10);
    EXPECT_NEAR(scene.player->physicsObject->position.z(), z, 0.5f) << "no push while dead";
    scene.levelIndex = 1;
    scene.camera.angle = 3.0f;
    scene.player->restartRequested = true;
    run(1);
    EXPECT_FALSE(scene.player->restartRequested);
    EXPECT_EQ(scene.levelIndex, 1);
    EXPECT_EQ(loadedLevel(), "Level1");
    EXPECT_EQ(scene.player->health, 4);
    EXPECT_FALSE(scene.player->dead);
    EXPECT_FLOAT_EQ(scene.camera.angle, 0.0f);
}

TEST_F(LevelSceneTest, TouchingTheGoalAdvancesAndTheLastLevelReloadsItself)
{
    play();
    for (int level = 1; level <= 4; ++level) {
        scene.player->goalReached = true;
        run(1);
        EXPECT_FALSE(scene.player->goalReached);
        const int expected = level < 3 ? level : 2;
        EXPECT_EQ(scene.levelIndex, expected);
        EXPECT_EQ(scene.highestLevel, expected);
        EXPECT_EQ(loadedLevel(), "Level" + std::to_string(expected));
    }
}

TEST_F(LevelSceneTest, HighestLevelOnlyGrows)
{
    {
        VXLogCapture quiet;
        scene.nextLevel();
        EXPECT_EQ(scene.highestLevel, 1);
        scene.levelIndex = 0;
        scene.loadLevel();
        EXPECT_EQ(scene.highestLevel, 1);
        scene.nextLevel();
        EXPECT_EQ(scene.levelIndex, 1);
        EXPECT_EQ(scene.highestLevel, 1);
        scene.nextLevel();
        EXPECT_EQ(scene.highestLevel, 2);
    }
}

TEST_F(LevelSceneTest, EveryLoadRearmsThePlayerAndResetsTheCamera)
{
    scene.player->health = 1;
    scene.player->greyAmmo = 5;
    scene.player->redAmmo = 6;
    scene.player->destroyAmmo = 7;
    scene.player->dead = true;
    scene.player->position = VXVec4(100, 45, 200, 1);
    scene.camera.angle = 1.0f;
    scene.camera.smoothedAngle = 0.5f;
    scene.camera.offset = VXVec4(0, 100, -50, 1);
    scene.camera.zoom = 1.0f;
    {
        VXLogCapture quiet;
        scene.loadLevel();
    }
    EXPECT_EQ(scene.player->health, 4);
    EXPECT_EQ(scene.player->greyAmmo, 0);
    EXPECT_EQ(scene.player->redAmmo, 0);
    EXPECT_EQ(scene.player->destroyAmmo, 0);
    EXPECT_FALSE(scene.player->dead);
    expectVec(scene.camera.offset, 0, 300, -250, "camera offset");
    EXPECT_FLOAT_EQ(scene.camera.angle, 0.0f);
    EXPECT_FLOAT_EQ(scene.camera.smoothedAngle, 0.0f);
    EXPECT_FLOAT_EQ(scene.camera.targetTurn.w(), 1.0f);
    expectVec(scene.camera.rotatedOffset, 0, 0, 0, "turned offset waits for the next frame");
    EXPECT_FLOAT_EQ(scene.camera.zoom, 1.0f) << "zoom is left as it was";
    // A level without a player command leaves the player where it was.
    expectVec(scene.player->physicsObject->position, 100, 45, 200, "physics takes the position");
    EXPECT_EQ(scene.world->findObject(scene.player->objectId), scene.player) << "the player stays in the world";
}

TEST_F(LevelSceneTest, LoadingClearsTheLevelButKeepsThePlayer)
{
    play();
    scene.player->greyAmmo = 1;
    {
        VXLogCapture quiet;
        levelKey(KTKey::Return);
    }
    ASSERT_EQ(scene.world->objectMap.size(), 2u);
    {
        VXLogCapture quiet;
        scene.loadLevel();
    }
    EXPECT_EQ(scene.world->objectMap.size(), 1u);
    EXPECT_EQ(scene.world->objectMap.begin()->second, scene.player);
}

TEST_F(EmptyListSceneTest, AnEmptyLevelListIsNeverIndexed)
{
    EXPECT_TRUE(scene.levelNames.empty());
    EXPECT_TRUE(scene.menuMode);
    VXLogCapture logged;
    scene.loadLevel();
    scene.nextLevel();
    levelKey(KTKey::F5);
    levelKey(KTKey::F12);
    const std::string out = logged.text();
    EXPECT_EQ(scene.levelIndex, 0);
    EXPECT_EQ(scene.highestLevel, 0);
    EXPECT_NE(out.find("NO LEVELS IN Data/Level List.txt"), std::string::npos);
    // The game still runs in its menus.
    EXPECT_EQ(updateCapturing(), "");
    EXPECT_EQ(scene.loopCode, 0);
}
