#ifndef ENGINE_RENDER_VXSPOTLIGHT_H
#define ENGINE_RENDER_VXSPOTLIGHT_H

#include "engine/math/VXVec4.h"
#include "engine/render/VXGaussianBlurRender.h"
#include "engine/render/VXShaderProgram.h"
#include "engine/render/VXSpotShadowRender.h"
#include "engine/render/VXTexture.h"
#include "engine/render/VXViewState.h"

// One of a scene's four spot lights. It counts as shadowed when it has a
// shadow pass; a light without one is never lit.
struct VXSpotLight {
    // Slot 0-3 in the program's vx_spot_light array; -1 until createShadowMap.
    int index;
    bool on;
    VXTexture shadowMap;
    // Not owned; null means no shadows.
    VXSpotShadowRender* shadowRender;
    // Blurs shadowMap in place.
    VXGaussianBlurRender blur;
    VXViewState lightView;
    // The light's eye in world space, w 1; unset until lookAt.
    VXVec4 position;
    VXVec4 diffuseColour;
    VXVec4 specularColour;
    // Until drawShadowMap first renders it the map holds 0 everywhere, which
    // never shadows.
    bool shadowMapDrawn;

    // Index -1, off, no shadow pass, black colours.
    VXSpotLight();

    // With a null pass only `index` and `shadowRender` change.
    void createShadowMap(int index, VXSpotShadowRender* shadowRender, float blurSigma, int width, int height);
    void lookAt(float eyeX, float eyeY, float eyeZ, float targetX, float targetY, float targetZ, float upX,
                float upY, float upZ);
    // Needs the map size, so only after createShadowMap.
    void setPerspective(float fovy, float zNear, float zFar);
    // To `program`, which is current; `viewer` renders the scene. A light that
    // is off or unshadowed sends only is_on 0; one without a slot sends nothing.
    void uploadUniforms(const VXShaderProgram& program, VXViewState& viewer);
    // When on and shadowed: render the map, blur it, rebuild its mipmaps.
    void drawShadowMap();
};

#endif
