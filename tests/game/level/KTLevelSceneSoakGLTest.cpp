#include <gtest/gtest.h>

#include <GL/glew.h>
#include <fcntl.h>
#include <malloc.h>
#if defined(__SANITIZE_ADDRESS__)
#include <cstddef>
// The sanitizer runtime's allocator calls; not every compiler ships the header
// that declares them.
extern "C" void __sanitizer_purge_allocator();
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#define SOAK_PURGE_ALLOCATOR 1
#endif
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "engine/core/VXInput.h"
#include "game/audio/KTSoundId.h"
#include "game/audio/KTSoundTable.h"
#include "game/level/KTLevelScene.h"
#include "game/level/KTLevelWorld.h"
#include "game/objects/KTMainCharacter.h"
#include "game/ui/KTKeySymbols.h"
#include "platform/HostRandom.h"
#include "support/KeyEvents.h"
#include "support/TestWindow.h"
#include "support/game/GameAssets.h"

namespace {

// The scene is built as the program builds it and, like the program's, is
// never freed: it stays reachable for the leak check at exit.
KTLevelScene* soakScene = nullptr;

// Resident pages of this process, once the GL driver has finished its frame
// and the allocator has handed back what is free, so that the figure follows
// the memory in use rather than the allocator's high-water mark.
long residentPages()
{
    glFinish();
#if defined(SOAK_PURGE_ALLOCATOR)
    __sanitizer_purge_allocator();
#else
    malloc_trim(0);
#endif
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident;
}

// Bytes the program holds on the heap: what it allocated and has not freed.
// Under the address sanitizer resident memory also carries the shadow of
// every heap page ever touched and the quarantine of freed blocks, which
// rise and fall with the allocator's own bookkeeping; this figure does not.
long heapBytes()
{
#if defined(SOAK_PURGE_ALLOCATOR)
    return static_cast<long>(__sanitizer_get_current_allocated_bytes());
#else
    return static_cast<long>(mallinfo2().uordblks);
#endif
}

// Whether resident memory follows the game's own memory closely enough to be
// held to 5%: always in the plain build; under the sanitizer only in a long
// run, once its shadow and quarantine have long stopped growing.
bool residentIsChecked(int updates)
{
#if defined(SOAK_PURGE_ALLOCATOR)
    return updates >= 50000;
#else
    (void)updates;
    return true;
#endif
}

// Standard output goes to /dev/null while it lasts: the world writes its
// trace lines on every frame.
class QuietOutput {
public:
    QuietOutput()
    {
        std::cout.flush();
        std::fflush(stdout);
        saved = dup(STDOUT_FILENO);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        close(null);
    }
    ~QuietOutput()
    {
        std::cout.flush();
        std::fflush(stdout);
        dup2(saved, STDOUT_FILENO);
        close(saved);
    }
    QuietOutput(const QuietOutput&) = delete;
    QuietOutput& operator=(const QuietOutput&) = delete;

private:
    int saved;
};

// Every key either handler reads, weighted: the arrows and fire keys as a
// player holds them, the level and menu keys now and then.
struct WeightedKey {
    int key;
    int weight;
};
const WeightedKey SoakKeys[] = {
    {KTKey::Up, 24},       {KTKey::Down, 18},      {KTKey::Left, 18},     {KTKey::Right, 18},
    {KTKey::Space, 18},    {KTKey::Return, 18},    {KTKey::Z, 12},        {KTKey::X, 12},
    {KTKey::C, 12},        {KTKey::A, 6},          {KTKey::D, 6},         {KTKey::W, 6},
    {KTKey::S, 6},         {KTKey::LeftShift, 3},  {KTKey::RightShift, 3}, {KTKey::LeftCtrl, 3},
    {KTKey::RightCtrl, 3}, {KTKey::Escape, 1},     {KTKey::F5, 1},        {KTKey::F6, 3},
    {KTKey::F12, 1},       {KTKey::Plus, 2},       {KTKey::Equals, 2},    {KTKey::Minus, 2},
    {KTKey::Zero, 2},      {KTKey::Nine, 2},       {KTKey::M, 2},         {KTKey::N, 2},
};

// Updates to run: VANTOREL_SOAK_UPDATES, or the short run.
int soakUpdates()
{
    const char* value = std::getenv("VANTOREL_SOAK_UPDATES");
    const int updates = value != nullptr ? std::atoi(value) : 0;
    return updates > 0 ? updates : 10000;
}

struct SoakFigures {
    int updates = 0;
    int draws = 0;
    int playUpdates = 0;
    int quits = 0;
    int levelChanges = 0;
    int deaths = 0;
    int hurts = 0;
    // Updates in play per level index.
    std::vector<int> levelUpdates;
    int highestLevel = 0;
    int mostObjects = 0;
    // Resident pages after a tenth of the run and at its end.
    long baselinePages = 0;
    long finalPages = 0;
    // Heap in use at the same two points.
    long baselineHeap = 0;
    long finalHeap = 0;
    // The same at every tenth, in KiB.
    std::vector<long> curve;
};

} // namespace

