#ifndef ENGINE_CORE_VXSCENE_H
#define ENGINE_CORE_VXSCENE_H

#include <map>

#include "engine/math/VXVec4.h"
#include "engine/render/VXShaderProgram.h"
#include "engine/render/VXSpotLight.h"

class VXInput;
struct VXViewState;

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

    // The ambient colour, then lights 0-3, to `program`, which is current;
    // `view` is the camera that renders the scene.
    void uploadLights(VXShaderProgram* program, VXViewState* view);
    // Lights 0-3 in order render, blur and mipmap their shadow maps.
    void drawShadowMaps();

    std::map<int, VXScene*> nextScenes;
    // Not owned; a derived scene sets it and may swap it between frames.
    VXInput* input;
    // Unset until the derived scene's setUp.
    VXVec4 ambientColour;
    VXSpotLight lights[VXShaderProgram::spotLightCount];
};

#endif
