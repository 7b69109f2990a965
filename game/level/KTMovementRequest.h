#ifndef GAME_LEVEL_KTMOVEMENTREQUEST_H
#define GAME_LEVEL_KTMOVEMENTREQUEST_H

#include "engine/math/VXQuat.h"
#include "engine/math/VXVec4.h"

// What the level keys ask of the player this frame. dx and dz index the 3 x 3
// direction tables, so they are kept within -1..1.
struct KTMovementRequest {
    int dx;
    int dz;
    // True: the player is pushed; false: it only turns.
    bool walk;
    // The push of this frame in the camera's frame.
    VXVec4 direction;
    // The turn of this frame about the y axis.
    VXQuat facing;

    KTMovementRequest();
};

#endif
