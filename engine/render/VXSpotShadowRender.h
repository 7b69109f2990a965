#ifndef ENGINE_RENDER_VXSPOTSHADOWRENDER_H
#define ENGINE_RENDER_VXSPOTSHADOWRENDER_H

#include "engine/render/VXRender.h"
#include "engine/render/VXRenderbuffer.h"
#include "engine/render/VXTexture.h"
#include "engine/render/VXViewState.h"

// Renders a spot light's shadow map with the shadow-mapping program, seen
// through the light's view state. Derived passes draw the geometry.
class VXSpotShadowRender : public VXRender {
public:
    VXSpotShadowRender();

    void begin() override;
    // A framebuffer with `texture` as colour attachment and a depth buffer of
    // its size; `view` is kept, not owned.
    virtual void initialize(VXViewState* view, VXTexture* texture);

    VXRenderbuffer depth;
    VXViewState* view;
};

#endif
