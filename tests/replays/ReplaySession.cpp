#include "ReplaySession.h"

#include <SDL.h>

#include <algorithm>

#include "engine/core/VXLog.h"
#include "game/level/KTLevelRender.h"
#include "game/level/KTLevelScene.h"
#include "game/level/KTLevelWorld.h"
#include "game/level/KTPhysicsObject.h"
#include "game/objects/KTMainCharacter.h"
#include "game/ui/KTLevelInput.h"
#include "platform/HostRandom.h"
#include "support/KeyEvents.h"
#include "support/TempDir.h"
#include "support/TestWindow.h"
#include "support/game/GameAssets.h"

namespace {

KTLevelScene* theScene = nullptr;
int shippedLevels = 0;

} // namespace

bool ReplaySession::openGame()
{
    if (theScene != nullptr) {
        return true;
    }
    if (!openTestWindow()) {
        return false;
    }
    // The log lines of the start-up are kept off the test output.
    VXLogCapture muted;
    loadGameAssets();
    theScene = new KTLevelScene();
    KTLevelScene& s = *theScene;
    s.setUpMenus();
    s.setUpPlayState();
    s.createWorlds();
    s.setUpPlayer();
    s.setUpCamera();
    s.setUpLights();
    s.setUpPasses();
    shippedLevels = static_cast<int>(s.levelNames.size());
    // Lives as long as the scene that names it.
    static TempDir endLevelDir;
    s.levelNames.push_back(endLevelDir.write("end.txt", "Level After The Last\nCreate_Player 10 10 0\n"));
    return true;
}

KTLevelScene& ReplaySession::scene()
{
    return *theScene;
}

int ReplaySession::shippedLevelCount()
{
    return shippedLevels;
}

std::vector<unsigned char> ReplaySession::picture(bool hud)
{
    const int width = PictureWidth;
    const int height = PictureHeight;
    {
        VXLogCapture muted;
        KTLevelScene& s = scene();
        if (hud) {
            s.drawFrame();
        } else {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            s.levelRender->begin();
            s.levelRender->drawPass();
            s.levelRender->end();
        }
    }
    std::vector<unsigned char> bottomUp(static_cast<size_t>(width) * height * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    std::vector<unsigned char> rows(bottomUp.size());
    const size_t row = static_cast<size_t>(width) * 3;
    for (int y = 0; y < height; ++y) {
        std::copy_n(&bottomUp[static_cast<size_t>(height - 1 - y) * row], row, &rows[static_cast<size_t>(y) * row]);
    }
    return rows;
}

double ReplaySession::emptyShare(const std::vector<unsigned char>& rgb, int rows)
{
    const size_t end = std::min(rgb.size(), static_cast<size_t>(PictureWidth) * rows * 3);
    size_t empty = 0;
    for (size_t i = 0; i + 2 < end; i += 3) {
        empty += rgb[i] == 0 && rgb[i + 1] == 0 && rgb[i + 2] == 0 ? 1 : 0;
    }
    return end == 0 ? 0.0 : static_cast<double>(empty) / static_cast<double>(end / 3);
}

void ReplaySession::begin(int level, unsigned int seed)
{
    KTLevelScene& s = scene();
    startLevel = level;
    frames = 0;
    finished = false;
    died = false;
    finishedAt = -1;
    // Nothing of an earlier level is left in the event queue.
    SDL_Event stale;
    while (SDL_PollEvent(&stale) != 0) {
    }
    VXLogCapture muted;
    hostSrand(seed);
    // What a level played before leaves behind is put as a fresh start of
    // the game has it, so that a replay plays the same whether or not
    // other levels ran before it in this process; the level load resets
    // the rest.
    KTMainCharacter& player = *s.player;
    player.orientation = VXQuat::identity();
    player.painTimer = 0;
    player.deathTimer = -1;
    player.restartRequested = false;
    player.goalReached = false;
    if (player.physicsObject != nullptr) {
        player.physicsObject->velocity = VXVec4(0.0f, 0.0f, 0.0f, 1.0f);
    }
    // The world's chain-explosion beat and explosion pool likewise.
    s.world->chainCounter = 0;
    for (KTExplosion& explosion : s.world->particles.explosions) {
        explosion.active = false;
    }
    s.world->particles.next = 0;
    s.levelIndex = level;
    s.loadLevel();
    // No key is held as the level starts (pushed events leave SDL's key
    // state alone): the movement request and zoom start at rest.
    s.levelInput->resume();
    s.menuMode = false;
    s.gameStarted = true;
    s.input = s.levelInput;
}

bool ReplaySession::frame(const std::vector<ReplayEvent>& events)
{
    KTLevelScene& s = scene();
    if (finished || died) {
        return false;
    }
    for (const ReplayEvent& e : events) {
        pushKey(e.key, e.down);
    }
    {
        // The world's trace lines are kept off the test output.
        VXLogCapture muted;
        if (drawEveryFrame || frames % DrawInterval == 0) {
            s.draw();
        }
        s.input->pollInput();
        s.update();
    }
    frames += 1;
    if (s.player->dead || s.player->health <= 0) {
        died = true;
    }
    if (s.levelIndex != startLevel) {
        finished = true;
        finishedAt = frames - 1;
    }
    return !finished && !died;
}
