#include <gtest/gtest.h>

#include "game/objects/KTPathSearch.h"

namespace {

struct PathCase {
    int startX, startZ, goalX, goalZ;
    float x, z;
};

VXVec4 stepOnEmptyGrid(const PathCase& c)
{
    KTPathGrids grids;
    grids.clear();
    return pathStepVector(grids, c.startX, c.startZ, c.goalX, c.goalZ);
}

} // namespace

TEST(PathSearch, FirstStepOnAnEmptyGridFollowsTheFixedNeighbourOrder)
{
    const PathCase cases[] = {
        { 5, 5, 5, 5, 0, 0 },   // start is the goal
        { 5, 5, 7, 5, 1, 0 },   // +x
        { 5, 5, 5, 3, 0, -1 },  // -z
        { 5, 5, 6, 6, 0, 1 },   // tie: z moves first
        { 5, 5, 7, 6, 0, 1 },   // |dx| >= |dz|: z moves first
        { 5, 5, 6, 7, 1, 0 },   // |dx| < |dz|: x moves first
        { 5, 5, 3, 5, -1, 0 },  // -x
    };
    for (const PathCase& c : cases) {
        VXVec4 step = stepOnEmptyGrid(c);
        EXPECT_FLOAT_EQ(step.x(), c.x) << c.goalX << "," << c.goalZ;
        EXPECT_FLOAT_EQ(step.y(), 0.0f);
        EXPECT_FLOAT_EQ(step.z(), c.z) << c.goalX << "," << c.goalZ;
        EXPECT_FLOAT_EQ(step.w(), 1.0f);
    }
}

TEST(PathSearch, WalksAroundAWallAndFailsOnAnEnclosedGoal)
{
    KTPathGrids grids;
    grids.clear();
    // A wall across x = 6 from z 0 to 8: the way to (8, 5) from (4, 5) goes
    // round its end at z 9.
    for (int z = 0; z <= 8; ++z) {
        grids.occupied[6][z] = 1;
    }
    EXPECT_EQ(findPathStep(grids, 4, 5, 8, 5), KTPathStep::PlusZ);

    grids.clear();
    grids.occupied[9][10] = grids.occupied[11][10] = 1;
    grids.occupied[10][9] = grids.occupied[10][11] = 1;
    EXPECT_EQ(findPathStep(grids, 2, 2, 10, 10), KTPathStep::None);
}

TEST(PathSearch, StartAndGoalCellsAreNeverTestedAsOccupiedByTheSearch)
{
    KTPathGrids grids;
    grids.clear();
    grids.occupied[3][3] = 1; // the enemy's own cell
    EXPECT_EQ(findPathStep(grids, 3, 3, 5, 3), KTPathStep::PlusX);
}

TEST(PathSearch, CellsClampToTheGridAndSameCellUsesFloor)
{
    EXPECT_EQ(pathCellOf(-0.5f), 0);
    EXPECT_EQ(pathCellOf(29.99f), 0);
    EXPECT_EQ(pathCellOf(30.0f), 1);
    EXPECT_EQ(pathCellOf(599.0f), 19);
    EXPECT_EQ(pathCellOf(1.0e30f), 19);
    EXPECT_EQ(pathCellOf(-1.0e30f), 0);
    EXPECT_TRUE(sameCell(31.0f, 59.0f, 59.9f, 30.0f));
    EXPECT_FALSE(sameCell(-1.0f, 5.0f, 1.0f, 5.0f));
    // Out-of-grid cells never index the maps.
    KTPathGrids grids;
    grids.clear();
    EXPECT_EQ(findPathStep(grids, -1, 0, 5, 5), KTPathStep::None);
    EXPECT_EQ(findPathStep(grids, 0, 0, 20, 5), KTPathStep::None);
}
