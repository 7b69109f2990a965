#ifndef GAME_OBJECTS_KTMISSILETYPE_H
#define GAME_OBJECTS_KTMISSILETYPE_H

// The block missile types. A missile that lands builds the block type of its
// own number (KTBlockType), so the player's grey missile builds a blue block;
// the destroy missile builds none.
namespace KTMissileType {

const int Red = 0;           // the player's 'c' key, counter redAmmo
const int Grey = 1;          // the player's Return and 'z', counter greyAmmo
const int Shooter = 4;       // the level script's shooter enemy
const int Destroy = 9;       // the player's 'x', counter destroyAmmo
const int Anubis = 10;
const int Reaper = 12;
const int AcidFragment = 13; // thrown by an acid block

} // namespace KTMissileType

#endif
