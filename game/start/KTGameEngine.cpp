#include "game/start/KTGameEngine.h"

#include <iostream>

#include "engine/render/VXLibrary.h"
#include "game/start/KTFirstScene.h"

bool KTGameEngine::init(int argc, char** argv)
{
    if (!VXGameEngine::init(argc, argv)) {
        return false;
    }
    initializeLibrary("VXLibrary");
    std::cout << "INITIALIZED VX" << std::endl;
    currentScene = new KTFirstScene();
    std::cout << "INITIALIZED FIRST SCENE" << std::endl;
    return true;
}
