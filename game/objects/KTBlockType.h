#ifndef GAME_OBJECTS_KTBLOCKTYPE_H
#define GAME_OBJECTS_KTBLOCKTYPE_H

// The block types: what the level script's colour words and columns build,
// and what a landing missile builds (the type of its own missile type's
// number, see KTMissileType). Grey, Target, AcidFragmentLanding and every
// number without a name here are plain blocks of one look and one physics
// kind.
namespace KTBlockType {

const int Red = 0;                  // script word "red"; the player's red missiles
const int Blue = 1;                 // script word "blue"; the player's grey missiles
const int Green = 2;
const int Yellow = 3;
const int Grey = 4;                 // script words "grey" and "gray"; the shooter's missiles
const int Black = 5;
const int Goal = 6;                 // script words "goal" and "white"
const int Target = 7;               // the column word "target"
const int AnubisRed = 10;           // the anubis's missiles
const int Purple = 11;
const int Acid = 12;                // "acid" and every unknown colour word; the reaper's missiles
const int AcidFragmentLanding = 13; // where an acid fragment lands

} // namespace KTBlockType

#endif
