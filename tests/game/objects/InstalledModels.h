#ifndef TESTS_GAME_OBJECTS_INSTALLEDMODELS_H
#define TESTS_GAME_OBJECTS_INSTALLEDMODELS_H

#include "engine/model/VXOBJData.h"
#include "game/start/KTAssets.h"

// Distinct, empty (never drawn) models in every model entry of the asset
// registry, so that tests can tell which model an object picks; the
// registry is restored when the object goes.
class InstalledModels {
public:
    InstalledModels()
        : saved(assets())
    {
        VXOBJData** entries[] = {
            &assets().defaultTile, &assets().defaultBlock, &assets().redBlock, &assets().blueBlock,
            &assets().greenBlock, &assets().yellowBlock, &assets().blackBlock, &assets().goalBlock,
            &assets().purpleBlock, &assets().acidBlock, &assets().missileHead, &assets().missileTail,
            &assets().acidFragmentHead, &assets().acidFragmentTail, &assets().shadow, &assets().redAmmo,
            &assets().blueAmmo, &assets().destroyAmmo, &assets().particle, &assets().helpSymbol,
        };
        int i = 0;
        for (VXOBJData** entry : entries) {
            *entry = &models[i++];
        }
    }
    ~InstalledModels() { assets() = saved; }
    InstalledModels(const InstalledModels&) = delete;
    InstalledModels& operator=(const InstalledModels&) = delete;

private:
    KTAssets saved;
    VXOBJData models[20];
};

#endif
