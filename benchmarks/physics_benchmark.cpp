// Mean time of one physics pass on a full level: every cell of a 20 x 5 x 20
// level holds a static block, and bodies fall onto the top layer, collide with
// it and with each other and pile up. A level half as large shows how the
// cost scales with the number of bodies.
#include <chrono>
#include <cstdio>
#include <vector>

#include "engine/math/VXVec4.h"
#include "game/level/KTGridCell.h"
#include "game/level/KTPhysicsBody.h"
#include "game/level/KTPhysicsWorld.h"
#include "game/level/KTWorldBox.h"
#include "game/objects/KTPhysicsKind.h"

namespace {

const int WarmUpPasses = 200;
const int MeasuredPasses = 5000;

KTPhysicsBody cube(float half, float inverseMass, bool falls, int kind, int id)
{
    KTPhysicsBody body;
    body.boxMin = VXVec4(-half, -half, -half, 1.0f);
    body.boxMax = VXVec4(half, half, half, 1.0f);
    body.inverseMass = inverseMass;
    body.kind = kind;
    body.id = id;
    body.collides = true;
    body.falls = falls;
    return body;
}

// Deterministic offsets, so that runs are comparable.
float jitter(unsigned& state)
{
    state = state * 1664525u + 1013904223u;
    return static_cast<float>((state >> 8) % 1000) / 1000.0f * 10.0f - 5.0f;
}

struct Result {
    double meanMicroseconds;
    int records;
};

Result run(int cellsX, int cellsY, int cellsZ, int fallingBodies)
{
    KTPhysicsWorld physics;
    KTWorldBox box;
    box.lower = VXVec4(0.0f, 0.0f, 0.0f, 1.0f);
    box.upper = VXVec4(600.0f, 600.0f, 600.0f, 1.0f);
    physics.init(box, VXVec4(0.0f, -0.3f, 0.0f, 1.0f));

    // Bodies are kept in a reserved vector: the physics objects point into it.
    std::vector<KTPhysicsBody> bodies;
    bodies.reserve(static_cast<size_t>(cellsX * cellsY * cellsZ + fallingBodies));
    int id = 0;
    for (int x = 0; x < cellsX; ++x) {
        for (int y = 0; y < cellsY; ++y) {
            for (int z = 0; z < cellsZ; ++z) {
                bodies.push_back(cube(KT_CELL_SIZE / 2, 0.0f, false, KTPhysicsKind::PlainBlock, id++));
                physics.addObject(VXVec4(x * KT_CELL_SIZE + KT_CELL_SIZE / 2, y * KT_CELL_SIZE + KT_CELL_SIZE / 2,
                                         z * KT_CELL_SIZE + KT_CELL_SIZE / 2, 1.0f),
                                  &bodies.back());
            }
        }
    }
    unsigned state = 12345u;
    const float top = cellsY * KT_CELL_SIZE;
    for (int i = 0; i < fallingBodies; ++i) {
        // Columns spread over the level, several bodies per column so that they land on each other.
        int column = i % 10;
        int level = i / 10;
        float x = (column % 5) * KT_CELL_SIZE * (cellsX / 5) + 45.0f + jitter(state);
        float z = (column / 5) * KT_CELL_SIZE * (cellsZ / 2) + 45.0f + jitter(state);
        float y = top + 60.0f + level * 40.0f;
        bodies.push_back(cube(12.0f, 1.0f, true, KTPhysicsKind::Player, id++));
        physics.addObject(VXVec4(x, y, z, 1.0f), &bodies.back());
    }

    int records = 0;
    for (int pass = 0; pass < WarmUpPasses; ++pass) {
        physics.resolveCollisions();
        physics.collisions.clear();
    }
    auto start = std::chrono::steady_clock::now();
    for (int pass = 0; pass < MeasuredPasses; ++pass) {
        physics.resolveCollisions();
        records += physics.collisions.size();
        physics.collisions.clear();
    }
    auto end = std::chrono::steady_clock::now();
    double total = std::chrono::duration<double, std::micro>(end - start).count();
    return Result{total / MeasuredPasses, records / MeasuredPasses};
}

void report(const char* name, int blocks, int falling, const Result& result)
{
    std::printf("%s: %d static blocks + %d falling bodies: %.1f us per pass (mean of %d passes, %d records per pass)\n",
                name, blocks, falling, result.meanMicroseconds, MeasuredPasses, result.records);
}

} // namespace

int main()
{
    Result full = run(KT_LEVEL_CELLS_X, KT_LEVEL_CELLS_Y, KT_LEVEL_CELLS_Z, 50);
    report("full level", 2000, 50, full);
    Result half = run(KT_LEVEL_CELLS_X, KT_LEVEL_CELLS_Y, KT_LEVEL_CELLS_Z / 2, 25);
    report("half level", 1000, 25, half);
    std::printf("full / half: %.2f\n", full.meanMicroseconds / half.meanMicroseconds);
    // The row of the performance table (scripts/bench.sh).
    std::printf("| physics pass, full level (2000 blocks, 50 falling bodies) | %.1f us (mean) | | %d records per pass |\n",
                full.meanMicroseconds, full.records);
    std::fflush(stdout);
    return 0;
}
