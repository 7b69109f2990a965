#include "game/start/KTGameEngine.h"

#include <iostream>

#include "game/start/KTFirstScene.h"

bool KTGameEngine::init(int argc, char** argv)
{
    if (!VXGameEngine::init(argc, argv)) {
        return false;
    }
    currentScene = new KTFirstScene();
    std::cout << "INITIALIZED FIRST SCENE" << std::endl;
    return true;
}
