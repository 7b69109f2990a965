// Frame time of the real level scene in its 800 by 600 window: update, draw
// and swap, as the engine's loop runs them. Measured on every shipped level
// and on a full level (400 floor tiles and a block in each of the 2000
// cells), and on the full level against two floors: the same frame drawn
// with a flat unlit program, and with all of its geometry merged into one
// draw. Run from the game directory under a display (Xvfb will do); the
// world's trace lines go to a file, as they go to stdout.txt in play, the
// table rows to standard output. An optional argument sets the number of
// measured frames.
#include <GL/glew.h>
#include <SDL.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/model/VXOBJData.h"
#include "engine/render/VXLibrary.h"
#include "engine/render/VXShaderProgram.h"
#include "engine/render/VXVertexBuffer.h"
#include "game/effects/KTParticleManager.h"
#include "game/level/KTGridCell.h"
#include "game/level/KTLevelRender.h"
#include "game/level/KTLevelScene.h"
#include "game/level/KTLevelWorld.h"
#include "game/level/KTPhysicsObject.h"
#include "game/objects/KTBlock.h"
#include "game/objects/KTBlockType.h"
#include "game/objects/KTMainCharacter.h"
#include "game/start/KTAssetLoaders.h"
#include "game/start/KTAssets.h"
#include "game/ui/KTStatusRender.h"

namespace {

const int WarmUpFrames = 30;
int MeasuredFrames = 300;

struct Figures {
    double median;
    double p95;
    // Processor time of all the program's threads (the rasteriser's too):
    // the frame's work, whatever else the machine is doing.
    double cpuMedian;
};

double percentile(std::vector<double> values, int percent)
{
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, values.size() * percent / 100)];
}

double processMillis()
{
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1.0e6;
}

// One frame as the loop runs it; glFinish so that the raster work is counted.
template <typename Draw>
void timeFrame(KTLevelScene& scene, Draw draw, double& wall, double& cpu)
{
    const double cpuStart = processMillis();
    const auto start = std::chrono::steady_clock::now();
    scene.update();
    draw();
    SDL_GL_SwapBuffers();
    glFinish();
    const auto end = std::chrono::steady_clock::now();
    wall = std::chrono::duration<double, std::milli>(end - start).count();
    cpu = processMillis() - cpuStart;
}

template <typename Draw>
Figures measure(KTLevelScene& scene, Draw draw)
{
    std::vector<double> wall;
    std::vector<double> cpu;
    for (int i = 0; i < WarmUpFrames + MeasuredFrames; ++i) {
        double w = 0.0;
        double c = 0.0;
        timeFrame(scene, draw, w, c);
        if (i >= WarmUpFrames) {
            wall.push_back(w);
            cpu.push_back(c);
        }
    }
    return Figures{percentile(wall, 50), percentile(wall, 95), percentile(cpu, 50)};
}

Figures measureScene(KTLevelScene& scene)
{
    return measure(scene, [&scene]() { scene.drawFrame(); });
}

void play(KTLevelScene& scene, int level)
{
    scene.levelIndex = level;
    scene.loadLevel();
    scene.menuMode = false;
    scene.gameStarted = true;
}

void fillLevel(KTLevelScene& scene)
{
    scene.world->clear();
    const int types[] = {KTBlockType::Red, KTBlockType::Blue, KTBlockType::Green, KTBlockType::Grey,
                         KTBlockType::Black};
    for (int x = 0; x < KT_LEVEL_CELLS_X; ++x) {
        for (int y = 0; y < KT_LEVEL_CELLS_Y; ++y) {
            for (int z = 0; z < KT_LEVEL_CELLS_Z; ++z) {
                KTBlock* block = new KTBlock();
                block->position = VXVec4(x * KT_CELL_SIZE + KT_CELL_SIZE / 2, y * KT_CELL_SIZE + KT_CELL_SIZE / 2,
                                         z * KT_CELL_SIZE + KT_CELL_SIZE / 2, 1);
                const int type = types[(x + y + z) % 5];
                scene.world->addObject(block, [&] { block->setUp(scene.physics, type, scene.world); });
            }
        }
    }
    // On top of the blocks, in the middle.
    scene.player->position = VXVec4(315, 170, 315, 1);
    scene.player->physicsObject->position = scene.player->position;
    scene.resetLevel();
}

