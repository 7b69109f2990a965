#ifndef ENGINE_RENDER_VXONSCREENDEFAULTRENDER_H
#define ENGINE_RENDER_VXONSCREENDEFAULTRENDER_H

#include "engine/render/VXRender.h"
#include "engine/render/VXShaderProgram.h"
#include "engine/render/VXViewState.h"

class VXScene;

// The lit pass over the window, seen through its own view state. Derived
// passes call applyScene in their drawPass, then draw through `view`.
class VXOnScreenDefaultRender : public VXRender {
public:
    void begin() override;
    void end() override;
    virtual void initialize();
    // Makes `program` current, uploads the scene's lights to it and points
    // the view's matrix uploads at it.
    virtual void applyScene(VXShaderProgram* program, VXScene* scene);

    VXViewState view;
};

#endif
