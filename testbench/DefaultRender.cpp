#include "testbench/DefaultRender.h"

#include "engine/animation/VXSkeleton.h"
#include "engine/render/VXLibrary.h"
#include "testbench/Scene.h"

DefaultRender::DefaultRender(Scene* scene)
    : scene(scene)
{
}

void DefaultRender::drawPass()
{
    applyScene(defaultRenderProgram, scene);
    view.stack.push();
    view.uploadModelViewProjection();
    view.uploadModelView();
    scene->model.draw(defaultRenderProgram);
    scene->skeleton->draw(view, *defaultRenderProgram);
    view.stack.pop();
}
