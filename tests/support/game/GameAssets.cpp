#include "support/game/GameAssets.h"

#include "engine/render/VXLibrary.h"
#include "game/audio/KTSoundTable.h"
#include "game/effects/KTParticleManager.h"
#include "game/start/KTAssetLoaders.h"

void loadGameAssets()
{
    initializeLibrary("VXLibrary");
    loadModels();
    buildDirectionTables();
    loadCharacterData();
    loadTextures();
    createSoundBank();
    createParticleManager();
}
