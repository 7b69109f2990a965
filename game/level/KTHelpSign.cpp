#include "game/level/KTHelpSign.h"

KTHelpSign::KTHelpSign(VXVec4 where, VXTexture* image, float distance)
    : active(true), position(where), texture(image), radius(distance)
{
    position.w() = 1.0f;
}
