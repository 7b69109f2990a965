#ifndef GAME_LEVEL_KTCAMERARIG_H
#define GAME_LEVEL_KTCAMERARIG_H

#include "engine/math/VXQuat.h"
#include "engine/math/VXVec4.h"

// The third-person camera about the player. Angles are radians about +y.
struct KTCameraRig {
    // One zoom step of `offset`, toward a farther and higher eye: a zoom key
    // moves it one step per press, the held zoom `zoom` times a speed per
    // frame.
    static constexpr float ZoomStepY = 3.0f;
    static constexpr float ZoomStepZ = -1.75f;

    // The turn the level keys ask for, in quarter turns.
    float angle;
    // Zoom rate per frame: the sum of the held zoom keys (-1, 0 or +1).
    float zoom;
    // The angle the camera shows, easing toward `angle`.
    float smoothedAngle;
    // Eye relative to the player before the turn.
    VXVec4 offset;
    VXQuat targetTurn;
    VXQuat smoothedTurn;
    // `offset` turned by smoothedTurn.
    VXVec4 rotatedOffset;

    // zoom and smoothedTurn are left for the scene's set-up.
    KTCameraRig();
};

#endif
