#ifndef TESTBENCH_SHADOW_H
#define TESTBENCH_SHADOW_H

#include "engine/render/VXSpotShadowRender.h"

class Scene;

// Light 0's shadow pass: the model and the skeleton seen from the light.
class Shadow : public VXSpotShadowRender {
public:
    explicit Shadow(Scene* scene);

    void drawPass() override;

    Scene* scene;  // not owned
};

#endif
