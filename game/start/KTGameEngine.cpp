#include "game/start/KTGameEngine.h"

#include <iostream>

#include "engine/render/VXLibrary.h"
#include "game/audio/KTSoundTable.h"
#include "game/effects/KTParticleManager.h"
#include "game/start/KTAssetLoaders.h"
#include "game/level/KTLevelScene.h"

// No step after the window reports failure: a loader that misses its files
// leaves its assets empty and start-up goes on.
bool KTGameEngine::init(int argc, char** argv)
{
    if (!VXGameEngine::init(argc, argv)) {
        return false;
    }
    initializeLibrary("VXLibrary");
    std::cout << "INITIALIZED VX" << std::endl;
    loadModels();
    std::cout << "INITIALIZED ENV MODELS" << std::endl;
    buildDirectionTables();
    std::cout << "INITIALIZED KT REFERENCE" << std::endl;
    loadCharacterData();
    std::cout << "INITIALIXED KT CHARACTER DATA" << std::endl;
    loadTextures();
    std::cout << "INITIALIZED KT TEXTURE DATA" << std::endl;
    createSoundBank();
    std::cout << "INITIALIZED KT SOUND" << std::endl;
    createParticleManager();
    std::cout << "INITIALIZED KT PARTICLES" << std::endl;
    currentScene = new KTLevelScene();
    std::cout << "INITIALIZED FIRST SCENE" << std::endl;
    return true;
}
