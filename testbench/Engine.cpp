#include "testbench/Engine.h"

#include "engine/render/VXLibrary.h"
#include "testbench/Scene.h"

bool Engine::init(int argc, char** argv)
{
    if (!VXGameEngine::init(argc, argv)) {
        return false;
    }
    initializeLibrary("VXLibrary");
    currentScene = new Scene();
    return true;
}
