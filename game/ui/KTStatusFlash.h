#ifndef GAME_UI_KTSTATUSFLASH_H
#define GAME_UI_KTSTATUSFLASH_H

#include "engine/math/VXVec4.h"
#include "engine/render/VXScreenRect.h"

struct VXShaderProgram;
struct VXTexture;

// An overlay image of the HUD that fades in, holds and fades out. `counter`
// starts at -duration and counts drawn frames: below 0 it fades in, up to
// duration it holds, up to twice the duration it fades out.
struct KTStatusFlash {
    VXScreenRect rect;
    int counter;
    int duration;
    bool active;

    KTStatusFlash();

    // Shows `image` between the two corners, transparent at first.
    void start(const VXVec4& lowerCorner, const VXVec4& upperCorner, VXTexture* image, int duration);

    // One frame: advances the counter, sets the fade and draws. An inactive
    // flash draws nothing; one without a positive duration just ends.
    void drawFrame(const VXShaderProgram& program);
};

#endif
