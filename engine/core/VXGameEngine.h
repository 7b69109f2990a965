#ifndef ENGINE_CORE_VXGAMEENGINE_H
#define ENGINE_CORE_VXGAMEENGINE_H

#include "engine/core/VXFrameTimer.h"

class VXScene;

// The engine object a program derives from: opens the window with its OpenGL
// context, owns the frame timer and runs the program's one loop over the
// current scene. It never destroys a scene.
class VXGameEngine {
public:
    VXGameEngine();

    virtual bool init(int argc, char** argv);
    virtual void shutdown();
    virtual ~VXGameEngine();

    // Init, set-up of the first scene, the frame loop, then shutdown.
    void run(int argc, char** argv);

    VXScene* currentScene;
    VXFrameTimer timer;

protected:
    // The loop code after a positive code asked for another scene: 0 when the
    // next scene is current and set up, -1 when there is none or it failed.
    int switchScene(int code);
};

#endif
