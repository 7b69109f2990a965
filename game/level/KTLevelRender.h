#ifndef GAME_LEVEL_KTLEVELRENDER_H
#define GAME_LEVEL_KTLEVELRENDER_H

#include "engine/render/VXOnScreenDefaultRender.h"

class KTLevelScene;

// The lit pass that draws the level world through its own view state.
class KTLevelRender : public VXOnScreenDefaultRender {
public:
    // Not owned.
    KTLevelScene* scene;

    explicit KTLevelRender(KTLevelScene* scene);

    void drawPass() override;
};

#endif
