#include "game/ui/KTStatusFlash.h"

KTStatusFlash::KTStatusFlash()
    : counter(0), duration(0), active(false)
{
}

void KTStatusFlash::start(const VXVec4& lowerCorner, const VXVec4& upperCorner, VXTexture* image, int frames)
{
    counter = -frames;
    duration = frames;
    rect.setCorners(lowerCorner, upperCorner);
    rect.setImage(image, VXVec4(1.0f, 1.0f, 1.0f, 0.0f));
    active = true;
}
