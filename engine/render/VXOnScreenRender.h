#ifndef ENGINE_RENDER_VXONSCREENRENDER_H
#define ENGINE_RENDER_VXONSCREENRENDER_H

#include "engine/render/VXRender.h"

// The 2-D pass over the window (HUD, menus) with the screen program, in
// -1..1 coordinates over an 800 by 600 viewport. It clears nothing: it draws
// over what the frame already holds.
class VXOnScreenRender : public VXRender {
public:
    void begin() override;
    virtual void initialize();
};

#endif
