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

void KTStatusFlash::drawFrame(const VXShaderProgram& program)
{
    if (!active) {
        return;
    }
    // The fades divide by the duration.
    if (duration <= 0) {
        active = false;
        return;
    }
    counter += 1;
    const float frames = static_cast<float>(duration);
    if (counter < 0) {
        rect.colour.w() = (counter + duration) / frames;
    } else if (counter > duration) {
        rect.colour.w() = (2 * duration - counter) / frames;
    }
    rect.draw(program);
    if (counter > 2 * duration) {
        active = false;
    }
}
