#ifndef TESTS_REPLAYS_RECORDER_REPLAYFLOORMAP_H
#define TESTS_REPLAYS_RECORDER_REPLAYFLOORMAP_H

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "game/level/KTGridCell.h"

class KTLevelWorld;

// One layer of the level's 20 by 20 cells as the pilot plans on it: which
// cells hold something the player cannot walk through or shoot through.
// Cells are the level script's (x, y).
class ReplayFloorMap {
public:
    static constexpr int Side = KT_LEVEL_CELLS_X;
    using Cell = std::pair<int, int>;

    // The cells of `layer` that hold a block, a creature or a pickup, other
    // than the player and the object `ignoredId`; missiles hold none. A
    // pickup stops missiles but not the player; the cells around a goal
    // are kept from as if held.
    static ReplayFloorMap of(const KTLevelWorld& world, int layer, int ignoredId);

    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < Side && y < Side; }
    bool free(int x, int y) const { return inside(x, y) && !blocked[x][y]; }
    // A missile passes through the cell.
    bool open(int x, int y) const { return inside(x, y) && !shotBlocked[x][y]; }
    // Holds a red or blue block, which a missile of the other colour breaks.
    bool breakable(int x, int y) const { return inside(x, y) && colour[x][y]; }
    // A missile from the centre of `from` reaches the centre of `to` along one
    // of the eight lines through nothing: every cell between is open, and on
    // a diagonal also the two cells beside each corner it passes.
    bool clearLine(Cell from, Cell to) const;
    // The first cell that stops such a missile, (-1, -1) when none does;
    // `onLine` tells whether `to` lies on one of the eight lines at all.
    Cell lineStop(Cell from, Cell to, bool& onLine) const;
    // The shortest walk (four neighbours a step) from `start` to the nearest
    // cell that `goal` accepts, both ends included, through free cells that
    // `passable` (when given) accepts; empty when there is none.
    std::vector<Cell> pathTo(Cell start, const std::function<bool(Cell)>& goal,
                             const std::function<bool(Cell)>& passable = nullptr) const;

    // Like pathTo, to the accepted cell with the least steps plus `cost`.
    std::vector<Cell> cheapestPathTo(Cell start, const std::function<bool(Cell)>& goal,
                                     const std::function<bool(Cell)>& passable,
                                     const std::function<int(Cell)>& cost) const;

    // The map as text, the top row (y 19) first: '#' held, '.' free.
    std::string text() const;

private:
    bool blocked[Side][Side] = {};
    bool shotBlocked[Side][Side] = {};
    bool colour[Side][Side] = {};
};

#endif
