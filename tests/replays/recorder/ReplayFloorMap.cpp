#include "ReplayFloorMap.h"

#include <cmath>
#include <cstdlib>
#include <deque>

#include "game/level/KTLevelWorld.h"
#include "game/level/KTPhysicsObject.h"
#include "game/objects/KTGameObject.h"
#include "game/objects/KTMainCharacter.h"
#include "game/objects/KTPhysicsKind.h"

namespace {

// Missiles and the player hold no cell.
bool holdsNothing(int kind)
{
    switch (kind) {
    case KTPhysicsKind::GreyMissile:
    case KTPhysicsKind::DestroyMissile:
    case KTPhysicsKind::RedMissile:
    case KTPhysicsKind::ReaperMissile:
    case KTPhysicsKind::AcidFragment:
    case KTPhysicsKind::Player:
        return true;
    default:
        return false;
    }
}

int cellIndex(float coordinate)
{
    return static_cast<int>(std::floor(coordinate / KT_CELL_SIZE));
}

} // namespace

ReplayFloorMap ReplayFloorMap::of(const KTLevelWorld& world, int layer, int ignoredId)
{
    ReplayFloorMap map;
    const float low = layer * KT_CELL_SIZE;
    const float high = low + KT_CELL_SIZE;
    for (const auto& entry : world.objectMap) {
        const KTGameObject* o = entry.second;
        const int kind = o->body.kind;
        if (entry.first == ignoredId || holdsNothing(kind) || !o->body.collides) {
            continue;
        }
        const VXVec4 p = o->physicsObject != nullptr ? o->physicsObject->position : o->position;
        if (p.y() + o->body.boxMax.y() <= low + 1.0f || p.y() + o->body.boxMin.y() >= high - 1.0f) {
            continue;
        }
        if (kind == KTPhysicsKind::RedBlock || kind == KTPhysicsKind::BlueBlock) {
            const int x = cellIndex(p.x());
            const int y = cellIndex(p.z());
            if (map.inside(x, y)) {
                map.colour[x][y] = true;
            }
        }
        // Every cell the box reaches into stops a missile; a pickup is
        // walked through. A goal is walked round a cell away: brushing it
        // ends the level.
        const int x0 = cellIndex(p.x() + o->body.boxMin.x() + 1.0f);
        const int x1 = cellIndex(p.x() + o->body.boxMax.x() - 1.0f);
        const int y0 = cellIndex(p.z() + o->body.boxMin.z() + 1.0f);
        const int y1 = cellIndex(p.z() + o->body.boxMax.z() - 1.0f);
        const int margin = kind == KTPhysicsKind::GoalBlock ? 1 : 0;
        for (int x = x0 - margin; x <= x1 + margin; ++x) {
            for (int y = y0 - margin; y <= y1 + margin; ++y) {
                if (!map.inside(x, y)) {
                    continue;
                }
                const bool own = x >= x0 && x <= x1 && y >= y0 && y <= y1;
                map.shotBlocked[x][y] = map.shotBlocked[x][y] || own;
                map.blocked[x][y] = map.blocked[x][y] || kind != KTPhysicsKind::Pickup;
            }
        }
    }
    return map;
}

bool ReplayFloorMap::clearLine(Cell from, Cell to) const
{
    bool onLine = false;
    return lineStop(from, to, onLine).first < 0 && onLine;
}

ReplayFloorMap::Cell ReplayFloorMap::lineStop(Cell from, Cell to, bool& onLine) const
{
    const int dx = to.first - from.first;
    const int dy = to.second - from.second;
    onLine = !((dx != 0 && dy != 0 && std::abs(dx) != std::abs(dy)) || (dx == 0 && dy == 0));
    if (!onLine) {
        return Cell(-1, -1);
    }
    const int sx = dx > 0 ? 1 : (dx < 0 ? -1 : 0);
    const int sy = dy > 0 ? 1 : (dy < 0 ? -1 : 0);
    const int steps = std::abs(dx) > std::abs(dy) ? std::abs(dx) : std::abs(dy);
    for (int i = 1; i <= steps; ++i) {
        const int x = from.first + sx * i;
        const int y = from.second + sy * i;
        if (sx != 0 && sy != 0) {
            if (!open(x - sx, y)) {
                return Cell(x - sx, y);
            }
            if (!open(x, y - sy)) {
                return Cell(x, y - sy);
            }
        }
        if (i < steps && !open(x, y)) {
            return Cell(x, y);
        }
    }
    return Cell(-1, -1);
}

std::vector<ReplayFloorMap::Cell> ReplayFloorMap::pathTo(Cell start, const std::function<bool(Cell)>& goal,
                                                         const std::function<bool(Cell)>& passable) const
{
    return cheapestPathTo(start, goal, passable, nullptr);
}

std::vector<ReplayFloorMap::Cell> ReplayFloorMap::cheapestPathTo(Cell start, const std::function<bool(Cell)>& goal,
                                                                 const std::function<bool(Cell)>& passable,
                                                                 const std::function<int(Cell)>& cost) const
{
    if (!inside(start.first, start.second)) {
        return {};
    }
    int from[Side][Side];
    for (auto& column : from) {
        for (int& f : column) {
            f = -1;
        }
    }
    int steps[Side][Side];
    std::deque<Cell> queue;
    queue.push_back(start);
    from[start.first][start.second] = start.first * Side + start.second;
    steps[start.first][start.second] = 0;
    const int moves[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    bool found = false;
    Cell best = start;
    int bestCost = 0;
    while (!queue.empty()) {
        const Cell c = queue.front();
        queue.pop_front();
        const int reached = steps[c.first][c.second];
        if (goal(c)) {
            const int total = reached + (cost ? cost(c) : 0);
            if (!found || total < bestCost) {
                found = true;
                best = c;
                bestCost = total;
            }
            // Breadth first: with no cost the first accepted cell is the nearest.
            if (cost == nullptr) {
                break;
            }
        }
        for (const auto& m : moves) {
            const int x = c.first + m[0];
            const int y = c.second + m[1];
            if (free(x, y) && from[x][y] < 0 && (!passable || passable(Cell(x, y)))) {
                from[x][y] = c.first * Side + c.second;
                steps[x][y] = reached + 1;
                queue.push_back(Cell(x, y));
            }
        }
    }
    if (!found) {
        return {};
    }
    std::vector<Cell> path;
    Cell at = best;
    while (at != start) {
        path.insert(path.begin(), at);
        const int f = from[at.first][at.second];
        at = Cell(f / Side, f % Side);
    }
    path.insert(path.begin(), start);
    return path;
}

std::string ReplayFloorMap::text() const
{
    std::string out;
    for (int y = Side - 1; y >= 0; --y) {
        // +x is drawn to the left, as the unturned camera shows it.
        for (int x = Side - 1; x >= 0; --x) {
            out += blocked[x][y] ? '#' : '.';
        }
        out += '\n';
    }
    return out;
}
