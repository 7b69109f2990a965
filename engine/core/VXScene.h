#ifndef ENGINE_CORE_VXSCENE_H
#define ENGINE_CORE_VXSCENE_H

#include <map>

#include "engine/math/VXVec4.h"

class VXInput;

// Base of every scene that the run loop drives: set up once, then drawn,
// fed with input and updated every frame.
class VXScene {
public:
    VXScene();
    virtual ~VXScene();

    virtual bool setUp();
    // The loop code: below 0 quit, 0 stay, above 0 switch to nextScenes[code].
    virtual int update();
    virtual void draw();
    virtual void tearDown();

    std::map<int, VXScene*> nextScenes;
    // Not owned; a derived scene sets it and may swap it between frames.
    VXInput* input;
    VXVec4 ambientColour;
};

#endif
