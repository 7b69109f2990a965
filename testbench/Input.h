#ifndef TESTBENCH_INPUT_H
#define TESTBENCH_INPUT_H

#include "engine/core/VXInput.h"

class Scene;

// The bench's keys: every key re-centres the camera on the origin; the arrows
// move the eye in x and y, 'u' and 'j' in z, 5 units a press.
class Input : public VXInput {
public:
    explicit Input(Scene* scene);

    void onKeyDown(int key) override;
    void onQuit() override;

    Scene* scene;  // not owned
};

#endif
