#ifndef GAME_LEVEL_KTHELPSIGN_H
#define GAME_LEVEL_KTHELPSIGN_H

#include "engine/math/VXVec4.h"

struct VXTexture;

// A spinning help symbol of the level. When the player first comes within
// `radius` of it, its image is shown on the HUD; each sign is shown once.
struct KTHelpSign {
    bool active;
    VXVec4 position;
    // Not owned; may be null (the sign is then shown without an image).
    VXTexture* texture;
    // World units.
    float radius;

    KTHelpSign(VXVec4 position, VXTexture* texture, float radius);
};

#endif
