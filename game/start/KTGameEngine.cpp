#include "game/start/KTGameEngine.h"

#include "engine/core/VXLog.h"
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
    VXLog() << "INITIALIZED VX";
    loadModels();
    VXLog() << "INITIALIZED ENV MODELS";
    buildDirectionTables();
    VXLog() << "INITIALIZED KT REFERENCE";
    loadCharacterData();
    VXLog() << "INITIALIXED KT CHARACTER DATA";
    loadTextures();
    VXLog() << "INITIALIZED KT TEXTURE DATA";
    createSoundBank();
    VXLog() << "INITIALIZED KT SOUND";
    createParticleManager();
    VXLog() << "INITIALIZED KT PARTICLES";
    currentScene = new KTLevelScene();
    VXLog() << "INITIALIZED FIRST SCENE";
    return true;
}
