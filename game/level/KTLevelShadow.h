#ifndef GAME_LEVEL_KTLEVELSHADOW_H
#define GAME_LEVEL_KTLEVELSHADOW_H

#include "engine/render/VXSpotShadowRender.h"

class KTLevelScene;

// A spot light's shadow-map pass over the level world, seen from the light.
// The scene builds one per light; the game does not run them.
class KTLevelShadow : public VXSpotShadowRender {
public:
    // Not owned.
    KTLevelScene* scene;

    explicit KTLevelShadow(KTLevelScene* scene);

    void drawPass() override;
    void end() override;
};

#endif
