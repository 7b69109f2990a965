#ifndef GAME_START_KTGAMEENGINE_H
#define GAME_START_KTGAMEENGINE_H

#include "engine/core/VXGameEngine.h"

// Vantorel's engine: opens the window through the base, loads the game's
// shared resources in a fixed order and creates the first scene.
class KTGameEngine : public VXGameEngine {
public:
    bool init(int argc, char** argv) override;
};

#endif
