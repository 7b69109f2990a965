#ifndef TESTS_GAME_OBJECTS_CHARACTERFILES_H
#define TESTS_GAME_OBJECTS_CHARACTERFILES_H

#include "engine/animation/VXVXAChoreographyManagerData.h"
#include "engine/animation/VXVXSSkeletonData.h"
#include "game/start/KTAssets.h"
#include "support/TempDir.h"

// A one-bone main character whose choreography names the 26 stances of the
// player in reverse order, all of priority 0 (so every request queues behind
// the current stance, which plays for 1000 updates before it restarts),
// installed in the asset registry for as long as the object lives.
class MainCharacterFiles {
public:
    MainCharacterFiles();
    ~MainCharacterFiles();
    MainCharacterFiles(const MainCharacterFiles&) = delete;
    MainCharacterFiles& operator=(const MainCharacterFiles&) = delete;

    VXVXSSkeletonData skeletonData;
    VXVXAChoreographyManagerData choreographyData;

private:
    TempDir directory;
    KTCharacterAssets previous;
};

#endif
