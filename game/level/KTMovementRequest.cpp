#include "game/level/KTMovementRequest.h"

KTMovementRequest::KTMovementRequest()
    : dx(0), dz(0), walk(true), direction(0.0f, 0.0f, 0.0f, 1.0f), facing(VXQuat::identity())
{
}