// Every block and floor tile of the world as one vertex buffer in world
// coordinates, drawn with one call.
class MergedLevel {
public:
    void build(KTLevelWorld& world)
    {
        for (const auto& entry : world.objectMap) {
            KTBlock* block = dynamic_cast<KTBlock*>(entry.second);
            if (block != nullptr) {
                append(KTBlock::modelOfType(block->blockType), block->position);
            }
        }
        for (int i = 0; i < world.sizeX; ++i) {
            for (int k = 0; k < world.sizeZ; ++k) {
                append(assets().defaultTile, VXVec4(i * KT_CELL_SIZE, 0, k * KT_CELL_SIZE, 1));
            }
        }
        const int count = static_cast<int>(positions.size() / 3);
        buffer.addAttribute(3, GL_FLOAT);
        buffer.addAttribute(3, GL_FLOAT);
        buffer.allocate(count, nullptr, GL_STATIC_DRAW);
        buffer.update(0, 0, count, positions.data());
        buffer.update(1, 0, count, normals.data());
    }

    void draw(KTLevelScene& scene)
    {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        // No texture left on the units by the HUD of the frame before.
        for (int unit = 0; unit < 3; ++unit) {
            glActiveTexture(GL_TEXTURE0 + unit);
            glBindTexture(GL_TEXTURE_2D, 0);
        }
        KTLevelRender& pass = *scene.levelRender;
        pass.begin();
        // The frame's own lit program, back faces culled.
        VXShaderProgram* lit = pass.program();
        pass.applyScene(lit, &scene);
        pass.view.stack.push();
        pass.view.uploadModelViewProjection();
        pass.view.uploadModelView();
        const VXShaderProgram& program = *lit;
        glEnable(GL_CULL_FACE);
        const float grey[4] = {0.6f, 0.6f, 0.6f, 1.0f};
        glUniform4fv(program.ambientColourLocation, 1, grey);
        glUniform4fv(program.diffuseColourLocation, 1, grey);
        glUniform4fv(program.specularColourLocation, 1, grey);
        VXIndexTable locations;
        locations.set(0, program.vertexLocation);
        locations.set(1, program.normalLocation);
        buffer.bind(locations);
        glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(indices.size()), GL_UNSIGNED_INT, indices.data());
        glDisable(GL_CULL_FACE);
        pass.view.stack.pop();
        pass.end();
        scene.statusRender->begin();
        scene.statusRender->drawPass();
        scene.statusRender->end();
    }

private:
    std::vector<float> positions;
    std::vector<float> normals;
    std::vector<unsigned int> indices;
    VXVertexBuffer buffer;

    void append(VXOBJData* model, const VXVec4& at)
    {
        if (model == nullptr) {
            return;
        }
        // Indexed like the model itself, so each vertex is shaded once.
        const unsigned int first = static_cast<unsigned int>(positions.size() / 3);
        for (const VXOBJVertexData& v : model->dataSet.vertices) {
            positions.insert(positions.end(), {v.position.x() + at.x(), v.position.y() + at.y(),
                                               v.position.z() + at.z()});
            normals.insert(normals.end(), {v.normal.x(), v.normal.y(), v.normal.z()});
        }
        for (const VXOBJVertexBlock& block : model->dataSet.blocks) {
            for (int index : block.indices) {
                indices.push_back(first + static_cast<unsigned int>(index));
            }
        }
    }
};

VXShaderProgram* flatProgram()
{
    VXShaderProgram* program = new VXShaderProgram();
    program->attachVertexShader(VANTOREL_BENCHMARK_SHADERS "/flat.vs");
    program->attachFragmentShader(VANTOREL_BENCHMARK_SHADERS "/flat.fs");
    program->link();
    program->bindStandardNames();
    return program;
}

