#ifndef TESTBENCH_DEFAULTRENDER_H
#define TESTBENCH_DEFAULTRENDER_H

#include "engine/render/VXOnScreenDefaultRender.h"

class Scene;

// The lit pass over the window: the model and the skeleton under the scene's
// lights, seen through the pass's own camera.
class DefaultRender : public VXOnScreenDefaultRender {
public:
    explicit DefaultRender(Scene* scene);

    void drawPass() override;

    Scene* scene;  // not owned
};

#endif
