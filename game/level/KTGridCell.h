#ifndef GAME_LEVEL_KTGRIDCELL_H
#define GAME_LEVEL_KTGRIDCELL_H

#include "engine/math/VXCircularArray.h"

struct KTPhysicsObject;

// The bodies filed in one 30-unit cell by the last physics pass. More than 100
// in one cell overwrite the oldest.
struct KTGridCell {
    VXCircularArray<100, KTPhysicsObject*> objects;
};

#endif
