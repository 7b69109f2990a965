#include "game/level/KTSpatialGrid.h"

#include <cmath>

namespace {

// Far outside any grid, yet small enough that adding a cell offset cannot
// overflow an int.
const float IndexLimit = 1.0e6f;

// Truncation toward zero; saturated so that a huge or non-finite value never
// reaches an undefined float-to-int conversion.
int truncateIndex(float value)
{
    if (!(value > -IndexLimit)) {
        return -static_cast<int>(IndexLimit);
    }
    if (value > IndexLimit) {
        return static_cast<int>(IndexLimit);
    }
    return static_cast<int>(value);
}

// Most cells along one axis; keeps the cell count within an int.
const int MaxCellsPerAxis = 1000;

// A degenerate, inverted or non-finite extent (or cell size) still gets one
// cell, so that the grid is never empty once initialised.
int cellsFor(float extent, float cellSize)
{
    if (!(cellSize > 0.0f)) {
        return 1;
    }
    float count = std::ceil(extent / cellSize);
    if (!(count >= 1.0f)) {
        return 1;
    }
    if (count > static_cast<float>(MaxCellsPerAxis)) {
        return MaxCellsPerAxis;
    }
    return static_cast<int>(count);
}

int clampIndex(int index, int cells)
{
    if (index <= 0) {
        return 0;
    }
    if (index >= cells - 1) {
        return cells - 1;
    }
    return index;
}

} // namespace

KTSpatialGrid::KTSpatialGrid()
    : cellSize(KT_CELL_SIZE),
      cellsX(0),
      cellsY(0),
      cellsZ(0),
      cellCount(0),
      minCorner(0.0f, 0.0f, 0.0f, 1.0f),
      maxCorner(0.0f, 0.0f, 0.0f, 1.0f)
{
}

void KTSpatialGrid::init(const KTWorldBox& worldBox, float size)
{
    cellSize = size;
    VXVec4 extent = worldBox.upper - worldBox.lower;
    cellsX = cellsFor(extent.x(), cellSize);
    cellsY = cellsFor(extent.y(), cellSize);
    cellsZ = cellsFor(extent.z(), cellSize);
    cellCount = cellsX * cellsY * cellsZ;
    cells.assign(static_cast<size_t>(cellCount), KTGridCell());
    minCorner = worldBox.lower;
    maxCorner = worldBox.upper;
}

KTGridCell& KTSpatialGrid::cellAt(int x, int y, int z)
{
    if (cells.empty()) {
        // Before init there is no cell to clamp to; hand out an empty one.
        static KTGridCell none;
        none.objects.clear();
        return none;
    }
    x = clampIndex(x, cellsX);
    y = clampIndex(y, cellsY);
    z = clampIndex(z, cellsZ);
    return cells[static_cast<size_t>((x * cellsY + y) * cellsZ + z)];
}

KTGridCell& KTSpatialGrid::cellAtPosition(const VXVec4& position, int dx, int dy, int dz)
{
    return cellAt(cellIndex(position, 0) + dx, cellIndex(position, 1) + dy, cellIndex(position, 2) + dz);
}

bool KTSpatialGrid::containsCell(const VXVec4& position, int dx, int dy, int dz) const
{
    const int offsets[3] = {dx, dy, dz};
    for (int k = 0; k < 3; ++k) {
        int index = cellIndex(position, k) + offsets[k];
        if (index < 0 || index >= cellsAlong(k)) {
            return false;
        }
    }
    return true;
}

int KTSpatialGrid::cellIndex(const VXVec4& position, int k) const
{
    return truncateIndex((position.elements[k] - minCorner.elements[k]) / cellSize);
}

int KTSpatialGrid::cellsAlong(int k) const
{
    if (k == 0) {
        return cellsX;
    }
    if (k == 1) {
        return cellsY;
    }
    return cellsZ;
}
