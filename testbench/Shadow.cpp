#include "testbench/Shadow.h"

#include "engine/animation/VXSkeleton.h"
#include "engine/render/VXLibrary.h"
#include "testbench/Scene.h"

Shadow::Shadow(Scene* scene)
    : scene(scene)
{
}

void Shadow::drawPass()
{
    view->stack.push();
    view->uploadModelViewProjection();
    view->uploadModelView();
    scene->model.draw(spotLightShadowMappingProgram);
    scene->skeleton->draw(*view, *spotLightShadowMappingProgram);
    view->stack.pop();
}
