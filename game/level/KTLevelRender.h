#ifndef GAME_LEVEL_KTLEVELRENDER_H
#define GAME_LEVEL_KTLEVELRENDER_H

#include "engine/render/VXOnScreenDefaultRender.h"

class KTLevelScene;

// The lit pass that draws the level world through its own view state.
class KTLevelRender : public VXOnScreenDefaultRender {
public:
    // Not owned.
    KTLevelScene* scene;
    // The lit program is the library's build for the scene's lights that are
    // on and the shadow maps that were drawn, so the lights that are off and
    // the empty maps cost nothing; off: the full program with all four (the
    // same picture, to compare).
    bool lightsBuiltOut;

    explicit KTLevelRender(KTLevelScene* scene);

    void drawPass() override;
    // The lit program of this frame.
    VXShaderProgram* program() const;
};

#endif
