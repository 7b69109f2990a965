#ifndef GAME_START_KTFIRSTSCENE_H
#define GAME_START_KTFIRSTSCENE_H

#include "engine/core/VXInput.h"
#include "engine/core/VXScene.h"

// Stands in for the level scene until it exists: clears the window every
// frame and ends the loop on the quit event.
class KTFirstSceneInput : public VXInput {
public:
    KTFirstSceneInput();
    void onQuit() override;

    bool quit;
};

class KTFirstScene : public VXScene {
public:
    KTFirstScene();

    bool setUp() override;
    int update() override;
    void draw() override;

    KTFirstSceneInput firstInput;
};

#endif
