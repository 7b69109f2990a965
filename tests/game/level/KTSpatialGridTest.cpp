#include <gtest/gtest.h>

#include <cmath>

#include "game/level/KTSpatialGrid.h"

namespace {

KTSpatialGrid levelGrid()
{
    KTSpatialGrid grid;
    grid.init(KTWorldBox{VXVec4(0, 0, 0, 1), VXVec4(600, 600, 600, 1)}, 30.0f);
    return grid;
}

} // namespace

TEST(KTSpatialGrid, CellAtClampsEveryIndex)
{
    KTSpatialGrid grid = levelGrid();
    EXPECT_EQ(grid.cellCount, 8000);
    EXPECT_EQ(&grid.cellAt(-5, 99, 3), &grid.cells[(0 * 20 + 19) * 20 + 3]);
    EXPECT_EQ(&grid.cellAt(4, 5, 6), &grid.cells[(4 * 20 + 5) * 20 + 6]);
}

TEST(KTSpatialGrid, NegativeOffsetsTruncateTowardZero)
{
    KTSpatialGrid grid = levelGrid();
    // Half a cell below the corner is still cell 0.
    VXVec4 justOutside(-15, 45, 45, 1);
    EXPECT_TRUE(grid.containsCell(justOutside, 0, 0, 0));
    EXPECT_FALSE(grid.containsCell(justOutside, -1, 0, 0));
    // One and a half cells below is cell -1: outside, but an offset brings it in.
    VXVec4 further(-45, 45, 45, 1);
    EXPECT_FALSE(grid.containsCell(further, 0, 0, 0));
    EXPECT_TRUE(grid.containsCell(further, 1, 0, 0));
    EXPECT_EQ(&grid.cellAtPosition(further, 0, 0, 0), &grid.cellAt(0, 1, 1));

    EXPECT_FALSE(grid.containsCell(VXVec4(600, 0, 0, 1), 0, 0, 0));
    EXPECT_EQ(&grid.cellAtPosition(VXVec4(75, 45, 105, 1), 1, -1, 0), &grid.cellAt(3, 0, 3));
}

TEST(KTSpatialGrid, UnusableInputsNeverLeaveTheGrid)
{
    KTSpatialGrid empty;
    EXPECT_FALSE(empty.containsCell(VXVec4(0, 0, 0, 1), 0, 0, 0));
    EXPECT_EQ(empty.cellAt(3, 4, 5).objects.size(), 0);

    KTSpatialGrid flat;
    flat.init(KTWorldBox{VXVec4(0, 0, 0, 1), VXVec4(610, 0, -5, 1)}, 30.0f);
    EXPECT_EQ(flat.cellsX, 21);
    EXPECT_EQ(flat.cellsY, 1);
    EXPECT_EQ(flat.cellsZ, 1);

    KTSpatialGrid grid = levelGrid();
    EXPECT_FALSE(grid.containsCell(VXVec4(1.0e30f, 0, 0, 1), 0, 0, 0));
    EXPECT_FALSE(grid.containsCell(VXVec4(NAN, 0, 0, 1), 0, 0, 0));
    EXPECT_EQ(&grid.cellAtPosition(VXVec4(1.0e30f, 0, 0, 1), 0, 0, 0), &grid.cellAt(19, 0, 0));
}
