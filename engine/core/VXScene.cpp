#include "engine/core/VXScene.h"

#include "engine/render/VXShaderProgram.h"
#include "engine/render/VXViewState.h"

#include <SDL.h>

VXScene::VXScene()
    : input(nullptr)
{
}

VXScene::~VXScene()
{
}

bool VXScene::setUp()
{
    return true;
}

int VXScene::update()
{
    return 0;
}

void VXScene::draw()
{
    SDL_GL_SwapBuffers();
}

void VXScene::tearDown()
{
}

void VXScene::uploadLights(VXShaderProgram* program, VXViewState* view)
{
    ambientColour.setUniformVec4(program->lightAmbientColourLocation);
    for (VXSpotLight& light : lights) {
        light.uploadUniforms(*program, *view);
    }
}

void VXScene::drawShadowMaps()
{
    for (VXSpotLight& light : lights) {
        light.drawShadowMap();
    }
}
