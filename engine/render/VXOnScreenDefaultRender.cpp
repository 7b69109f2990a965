#include "engine/render/VXOnScreenDefaultRender.h"

#include "engine/core/VXScene.h"

void VXOnScreenDefaultRender::begin()
{
    VXRender::begin();
    view.applyViewport();
}

void VXOnScreenDefaultRender::end()
{
    VXRender::end();
}

void VXOnScreenDefaultRender::initialize()
{
    useScreenTarget();
}

void VXOnScreenDefaultRender::applyScene(VXShaderProgram* program, VXScene* scene)
{
    program->use();
    scene->uploadLights(program, &view);
    view.takeProgramLocations(*program);
}
