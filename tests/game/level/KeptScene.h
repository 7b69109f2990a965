#ifndef TESTS_GAME_LEVEL_KEPTSCENE_H
#define TESTS_GAME_LEVEL_KEPTSCENE_H

#include <vector>

#include "game/level/KTLevelScene.h"

// A level scene that lives as long as the test program, as the game's own
// scene lives as long as the game: the scene never frees what its set-up
// makes (menus, passes, worlds, the player), so a scene that went out of
// scope would leave all of it unreachable.
inline KTLevelScene& keptScene()
{
    // Never destroyed, so the scenes stay reachable through the end.
    static std::vector<KTLevelScene*>* scenes = new std::vector<KTLevelScene*>();
    scenes->push_back(new KTLevelScene());
    return *scenes->back();
}

#endif