// The game's scene with the game's own data, fed random presses and releases
// of every key through SDL's event queue for a long run, menus included, as
// the engine's loop runs it (draw, pump, update), drawing every 100th frame.
// Quitting from the menus is taken back at once so that the run goes on.
// Resident memory and the heap in use after the run must be within 5% of
// what they were a tenth of the way in.
TEST(LevelSceneSoak, RandomKeysThroughMenusAndLevelsKeepMemorySteady)
{
    // Its run time depends on how busy the machine is: ctest runs it as
    // LevelSceneSoak.Alone, with a time limit of its own, and scripts/soak.sh
    // runs the long one.
    if (std::getenv("VANTOREL_SOAK_UPDATES") == nullptr) {
        GTEST_SKIP() << "run by ctest as LevelSceneSoak.Alone";
    }
    // Mesa's software rasterizer threads keep scene memory of their own from
    // frame to frame, more or less by what they drew last; rasterized on
    // this thread, the driver's share of resident memory is the same after
    // every frame, and the figures follow the game.
    setenv("LP_NUM_THREADS", "0", 0);
    ASSERT_TRUE(openTestWindow());
    SoakFigures figures;
    figures.updates = soakUpdates();
    const int baselineAt = figures.updates / 10;
    {
        QuietOutput quiet;
        loadGameAssets();
        soakScene = new KTLevelScene();
        soakScene->setUp();
        // The sound bank keeps every effect once heard, a bounded set: all
        // of them heard first, the figures follow only what play adds.
        for (int id = KTSoundId::First; id <= KTSoundId::Last; ++id) {
            soundTable()->play(id);
        }
    }
    KTLevelScene& scene = *soakScene;
    ASSERT_FALSE(scene.levelNames.empty()) << "the game's level list";
    hostSrand(1717);
    std::mt19937 keys(20240917u);
    std::vector<int> pool;
    for (const WeightedKey& entry : SoakKeys) {
        pool.insert(pool.end(), entry.weight, entry.key);
    }
    std::uniform_int_distribution<size_t> pick(0, pool.size() - 1);
    std::uniform_int_distribution<int> chance(0, 99);
    std::set<int> held;
    int lastLevel = scene.levelIndex;
    bool wasAlive = true;
    int lastHealth = scene.player->health;

    {
        QuietOutput quiet;
        for (int update = 1; update <= figures.updates; ++update) {
            // Up to two key changes a frame; a held key is released, any
            // other pressed. Now and then a press and its release come in
            // the same frame.
            for (int change = 0; change < 2; ++change) {
                if (chance(keys) >= 30) {
                    continue;
                }
                const int key = pool[pick(keys)];
                if (held.erase(key) > 0) {
                    pushKey(key, false);
                } else if (chance(keys) < 25) {
                    pushKey(key, true);
                    pushKey(key, false);
                } else {
                    held.insert(key);
                    pushKey(key, true);
                }
            }
            if (update % 100 == 0) {
                scene.draw();
                ++figures.draws;
            }
            scene.input->pollInput();
            figures.playUpdates += scene.menuMode ? 0 : 1;
            if (scene.update() < 0) {
                ++figures.quits;
                scene.loopCode = 0;
            }
            if (scene.levelIndex != lastLevel) {
                ++figures.levelChanges;
                lastLevel = scene.levelIndex;
            }
            const bool alive = scene.player->health > 0;
            figures.hurts += scene.player->health < lastHealth ? 1 : 0;
            lastHealth = scene.player->health;
            if (!scene.menuMode) {
                figures.levelUpdates.resize(std::max<size_t>(figures.levelUpdates.size(), scene.levelIndex + 1));
                ++figures.levelUpdates[scene.levelIndex];
            }
            figures.deaths += wasAlive && !alive ? 1 : 0;
            wasAlive = alive;
            figures.highestLevel = std::max(figures.highestLevel, scene.highestLevel);
            figures.mostObjects = std::max(figures.mostObjects, static_cast<int>(scene.world->objectMap.size()));
            if (update % baselineAt == 0) {
                figures.finalPages = residentPages();
                figures.finalHeap = heapBytes();
                figures.curve.push_back(figures.finalPages * 4);
            }
            if (update == baselineAt) {
                figures.baselinePages = figures.finalPages;
                figures.baselineHeap = figures.finalHeap;
            }
        }
    }

    std::cout << "soak: " << figures.updates << " updates, " << figures.playUpdates << " in play, "
              << figures.draws << " drawn, " << figures.quits << " quits taken back, " << figures.levelChanges
              << " level changes, highest level " << figures.highestLevel << ", " << figures.deaths
              << " deaths, " << figures.hurts << " hurts, at most " << figures.mostObjects << " objects; resident "
              << figures.baselinePages * 4 << " KiB after " << baselineAt << " updates, "
              << figures.finalPages * 4 << " KiB at the end; heap in use " << figures.baselineHeap / 1024
              << " KiB, then " << figures.finalHeap / 1024 << " KiB; by tenths:";
    for (long kib : figures.curve) {
        std::cout << " " << kib;
    }
    std::cout << "; updates in play by level:";
    for (int n : figures.levelUpdates) {
        std::cout << " " << n;
    }
    std::cout << std::endl;
    // The keys reached the game itself, not only the menus.
    EXPECT_GT(figures.playUpdates, figures.updates / 5);
    EXPECT_GT(figures.levelChanges, 0);
    EXPECT_LE(figures.finalHeap, figures.baselineHeap + figures.baselineHeap / 20)
        << "the heap in use grew by more than 5%";
    if (residentIsChecked(figures.updates)) {
        EXPECT_LE(figures.finalPages, figures.baselinePages + figures.baselinePages / 20)
            << "resident memory grew by more than 5%";
    }
}
