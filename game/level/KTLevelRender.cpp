#include "game/level/KTLevelRender.h"

#include "engine/render/VXLibrary.h"
#include "game/level/KTLevelScene.h"
#include "game/level/KTLevelWorld.h"

KTLevelRender::KTLevelRender(KTLevelScene* owner)
    : scene(owner)
{
}

void KTLevelRender::drawPass()
{
    if (defaultRenderProgram == nullptr || scene == nullptr) {
        return;
    }
    applyScene(defaultRenderProgram, scene);
    view.stack.push();
    if (scene->world != nullptr) {
        scene->world->draw(&view, defaultRenderProgram);
    }
    view.stack.pop();
}
