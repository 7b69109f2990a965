#ifndef GAME_OBJECTS_KTGAMECHARACTER_H
#define GAME_OBJECTS_KTGAMECHARACTER_H

#include "game/objects/KTGameObject.h"

// The base of the player character; it adds nothing to KTGameObject.
class KTGameCharacter : public KTGameObject {
};

#endif
