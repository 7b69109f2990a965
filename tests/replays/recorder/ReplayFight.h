#ifndef TESTS_REPLAYS_RECORDER_REPLAYFIGHT_H
#define TESTS_REPLAYS_RECORDER_REPLAYFIGHT_H

#include <string>
#include <vector>

#include "ReplayFloorMap.h"
#include "ReplaySteering.h"

class KTGameObject;
class ReplayPilot;

// How the player fights a group of enemies from the floor.
struct ReplayFightRules {
    // Map ids; the nearest living one is fought first.
    std::vector<int> enemies;
    // The fire key of the weapon (z, c or x).
    int weaponKey = 0;
    // The player shoots from cells this many cells (the larger of the two
    // axes) from the enemy, and keeps at least nearCells from the others.
    int nearCells = 3;
    int farCells = 8;
    // Not on the enemy's row or column within this many cells (0: anywhere).
    int safeCells = 0;
    // The cells it may shoot from: lowest x, y, highest x, y.
    int zone[4] = {0, 0, ReplayFloorMap::Side - 1, ReplayFloorMap::Side - 1};
    int frameLimit = 3000;
    bool verbose = false;
};

// Fights until every enemy is dead: walks to the nearest cell from which
// the enemy lies on one of the eight lines through the player with nothing
// between, never through an enemy's reach nor along the row or column of
// one winding up an attack (it steps off those at once); there it turns, fires one
// missile and waits for it to land. Every grey hit leaves a blue block
// beside the enemy; when those wall it in and the player has red missiles,
// it breaks the wall with one from outside the blast. With nothing else to
// do it takes the ammunition lying about.
class ReplayFight {
public:
    ReplayFight(ReplayPilot& pilot, const ReplayFightRules& rules);

    // False with `error` when the enemies outlived the frame limit or the
    // player died.
    bool run(std::string& error);

private:
    using Cell = replay::Cell;

    ReplayPilot& pilot;
    ReplayFightRules rules;
    std::vector<Cell> path;
    size_t next = 0;
    Cell plannedFor{-1, -1};
    int plannedAt = -1000;
    // The missile in flight, by map id; -1 when none.
    int missile = -1;
    VXVec4 missileAt{0.0f, 0.0f, 0.0f, 1.0f};
    // The path leads to a place to break the enemy's wall from.
    bool breaking = false;
    // The player stood on the line of an enemy's attack last frame.
    bool wasThreatened = false;

    const KTGameObject* nearestEnemy(int& id) const;
    std::vector<Cell> pickupCells() const;
    // One frame of the fight.
    bool step(int frame, const KTGameObject* target, int id);
    // Turns toward `offset` (Shift and the arrows) and, once turned, fires
    // `key` in a frame of its own: true then, with `played` what the frame
    // gave. False when only the turn is held: the caller plays the frame.
    bool aimAndFire(const VXVec4& offset, int key, bool& played);
};

#endif
