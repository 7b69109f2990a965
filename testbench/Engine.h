#ifndef TESTBENCH_ENGINE_H
#define TESTBENCH_ENGINE_H

#include "engine/core/VXGameEngine.h"

// Glenvor's engine: the window, the library and one scene. Prints nothing of
// its own.
class Engine : public VXGameEngine {
public:
    bool init(int argc, char** argv) override;
};

#endif
