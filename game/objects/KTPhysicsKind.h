#ifndef GAME_OBJECTS_KTPHYSICSKIND_H
#define GAME_OBJECTS_KTPHYSICSKIND_H

// The physics kinds that the game object classes give their bodies; the
// collision responses dispatch on them. No class uses 106.
namespace KTPhysicsKind {

const int GreyMissile = 1;      // KTMissileType::Grey, Shooter and every type without a kind of its own
const int PetOrShooter = 2;     // KTEnemy::Pet and KTEnemy::Shooter
const int Elevator = 3;         // KTEnemy::Elevator
const int DestroyMissile = 4;   // KTMissileType::Destroy
const int Blob = 5;             // KTEnemy::Blob
const int Zealot = 10;
const int LeapingZealot = 11;
const int Anubis = 12;
const int RedMissile = 13;      // KTMissileType::Red and Anubis
const int Creeper = 14;
const int Colossus = 17;
const int Reaper = 20;
const int ReaperMissile = 21;   // KTMissileType::Reaper
const int AcidFragment = 22;    // KTMissileType::AcidFragment
const int PlainBlock = 100;     // every block type without a kind of its own
const int RedBlock = 101;       // KTBlockType::Red and AnubisRed
const int BlueBlock = 102;      // KTBlockType::Blue
const int GreenBlock = 103;     // KTBlockType::Green
const int YellowBlock = 104;    // KTBlockType::Yellow
const int BlackBlock = 105;     // KTBlockType::Black
const int GoalBlock = 107;      // KTBlockType::Goal
const int PurpleBlock = 108;    // KTBlockType::Purple
const int Pickup = 109;         // every ammunition pickup
const int AcidBlock = 200;      // KTBlockType::Acid
const int Player = 1000;

int ofBlockType(int blockType);
int ofMissileType(int missileType);

} // namespace KTPhysicsKind

#endif
