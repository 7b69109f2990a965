#include "game/level/KTLevelRender.h"

#include "engine/render/VXLibrary.h"
#include "game/level/KTLevelScene.h"
#include "game/level/KTLevelWorld.h"

KTLevelRender::KTLevelRender(KTLevelScene* owner)
    : scene(owner), lightsBuiltOut(true)
{
}

VXShaderProgram* KTLevelRender::program() const
{
    if (!lightsBuiltOut) {
        return defaultRenderProgram;
    }
    int lightSet = 0;
    int shadowSet = 0;
    for (int i = 0; i < VXShaderProgram::spotLightCount; ++i) {
        const VXSpotLight& light = scene->lights[i];
        lightSet |= light.on ? 1 << i : 0;
        shadowSet |= light.shadowMapDrawn ? 1 << i : 0;
    }
    return defaultRenderProgramForLights(lightSet, shadowSet);
}

void KTLevelRender::drawPass()
{
    if (defaultRenderProgram == nullptr || scene == nullptr) {
        return;
    }
    VXShaderProgram* lit = program();
    applyScene(lit, scene);
    view.stack.push();
    if (scene->world != nullptr) {
        scene->world->draw(&view, lit);
    }
    view.stack.pop();
}
