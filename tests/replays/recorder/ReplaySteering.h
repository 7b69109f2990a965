#ifndef TESTS_REPLAYS_RECORDER_REPLAYSTEERING_H
#define TESTS_REPLAYS_RECORDER_REPLAYSTEERING_H

#include <set>
#include <string>
#include <vector>

#include "ReplayFloorMap.h"
#include "engine/math/VXVec4.h"
#include "game/level/KTGridCell.h"

class KTGameObject;
class ReplayPilot;

// What the plan commands share: the arrow keys for a direction, the cells
// of positions, and walking the player from cell to cell by its keys.
namespace replay {

// The player is 28 units wide in 30-unit cells: a walk ends this close to
// the centre, so that it passes between blocks.
const float Centred = 0.5f;
// A target this close to one of the eight lines through the player is in
// the line of fire (the missile is 12 wide, most enemies 24 to 30).
const float AimTolerance = 8.0f;
// The player's missile starts this far ahead of it and flies this fast.
const float MissileLead = 25.0f;
const float MissileSpeed = 10.0f;
// Plans are made afresh this often.
const int ReplanFrames = 30;

using Cell = ReplayFloorMap::Cell;

// An arrow-key direction with the camera unturned: dx +1 is Left (+x), -1
// Right; dy +1 is Up (+y, the script's y), -1 Down.
struct Arrows {
    int dx = 0;
    int dy = 0;
};

// "up", "down-left", ...; false for anything else.
bool parseDirection(const std::string& name, Arrows& arrows);
std::set<int> arrowKeys(const Arrows& arrows);
// The arrows that push the player along the world direction (wx, wz), each
// part -1, 0 or 1, with the camera turned as it is now.
Arrows arrowsForWorld(int wx, int wz);
// z, c or x for "grey", "red" or "destroy"; -1 otherwise.
int keyOfWeapon(const std::string& name);

float horizontalSpeed(const VXVec4& v);
// -1, 0 or +1: push along one axis toward `distance` away, letting the
// coast carry the rest, until within `deadband`.
int pushToward(float distance, float speed, float deadband);

Cell cellOf(const VXVec4& p);
float centreOf(int cell);
int chebyshev(Cell a, Cell b);

// The object with map id `id` while it lives (an AI enemy that has died
// counts as gone); null otherwise.
KTGameObject* livingObject(int id);
VXVec4 physicsPosition(const KTGameObject* o);

// Of the eight lines through the player, the one passing nearest to
// `offset` ahead of it: its world direction, how far `offset` lies off it
// and along it.
void nearestLine(const VXVec4& offset, int& wx, int& wz, float& off, float& along);

// Holds the arrows that walk the player along `path` (cells, its own cell
// first), straight runs at speed, braking into each corner and at the end;
// `next` is the index walked to. False, with nothing held, once it stands
// still on the last cell.
bool steerAlong(ReplayPilot& pilot, const std::vector<Cell>& path, size_t& next);

} // namespace replay

#endif
