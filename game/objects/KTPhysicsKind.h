#ifndef GAME_OBJECTS_KTPHYSICSKIND_H
#define GAME_OBJECTS_KTPHYSICSKIND_H

// The physics kinds that the game object classes give their bodies; the
// collision responses dispatch on them. No class uses 106.
namespace KTPhysicsKind {

const int GreyMissile = 1;      // missile type 1 and every type without a kind of its own
const int PetOrShooter = 2;     // KTEnemy kinds 0 and 1
const int Elevator = 3;         // KTEnemy kind 2
const int DestroyMissile = 4;   // missile type 9
const int Blob = 5;             // KTEnemy kind 3
const int Zealot = 10;
const int LeapingZealot = 11;
const int Anubis = 12;
const int RedMissile = 13;      // missile types 0 and 10
const int Creeper = 14;
const int Colossus = 17;
const int Reaper = 20;
const int ReaperMissile = 21;   // missile type 12
const int AcidFragment = 22;    // missile type 13
const int PlainBlock = 100;     // every block type without a kind of its own
const int RedBlock = 101;       // block types 0 and 10
const int BlueBlock = 102;      // block type 1
const int GreenBlock = 103;     // block type 2
const int YellowBlock = 104;    // block type 3
const int BlackBlock = 105;     // block type 5
const int GoalBlock = 107;      // block type 6
const int PurpleBlock = 108;    // block type 11
const int Pickup = 109;         // every ammunition pickup
const int AcidBlock = 200;      // block type 12
const int Player = 1000;

int ofBlockType(int blockType);
int ofMissileType(int missileType);

} // namespace KTPhysicsKind

#endif
