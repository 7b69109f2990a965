// Start-up to the first drawn frame, and the load of a full level.
//
// Start-up: the game's own init (window, library, models, characters,
// images, sound bank, particles, first scene), the scene's set-up and its
// first draw, finished on the GPU. Run from the game directory under a
// display (xvfb-run); the figures go to the terminal, the program's lines to
// a file as in play.
//
// Level load: a script that fills the whole 20 x 5 x 20 level with blocks
// (2000) and places the player, read into a level world that first clears
// the previous load, as the level scene's loadLevel does.
#include <GL/glew.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <vector>

#include "engine/core/VXScene.h"
#include "game/level/KTLevelFileReader.h"
#include "game/level/KTLevelWorld.h"
#include "game/level/KTPhysicsWorld.h"
#include "game/objects/KTGameObject.h"
#include "game/objects/KTMainCharacter.h"
#include "game/start/KTGameEngine.h"

namespace {

const int LevelLoads = 30;
const char* const FullLevelPath = "startup_benchmark_level.txt";

double millisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void writeFullLevel()
{
    std::ofstream out(FullLevelPath);
    out << "Level Full\nLength 20\nWidth 20\nHeight 5\n"
           "Fill_Area x 0 to 19 y 0 to 19 z 0 to 4 color grey\n"
           "Create_Player 1 1 5 10 10\n";
}

struct LoadFigures {
    double median;
    double worst;
    size_t objects;
};

LoadFigures fullLevelLoads()
{
    writeFullLevel();
    KTPhysicsWorld physics;
    physics.init(KTWorldBox{ VXVec4(0, 0, 0, 1), VXVec4(600, 600, 600, 1) }, VXVec4(0, -0.3f, 0, 1));
    KTMainCharacter player;
    std::unique_ptr<KTLevelWorld> world(new KTLevelWorld(nullptr));
    world->init(&physics, 20, 5, 20, &player, "Full");
    world->addObject(&player);

    std::vector<double> times;
    size_t objects = 0;
    for (int i = 0; i < LevelLoads; ++i) {
        auto start = std::chrono::steady_clock::now();
        world->clear();
        world->scriptReader->parseFile(FullLevelPath);
        times.push_back(millisecondsSince(start));
        objects = world->objectMap.size();
        // A frame between loads frees what the last clear removed.
        world->update();
    }
    std::remove(FullLevelPath);
    std::sort(times.begin(), times.end());
    return LoadFigures{ times[times.size() / 2], times.back(), objects };
}

} // namespace

int main(int argc, char** argv)
{
    FILE* report = fdopen(dup(fileno(stdout)), "w");
    if (report == nullptr || std::freopen("startup_benchmark_stdout.txt", "w", stdout) == nullptr) {
        std::fprintf(stderr, "cannot redirect standard output\n");
        return 1;
    }
    auto start = std::chrono::steady_clock::now();
    KTGameEngine engine;
    if (!engine.init(argc, argv) || engine.currentScene == nullptr || !engine.currentScene->setUp()) {
        std::fprintf(report, "start-up failed: see startup_benchmark_stdout.txt\n");
        return 1;
    }
    const double initialised = millisecondsSince(start);
    engine.currentScene->draw();
    glFinish();
    const double firstFrame = millisecondsSince(start);
    std::fprintf(report, "start-up to the first drawn frame: %.0f ms (init and set-up %.0f ms)\n", firstFrame,
                 initialised);

    LoadFigures load = fullLevelLoads();
    std::fprintf(report, "load of a full level (%zu objects): median %.2f ms, worst %.2f ms of %d loads\n",
                 load.objects, load.median, load.worst, LevelLoads);
    // The rows of the performance table (scripts/bench.sh).
    std::fprintf(report, "| start-up to the first drawn frame | %.0f ms | | goal 500 ms |\n", firstFrame);
    std::fprintf(report, "| load of a full level (%zu objects) | %.2f ms | %.2f ms (worst) | goal 20 ms |\n",
                 load.objects, load.median, load.worst);
    std::fclose(report);
    engine.shutdown();
    return 0;
}
