#include "engine/core/VXGameEngine.h"

#include <GL/glew.h>
#include <SDL.h>

#include "engine/core/VXInput.h"
#include "engine/core/VXLog.h"
#include "engine/core/VXScene.h"

VXGameEngine::VXGameEngine()
    : currentScene(nullptr), timer(0, 16)
{
}

VXGameEngine::~VXGameEngine()
{
}

bool VXGameEngine::init(int, char**)
{
    if (SDL_Init(SDL_INIT_EVERYTHING) < 0) {
        VXLog() << "FAILED TO INIT SDL";
        return false;
    }
    if (SDL_SetVideoMode(800, 600, 32, SDL_OPENGL | SDL_DOUBLEBUF) == nullptr) {
        VXLog() << "FAILED TO INIT SDL";
        return false;
    }
    if (glewInit() != GLEW_OK) {
        return false;
    }
    return true;
}

void VXGameEngine::shutdown()
{
    SDL_Quit();
}

int VXGameEngine::switchScene(int code)
{
    currentScene->tearDown();
    std::map<int, VXScene*>::const_iterator next = currentScene->nextScenes.find(code);
    if (next == currentScene->nextScenes.end() || next->second == nullptr) {
        VXLog() << "NO SCENE FOR LOOP CODE " << code;
        return -1;
    }
    currentScene = next->second;
    if (!currentScene->setUp()) {
        return -1;
    }
    VXLog() << "NEW SCENE LOADED";
    return 0;
}

void VXGameEngine::run(int argc, char** argv)
{
    int loopCode = 0;
    if (init(argc, argv) && currentScene != nullptr && currentScene->setUp()) {
        while (loopCode >= 0) {
            timer.waitForNextFrame();
            currentScene->draw();
            if (currentScene->input != nullptr) {
                currentScene->input->pollInput();
            } else {
                discardInput();
            }
            loopCode = currentScene->update();
            if (loopCode > 0) {
                loopCode = switchScene(loopCode);
            }
        }
    }
    shutdown();
}
