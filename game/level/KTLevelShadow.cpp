#include "game/level/KTLevelShadow.h"

#include "engine/render/VXLibrary.h"
#include "game/level/KTLevelScene.h"
#include "game/level/KTLevelWorld.h"

KTLevelShadow::KTLevelShadow(KTLevelScene* owner)
    : scene(owner)
{
}

void KTLevelShadow::drawPass()
{
    if (view == nullptr || scene == nullptr || spotLightShadowMappingProgram == nullptr) {
        return;
    }
    view->stack.push();
    if (scene->world != nullptr) {
        scene->world->draw(view, spotLightShadowMappingProgram);
    }
    view->stack.pop();
}

void KTLevelShadow::end()
{
    VXRender::end();
}
