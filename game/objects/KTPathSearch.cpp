#include "game/objects/KTPathSearch.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "game/level/KTColumnIndex.h"
#include "game/level/KTLevelWorld.h"
#include "game/objects/KTGameObject.h"

static_assert(sizeof(KTPathGrids) == KTLevelWorld::PathGridBytes, "the path maps fill the world's scratch buffer");
static_assert(KT_PATH_GRID_SIZE == KT_LEVEL_CELLS_Z, "square maps: as many cells along z as along x");

void KTPathGrids::clear()
{
    std::memset(occupied, 0, sizeof(occupied));
    std::memset(visited, 0, sizeof(visited));
}

KTPathGrids* KTPathGrids::of(unsigned char* buffer)
{
    return reinterpret_cast<KTPathGrids*>(buffer);
}

int pathCellOf(float coordinate)
{
    float cell = std::floor(coordinate / KT_CELL_SIZE);
    // Compare as floats first: a huge or NaN coordinate must not overflow the
    // conversion.
    if (!(cell >= 0.0f)) {
        return 0;
    }
    if (cell >= static_cast<float>(KT_PATH_GRID_SIZE - 1)) {
        return KT_PATH_GRID_SIZE - 1;
    }
    return static_cast<int>(cell);
}

namespace {

bool insideGrid(int x, int z)
{
    return x >= 0 && x < KT_PATH_GRID_SIZE && z >= 0 && z < KT_PATH_GRID_SIZE;
}

struct StepOffset {
    int code;
    int dx;
    int dz;
};

const StepOffset plusX = { KTPathStep::PlusX, 1, 0 };
const StepOffset minusX = { KTPathStep::MinusX, -1, 0 };
const StepOffset plusZ = { KTPathStep::PlusZ, 0, 1 };
const StepOffset minusZ = { KTPathStep::MinusZ, 0, -1 };

const int GridCells = KT_PATH_GRID_SIZE * KT_PATH_GRID_SIZE;
// What a lazy search keeps in `occupied` for a cell it has asked about.
const unsigned char KnownTaken = 1;
const unsigned char KnownFree = 2;

// The breadth-first search; `taken(x, z)` tells whether a cell inside the
// grid that has not been visited is occupied.
template <typename Taken>
int searchPath(KTPathGrids& grids, int startX, int startZ, int goalX, int goalZ, Taken taken)
{
    if (!insideGrid(startX, startZ) || !insideGrid(goalX, goalZ)) {
        return KTPathStep::None;
    }
    // The order is fixed once from start and goal: it decides which of several
    // shortest paths wins.
    StepOffset order[4];
    if (std::abs(startX - goalX) < std::abs(startZ - goalZ)) {
        order[0] = plusX;
        order[1] = minusX;
        order[2] = plusZ;
        order[3] = minusZ;
    } else {
        order[0] = plusZ;
        order[1] = minusZ;
        order[2] = plusX;
        order[3] = minusX;
    }

    // Cells are marked visited when queued, so each is queued at most once.
    PathNode queue[GridCells];
    int front = 0;
    int back = 0;
    queue[back++] = { startX, startZ, KTPathStep::None };
    grids.visited[startX][startZ] = 1;
    while (front < back) {
        PathNode node = queue[front++];
        if (node.x == goalX && node.z == goalZ) {
            return node.firstStep;
        }
        for (const StepOffset& step : order) {
            int nx = node.x + step.dx;
            int nz = node.z + step.dz;
            if (!insideGrid(nx, nz) || grids.visited[nx][nz] != 0 || taken(nx, nz)) {
                continue;
            }
            int first = node.firstStep != KTPathStep::None ? node.firstStep : step.code;
            queue[back++] = { nx, nz, first };
            grids.visited[nx][nz] = 1;
        }
    }
    return KTPathStep::None;
}

VXVec4 stepVector(int code)
{
    switch (code) {
    case KTPathStep::MinusZ:
        return VXVec4(0.0f, 0.0f, -1.0f, 1.0f);
    case KTPathStep::PlusZ:
        return VXVec4(0.0f, 0.0f, 1.0f, 1.0f);
    case KTPathStep::MinusX:
        return VXVec4(-1.0f, 0.0f, 0.0f, 1.0f);
    case KTPathStep::PlusX:
        return VXVec4(1.0f, 0.0f, 0.0f, 1.0f);
    default:
        return VXVec4(0.0f, 0.0f, 0.0f, 1.0f);
    }
}

} // namespace

int findPathStep(KTPathGrids& grids, int startX, int startZ, int goalX, int goalZ)
{
    return searchPath(grids, startX, startZ, goalX, goalZ,
                      [&grids](int x, int z) { return grids.occupied[x][z] != 0; });
}

int findPathStep(KTPathGrids& grids, int startX, int startZ, int goalX, int goalZ, const KTPathOccupancy& occupancy)
{
    return searchPath(grids, startX, startZ, goalX, goalZ, [&grids, &occupancy](int x, int z) {
        unsigned char& known = grids.occupied[x][z];
        if (known == 0) {
            known = occupancy.occupied(x, z) ? KnownTaken : KnownFree;
        }
        return known == KnownTaken;
    });
}

VXVec4 pathStepVector(KTPathGrids& grids, int startX, int startZ, int goalX, int goalZ)
{
    return stepVector(findPathStep(grids, startX, startZ, goalX, goalZ));
}

VXVec4 pathStepVector(KTPathGrids& grids, int startX, int startZ, int goalX, int goalZ,
                      const KTPathOccupancy& occupancy)
{
    return stepVector(findPathStep(grids, startX, startZ, goalX, goalZ, occupancy));
}

bool sameCell(float ax, float az, float bx, float bz)
{
    return std::floor(ax / KT_CELL_SIZE) == std::floor(bx / KT_CELL_SIZE)
        && std::floor(az / KT_CELL_SIZE) == std::floor(bz / KT_CELL_SIZE);
}

namespace {

// Objects this far above or below the searcher (or farther) do not block it.
const float BlockingHeight = 20.0f;

} // namespace

KTPathBlockers::KTPathBlockers(KTColumnIndex& columns, const KTGameObject* searcher, const KTGameObject* hunted,
                               float searcherHeight, const VXVec4& goalPosition)
    : index(columns), self(searcher), target(hunted), height(searcherHeight), goal(goalPosition)
{
    columns.makeExact();
    // Room for the rounding of the height difference, which grows with the
    // height's size; a height that is not finite is compared with everything.
    const float reach = BlockingHeight + 1.0f + std::fabs(height) * (1.0f / 1048576.0f);
    low = std::isfinite(height) ? height - reach : -HUGE_VALF;
    high = std::isfinite(height) ? height + reach : HUGE_VALF;
}

bool KTPathBlockers::occupied(int x, int z) const
{
    return index.findInColumn(x, z, low, high, [this](const KTGameObject* object) {
        if (object == self || object == target) {
            return false;
        }
        const VXVec4& p = object->position;
        if (std::fabs(p.y() - height) >= BlockingHeight) {
            return false;
        }
        return !sameCell(p.x(), p.z(), goal.x(), goal.z());
    });
}
