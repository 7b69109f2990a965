#ifndef GAME_START_KTASSETS_H
#define GAME_START_KTASSETS_H

#include <map>
#include <string>

#include "engine/math/VXVec4.h"
#include "game/ui/YNMenuPage.h"

class VXOBJData;
struct VXTexture;
class VXVXSSkeletonData;
class VXVXAChoreographyManagerData;
class KTParticleType;

// Skeleton and choreography of one character, as loaded at start-up.
struct KTCharacterAssets {
    VXVXSSkeletonData* skeleton = nullptr;
    VXVXAChoreographyManagerData* choreography = nullptr;
};

const int KT_DIGIT_COUNT = 10;
const int KT_HEART_COUNT = 4;
// Movement requests (dx, dz), each -1..1, index dx * 3 + dz + 4.
const int KT_DIRECTION_COUNT = 9;

// Every asset shared by the whole program, loaded once at start-up and never
// freed. Until a loader has run its entries are null: a null model draws
// nothing, a null skeleton is not drawn, a null texture shows no image.
struct KTAssets {
    // Models, in loading order.
    VXOBJData* defaultTile = nullptr;
    VXOBJData* defaultBlock = nullptr;
    VXOBJData* redBlock = nullptr;
    VXOBJData* blueBlock = nullptr;
    VXOBJData* greenBlock = nullptr;
    VXOBJData* yellowBlock = nullptr;
    VXOBJData* blackBlock = nullptr;
    VXOBJData* goalBlock = nullptr;
    VXOBJData* purpleBlock = nullptr;
    VXOBJData* acidBlock = nullptr;
    VXOBJData* missileHead = nullptr;
    VXOBJData* missileTail = nullptr;
    VXOBJData* acidFragmentHead = nullptr;
    VXOBJData* acidFragmentTail = nullptr;
    VXOBJData* shadow = nullptr;
    VXOBJData* redAmmo = nullptr;
    VXOBJData* blueAmmo = nullptr;
    VXOBJData* destroyAmmo = nullptr;
    VXOBJData* particle = nullptr;
    VXOBJData* helpSymbol = nullptr;

    // Facing angle (radians about +y) and half-length step per movement
    // request; see directionIndex.
    float facingAngles[KT_DIRECTION_COUNT] = {};
    VXVec4 directions[KT_DIRECTION_COUNT];

    KTCharacterAssets mainCharacter;
    KTCharacterAssets fortressEnemy;
    KTCharacterAssets prismaticEnemy;
    KTCharacterAssets finalBoss;

    VXTexture* hud = nullptr;
    VXTexture* digits[KT_DIGIT_COUNT] = {};
    VXTexture* hearts[KT_HEART_COUNT] = {};
    VXTexture* menuPages[YNMenuPage::PageCount] = {};
    VXTexture* highlight = nullptr;
    std::map<std::string, VXTexture*> helpImages;

    KTParticleType* particleType = nullptr;
};

// The one registry.
KTAssets& assets();

// The help image of that name; null for a name that is not loaded (the map
// is left as it is).
VXTexture* helpImage(const std::string& name);

// Index into the direction tables for a movement request; dx and dz are
// clamped to -1..1 so no request reads outside the tables.
int directionIndex(int dx, int dz);

#endif
