#ifndef GAME_LEVEL_KTSPATIALGRID_H
#define GAME_LEVEL_KTSPATIALGRID_H

#include <vector>

#include "engine/math/VXVec4.h"
#include "game/level/KTGridCell.h"
#include "game/level/KTWorldBox.h"

// Uniform grid over the world box. Cell (x, y, z) is cells[(x * cellsY + y) * cellsZ + z].
class KTSpatialGrid {
public:
    float cellSize;
    int cellsX;
    int cellsY;
    int cellsZ;
    int cellCount;
    std::vector<KTGridCell> cells;
    VXVec4 minCorner;
    VXVec4 maxCorner;

    KTSpatialGrid();

    void init(const KTWorldBox& worldBox, float cellSize);

    // Each index is clamped into the grid, so any index gives a cell.
    KTGridCell& cellAt(int x, int y, int z);
    // The cell of `position` moved by whole cells, clamped into the grid.
    KTGridCell& cellAtPosition(const VXVec4& position, int dx, int dy, int dz);
    // Whether the cell of `position` moved by whole cells lies inside the grid.
    bool containsCell(const VXVec4& position, int dx, int dy, int dz) const;

    // The cell index of `position` along axis k (0 = x, 1 = y, 2 = z),
    // truncated toward zero; not clamped.
    int cellIndex(const VXVec4& position, int k) const;
    int cellsAlong(int k) const;
};

#endif
