#include "game/start/KTFirstScene.h"

#include <GL/glew.h>
#include <SDL.h>

KTFirstSceneInput::KTFirstSceneInput()
    : quit(false)
{
}

void KTFirstSceneInput::onQuit()
{
    quit = true;
}

KTFirstScene::KTFirstScene()
{
    ambientColour = VXVec4(0.2f, 0.2f, 0.2f, 1.0f);
}

bool KTFirstScene::setUp()
{
    input = &firstInput;
    return true;
}

int KTFirstScene::update()
{
    return firstInput.quit ? -1 : 0;
}

void KTFirstScene::draw()
{
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SDL_GL_SwapBuffers();
}
