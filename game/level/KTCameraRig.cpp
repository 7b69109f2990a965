#include "game/level/KTCameraRig.h"

KTCameraRig::KTCameraRig()
    : angle(0.0f),
      zoom(0.0f),
      smoothedAngle(0.0f),
      offset(0.0f, 0.0f, 0.0f, 1.0f),
      targetTurn(VXQuat::identity()),
      smoothedTurn(VXQuat::identity()),
      rotatedOffset(0.0f, 0.0f, 0.0f, 1.0f)
{
}