FILE* report = nullptr;

void row(const std::string& name, const Figures& f, const std::string& note = std::string())
{
    std::fprintf(report, "| frame, %s | %.1f ms | %.1f ms | %.1f ms processor time%s%s |\n", name.c_str(), f.median,
                 f.p95, f.cpuMedian, note.empty() ? "" : "; ", note.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    // An optional frame count, for quick runs.
    if (argc > 1) {
        MeasuredFrames = std::max(1, std::atoi(argv[1]));
    }
    if (SDL_Init(SDL_INIT_VIDEO) < 0 || SDL_SetVideoMode(800, 600, 32, SDL_OPENGL | SDL_DOUBLEBUF) == nullptr ||
        glewInit() != GLEW_OK) {
        std::fprintf(stderr, "no window\n");
        return 1;
    }
    report = fdopen(dup(fileno(stdout)), "w");
    if (report == nullptr || std::freopen("frame_benchmark_stdout.txt", "w", stdout) == nullptr) {
        return 1;
    }
    initializeLibrary("VXLibrary");
    loadModels();
    buildDirectionTables();
    loadCharacterData();
    loadTextures();
    createParticleManager();
    KTLevelScene* scene = new KTLevelScene();
    scene->setUp();

    std::fprintf(report, "Frame: update, draw and swap at 800 x 600, %d frames each after %d to warm up.\n",
                 MeasuredFrames, WarmUpFrames);
    for (int i = 0; i < static_cast<int>(scene->levelNames.size()); ++i) {
        play(*scene, i);
        row("level " + std::to_string(i + 1), measureScene(*scene), "goal 16 ms");
    }

    play(*scene, 0);
    fillLevel(*scene);
    MergedLevel merged;
    merged.build(*scene->world);
    VXShaderProgram* lit = defaultRenderProgram;
    VXShaderProgram* flat = flatProgram();
    // The variants of the full level take turns frame by frame, so that all
    // of them see the same machine: on a shared one the load drifts.
    struct Variant {
        const char* name;
        const char* note;
        bool cull;
        bool buildOut;
        bool flat;
        bool merged;
        std::vector<double> wall;
        std::vector<double> cpu;
    };
    Variant variants[] = {
        {"full level (400 tiles, 2000 blocks)", "goal 1.5 x the flat floor", true, true, false, false, {}, {}},
        {"full level, no culling", "", false, true, false, false, {}, {}},
        {"full level, all-light program", "", true, false, false, false, {}, {}},
        {"full level, neither saving (the plain path)", "", false, false, false, false, {}, {}},
        {"full level, flat unlit program", "floor", true, false, true, false, {}, {}},
        {"full level, merged into one draw", "floor", true, true, false, true, {}, {}},
    };
    for (int frame = 0; frame < WarmUpFrames + MeasuredFrames; ++frame) {
        for (Variant& v : variants) {
            VXOBJData::cullClosedModels = v.cull;
            // The pass draws with defaultRenderProgram while it builds no lights out.
            scene->levelRender->lightsBuiltOut = v.buildOut;
            defaultRenderProgram = v.flat ? flat : lit;
            double wall = 0.0;
            double cpu = 0.0;
            if (v.merged) {
                timeFrame(*scene, [&]() { merged.draw(*scene); }, wall, cpu);
            } else {
                timeFrame(*scene, [&]() { scene->drawFrame(); }, wall, cpu);
            }
            if (frame >= WarmUpFrames) {
                v.wall.push_back(wall);
                v.cpu.push_back(cpu);
            }
        }
    }
    VXOBJData::cullClosedModels = true;
    scene->levelRender->lightsBuiltOut = true;
    defaultRenderProgram = lit;
    for (const Variant& v : variants) {
        row(v.name, Figures{percentile(v.wall, 50), percentile(v.wall, 95), percentile(v.cpu, 50)}, v.note);
    }
    std::fclose(report);
    return 0;
}
