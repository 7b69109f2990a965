#ifndef GAME_OBJECTS_KTPATHSEARCH_H
#define GAME_OBJECTS_KTPATHSEARCH_H

#include "engine/math/VXVec4.h"
#include "game/level/KTGridCell.h"

class KTColumnIndex;
class KTGameObject;

// Enemies move on the level's horizontal grid of cells, as many along z as
// along x. The level world owns one scratch buffer of two byte maps, shared
// by every search.
const int KT_PATH_GRID_SIZE = KT_LEVEL_CELLS_X;

struct KTPathGrids {
    unsigned char occupied[KT_PATH_GRID_SIZE][KT_PATH_GRID_SIZE];
    unsigned char visited[KT_PATH_GRID_SIZE][KT_PATH_GRID_SIZE];

    void clear();
    // The level world's scratch buffer (KTLevelWorld::pathGrids) seen as the
    // two maps; null for a null buffer.
    static KTPathGrids* of(unsigned char* buffer);
};

// One queued cell of a breadth-first search.
struct PathNode {
    int x;
    int z;
    // 0 for the start cell, else the step code of the first move toward here.
    int firstStep;
};

// Step codes of the first move of a path.
namespace KTPathStep {
const int None = 0;
const int MinusZ = 1;
const int PlusZ = 2;
const int MinusX = 3;
const int PlusX = 4;
}

// floor(coordinate / KT_CELL_SIZE) clamped to 0..KT_PATH_GRID_SIZE - 1:
// positions outside the level map to the border cells, so no search leaves
// the maps.
int pathCellOf(float coordinate);

// Whether a cell is taken, asked by a search when it first reaches the cell.
class KTPathOccupancy {
public:
    virtual bool occupied(int x, int z) const = 0;

protected:
    ~KTPathOccupancy() = default;
};

// The first step code of a shortest path from start to goal, 0 when the start
// is the goal or the goal cannot be reached. Uses `grids.occupied` as given
// and fills `grids.visited`.
int findPathStep(KTPathGrids& grids, int startX, int startZ, int goalX, int goalZ);
// The same with the cells' occupancy asked of `occupancy`, once per cell the
// search reaches; `grids` must be clear, and `grids.occupied` keeps the
// answers (1 taken, 2 free).
int findPathStep(KTPathGrids& grids, int startX, int startZ, int goalX, int goalZ, const KTPathOccupancy& occupancy);

// findPathStep as a unit vector along x or z (w 1); the zero vector for 0.
VXVec4 pathStepVector(KTPathGrids& grids, int startX, int startZ, int goalX, int goalZ);
VXVec4 pathStepVector(KTPathGrids& grids, int startX, int startZ, int goalX, int goalZ,
                      const KTPathOccupancy& occupancy);

bool sameCell(float ax, float az, float bx, float bz);

// Objects at about the searcher's height take the cells they stand in: every
// object of the level but `self` and `target` less than 20 units above or
// below `height`, unless it stands in the goal's cell, which is never taken.
class KTPathBlockers : public KTPathOccupancy {
public:
    // Brings the index up to date for the search.
    KTPathBlockers(KTColumnIndex& index, const KTGameObject* self, const KTGameObject* target, float height,
                   const VXVec4& goal);
    bool occupied(int x, int z) const override;

private:
    const KTColumnIndex& index;
    const KTGameObject* self;
    const KTGameObject* target;
    float height;
    VXVec4 goal;
    // Every object that can be less than 20 units away in height has its
    // height within [low, high].
    float low;
    float high;
};

#endif
