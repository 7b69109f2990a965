#include "ReplaySession.h"

#include <SDL.h>

#include <iostream>
#include <streambuf>

#include "engine/render/VXLibrary.h"
#include "game/audio/KTSoundTable.h"
#include "game/effects/KTParticleManager.h"
#include "game/level/KTLevelScene.h"
#include "game/objects/KTMainCharacter.h"
#include "game/start/KTAssetLoaders.h"
#include "game/ui/KTLevelInput.h"
#include "platform/HostRandom.h"
#include "support/TempDir.h"
#include "support/TestWindow.h"

namespace {

// Where the world's trace lines go while frames run: nowhere.
class DiscardBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

class MutedOutput {
public:
    MutedOutput() : saved(std::cout.rdbuf(&discard)) {}
    ~MutedOutput() { std::cout.rdbuf(saved); }

private:
    DiscardBuffer discard;
    std::streambuf* saved;
};

KTLevelScene* theScene = nullptr;
int shippedLevels = 0;

void pushKey(const ReplayEvent& e)
{
    SDL_Event event = {};
    event.type = e.down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.type = event.type;
    event.key.state = e.down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = static_cast<SDLKey>(e.key);
    SDL_PushEvent(&event);
}

} // namespace

bool ReplaySession::openGame()
{
    if (theScene != nullptr) {
        return true;
    }
    if (!openTestWindow()) {
        return false;
    }
    MutedOutput muted;
    initializeLibrary("VXLibrary");
    loadModels();
    buildDirectionTables();
    loadCharacterData();
    loadTextures();
    createSoundBank();
    createParticleManager();
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
    MutedOutput muted;
    hostSrand(seed);
    s.levelIndex = level;
    s.loadLevel();
    s.movement.release();
    s.camera.zoom = 0.0f;
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
        pushKey(e);
    }
    {
        MutedOutput muted;
        if (frames % DrawInterval == 0) {
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
