#include "game/objects/KTPathSearch.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <deque>

#include "game/level/KTLevelWorld.h"
#include "game/objects/KTGameObject.h"

static_assert(sizeof(KTPathGrids) == KTLevelWorld::PathGridBytes, "the path maps fill the world's scratch buffer");
static_assert(KT_PATH_GRID_SIZE == KTLevelWorld::PathGridSide, "one grid size for the maps and the buffer");

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

} // namespace

int findPathStep(KTPathGrids& grids, int startX, int startZ, int goalX, int goalZ)
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

    std::deque<PathNode> queue;
    queue.push_back({ startX, startZ, KTPathStep::None });
    grids.visited[startX][startZ] = 1;
    while (!queue.empty()) {
        PathNode node = queue.front();
        queue.pop_front();
        if (node.x == goalX && node.z == goalZ) {
            return node.firstStep;
        }
        for (const StepOffset& step : order) {
            int nx = node.x + step.dx;
            int nz = node.z + step.dz;
            if (!insideGrid(nx, nz) || grids.occupied[nx][nz] != 0 || grids.visited[nx][nz] != 0) {
                continue;
            }
            int first = node.firstStep != KTPathStep::None ? node.firstStep : step.code;
            queue.push_back({ nx, nz, first });
            grids.visited[nx][nz] = 1;
        }
    }
    return KTPathStep::None;
}

VXVec4 pathStepVector(KTPathGrids& grids, int startX, int startZ, int goalX, int goalZ)
{
    switch (findPathStep(grids, startX, startZ, goalX, goalZ)) {
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

bool sameCell(float ax, float az, float bx, float bz)
{
    return std::floor(ax / KT_CELL_SIZE) == std::floor(bx / KT_CELL_SIZE)
        && std::floor(az / KT_CELL_SIZE) == std::floor(bz / KT_CELL_SIZE);
}

namespace {

// Objects this far above or below the searcher (or farther) do not block it.
const float BlockingHeight = 20.0f;

} // namespace

void flagOccupiedCells(KTPathGrids& grids, const std::map<int, KTGameObject*>& objects, const KTGameObject* self,
                       const KTGameObject* target, float height, const VXVec4& goal)
{
    for (const auto& entry : objects) {
        const KTGameObject* object = entry.second;
        if (object == self || object == target) {
            continue;
        }
        const VXVec4& p = object->position;
        if (std::fabs(p.y() - height) >= BlockingHeight) {
            continue;
        }
        if (sameCell(p.x(), p.z(), goal.x(), goal.z())) {
            continue;
        }
        grids.occupied[pathCellOf(p.x())][pathCellOf(p.z())] = 1;
    }
}
