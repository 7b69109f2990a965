// Time and allocations of one level-world update, as the level scene runs it:
// a full 20 x 5 x 20 level (a block in every cell) with 50 bodies moving over
// it and 20 explosions running, and the burn of a solid 10 x 5 x 10 cube of
// red blocks (chain passes and the explosion pool under load). The world's
// trace lines go to a file, as they go to stdout.txt in play; the figures go
// to the terminal.
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>

#include "engine/math/VXVec4.h"
#include "game/effects/KTParticleManager.h"
#include "game/level/KTGridCell.h"
#include "game/level/KTLevelWorld.h"
#include "game/level/KTPhysicsObject.h"
#include "game/level/KTPhysicsWorld.h"
#include "game/level/KTWorldBox.h"
#include "game/objects/KTBlock.h"
#include "game/objects/KTBlockType.h"
#include "game/objects/KTGameObject.h"
#include "game/objects/KTMainCharacter.h"
#include "game/objects/KTPhysicsKind.h"
#include "platform/HostRandom.h"

namespace {
std::atomic<long> allocationCount{0};
}

void* operator new(std::size_t size)
{
    ++allocationCount;
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

void* operator new[](std::size_t size)
{
    return operator new(size);
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete[](void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

void operator delete[](void* p, std::size_t) noexcept
{
    std::free(p);
}

namespace {

const int WarmUpUpdates = 100;
const int MeasuredUpdates = 3000;
const int MovingBodies = 50;
const int RunningExplosions = 20;

FILE* report = nullptr;

// A body that wanders over the top of the level: a small push in a new
// direction every 30 updates.
class Wanderer : public KTGameObject {
public:
    int age = 0;

    void attachToLevel(KTPhysicsWorld* physics, KTLevelWorld* level) override
    {
        body.boxMin = VXVec4(-10, -10, -10, 1);
        body.boxMax = VXVec4(10, 10, 10, 1);
        body.inverseMass = 1.0f;
        body.kind = KTPhysicsKind::PetOrShooter;
        body.collides = true;
        body.falls = true;
        attachBody(physics, level);
    }

    void update() override
    {
        KTGameObject::update();
        if (++age % 30 == 0) {
            float dx = static_cast<float>(hostRand()) / HOST_RAND_MAX - 0.5f;
            float dz = static_cast<float>(hostRand()) / HOST_RAND_MAX - 0.5f;
            applyImpulse(VXVec4(dx * 4.0f, 2.0f, dz * 4.0f, 1.0f));
        }
        clampToLevelBounds();
    }

    void draw(VXViewState*, VXShaderProgram*) override {}
};

struct Level {
    KTPhysicsWorld physics;
    KTLevelWorld world{nullptr};
    KTMainCharacter player;

    Level()
    {
        physics.init(KTWorldBox{VXVec4(0, 0, 0, 1), VXVec4(600, 600, 600, 1)}, VXVec4(0, -0.3f, 0, 1));
        world.init(&physics, KT_LEVEL_CELLS_X, KT_LEVEL_CELLS_Y, KT_LEVEL_CELLS_Z, &player, "benchmark");
        player.position = VXVec4(555, 300, 555, 1);
        world.addObject(&player);
    }

    KTBlock* block(int cx, int cy, int cz, int type)
    {
        KTBlock* b = new KTBlock();
        b->position = VXVec4(cx * KT_CELL_SIZE + KT_CELL_SIZE / 2, cy * KT_CELL_SIZE + KT_CELL_SIZE / 2,
                             cz * KT_CELL_SIZE + KT_CELL_SIZE / 2, 1);
        world.addObject(b, [&] { b->setUp(&physics, type, &world); });
        return b;
    }
};

struct Figures {
    double median;
    double p95;
    double allocationsPerUpdate;
    int updates;
};

Figures summarise(std::vector<double>& micros, long allocations)
{
    std::sort(micros.begin(), micros.end());
    Figures f;
    f.updates = static_cast<int>(micros.size());
    f.median = micros.empty() ? 0.0 : micros[micros.size() / 2];
    f.p95 = micros.empty() ? 0.0 : micros[std::min(micros.size() - 1, micros.size() * 95 / 100)];
    f.allocationsPerUpdate = micros.empty() ? 0.0 : static_cast<double>(allocations) / micros.size();
    return f;
}

double timeUpdate(KTLevelWorld& world)
{
    auto start = std::chrono::steady_clock::now();
    world.update();
    auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::micro>(end - start).count();
}

Figures fullLevel()
{
    Level level;
    for (int x = 0; x < 20; ++x) {
        for (int y = 0; y < 5; ++y) {
            for (int z = 0; z < 20; ++z) {
                level.block(x, y, z, KTBlockType::Grey);
            }
        }
    }
    for (int i = 0; i < MovingBodies; ++i) {
        Wanderer* w = new Wanderer();
        w->position = VXVec4(45.0f + (i % 10) * 55.0f, 200.0f + (i / 10) * 30.0f, 45.0f + (i / 10) * 110.0f, 1);
        level.world.addObject(w);
    }
    std::vector<double> micros;
    micros.reserve(MeasuredUpdates);
    long allocations = 0;
    for (int i = 0; i < WarmUpUpdates + MeasuredUpdates; ++i) {
        // Keep 20 explosions running: each lasts about 100 updates.
        if (i % 5 == 0) {
            level.world.createExplosion(VXVec4(30.0f + (i % 500), 170, 300, 1), 5.0f, 100);
        }
        long before = allocationCount.load();
        double t = timeUpdate(level.world);
        if (i >= WarmUpUpdates) {
            micros.push_back(t);
            allocations += allocationCount.load() - before;
        }
    }
    return summarise(micros, allocations);
}

// Builds the cube, lets one update file it into the grid, lights one corner
// and runs until the chain has taken every block.
Figures burnCube(Level& level, int& burnUpdates, int& burnt)
{
    for (int x = 0; x < 10; ++x) {
        for (int y = 0; y < 5; ++y) {
            for (int z = 0; z < 10; ++z) {
                level.block(x + 5, y, z + 5, KTBlockType::Red);
            }
        }
    }
    level.world.update();
    const float half = KT_CELL_SIZE / 2;
    level.world.blastAround(level.world.chainQueue, VXVec4(5 * KT_CELL_SIZE + half, half, 5 * KT_CELL_SIZE + half, 1),
                            true);
    std::vector<double> micros;
    micros.reserve(2000);
    long allocations = 0;
    burnUpdates = 0;
    const size_t start = level.world.objectMap.size();
    while (burnUpdates < 2000 && (!level.world.chainQueue.empty() || level.world.chainCounter != 0)) {
        long before = allocationCount.load();
        micros.push_back(timeUpdate(level.world));
        allocations += allocationCount.load() - before;
        ++burnUpdates;
    }
    // Let the last removals and explosions finish before the next burn.
    for (int i = 0; i < 150; ++i) {
        level.world.update();
    }
    burnt = static_cast<int>(start - level.world.objectMap.size());
    return summarise(micros, allocations);
}

void print(const char* name, const Figures& f)
{
    std::fprintf(report, "%-44s median %7.1f us   p95 %7.1f us   %6.2f allocations per update (%d updates)\n",
                 name, f.median, f.p95, f.allocationsPerUpdate, f.updates);
}

// The row of the performance table (scripts/bench.sh).
void row(const char* name, const Figures& f)
{
    std::fprintf(report, "| world update, %s | %.1f us | %.1f us | %.2f allocations per update |\n", name, f.median,
                 f.p95, f.allocationsPerUpdate);
}

} // namespace

int main()
{
    // The figures go to the terminal; the world's trace lines to a file.
    report = fdopen(dup(fileno(stdout)), "w");
    if (report == nullptr || std::freopen("world_benchmark_stdout.txt", "w", stdout) == nullptr) {
        std::fprintf(stderr, "cannot redirect standard output\n");
        return 1;
    }
    hostSrand(1);
    createParticleManager();
    Figures full = fullLevel();
    print("full level: 2000 blocks, 50 bodies, 20 blasts", full);
    row("full level (2000 blocks, 50 bodies, 20 explosions)", full);
    // The first burn grows the removal and chain queues; the second runs
    // in the same world with the queues at their size.
    Level level;
    for (int round = 1; round <= 2; ++round) {
        int burnUpdates = 0;
        int burnt = 0;
        Figures cube = burnCube(level, burnUpdates, burnt);
        print(round == 1 ? "burn of a 10 x 5 x 10 red cube, first" : "burn of a 10 x 5 x 10 red cube, again", cube);
        std::fprintf(report, "  the burn took %d updates and removed %d of 500 blocks\n", burnUpdates, burnt);
        if (round == 2) {
            row("burn of a 10 x 5 x 10 red cube", cube);
        }
    }
    std::fclose(report);
    return 0;
}
