#ifndef GAME_LEVEL_KTGRIDCELL_H
#define GAME_LEVEL_KTGRIDCELL_H

#include "engine/math/VXCircularArray.h"

struct KTPhysicsObject;

// The level is measured in cubic cells of this many world units: the level
// script's cells, the physics grid's cells and the enemies' path cells.
const float KT_CELL_SIZE = 30.0f;
// The level's size in cells along x, y (the height) and z.
const int KT_LEVEL_CELLS_X = 20;
const int KT_LEVEL_CELLS_Y = 5;
const int KT_LEVEL_CELLS_Z = 20;

// The bodies filed in one cell by the last physics pass.
struct KTGridCell {
    // More bodies than this in one cell overwrite the oldest.
    static constexpr int Capacity = 100;

    VXCircularArray<Capacity, KTPhysicsObject*> objects;
};

#endif
