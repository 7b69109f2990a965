#include "engine/core/VXScene.h"

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
