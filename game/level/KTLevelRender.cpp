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
    for (int i = 0; i < KTLevelScene::LightCount; ++i) {
        lightSet |= scene->lights[i].on ? 1 << i : 0;
    }
    return defaultRenderProgramForLights(lightSet);
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
