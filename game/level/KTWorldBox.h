#ifndef GAME_LEVEL_KTWORLDBOX_H
#define GAME_LEVEL_KTWORLDBOX_H

#include "engine/math/VXVec4.h"

// The axis-aligned box of a level's physics world.
struct KTWorldBox {
    VXVec4 lower;
    VXVec4 upper;
};

#endif
