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

const float CellSize = 30.0f;

bool holdsNothing(int kind)
{
    switch (kind) {
    case KTPhysicsKind::GreyMissile:
    case KTPhysicsKind::DestroyMissile:
    case KTPhysicsKind::RedMissile:
    case KTPhysicsKind::ReaperMissile:
    case KTPhysicsKind::AcidFragment:
    case KTPhysicsKind::Pickup:
    case KTPhysicsKind::Player:
        return true;
    default:
        return false;
    }
}

} // namespace

ReplayFloorMap ReplayFloorMap::of(const KTLevelWorld& world, int layer, int ignoredId)
{
    ReplayFloorMap map;
    const float low = layer * CellSize;
    const float high = low + CellSize;
    for (const auto& entry : world.objectMap) {
        const KTGameObject* o = entry.second;
        if (entry.first == ignoredId || holdsNothing(o->body.kind) || !o->body.collides) {
            continue;
        }
        const VXVec4 p = o->physicsObject != nullptr ? o->physicsObject->position : o->position;
        if (p.y() + o->body.boxMax.y() <= low + 1.0f || p.y() + o->body.boxMin.y() >= high - 1.0f) {
            continue;
        }
        // Every cell the box reaches into.
        const int x0 = static_cast<int>(std::floor((p.x() + o->body.boxMin.x() + 1.0f) / CellSize));
        const int x1 = static_cast<int>(std::floor((p.x() + o->body.boxMax.x() - 1.0f) / CellSize));
        const int y0 = static_cast<int>(std::floor((p.z() + o->body.boxMin.z() + 1.0f) / CellSize));
        const int y1 = static_cast<int>(std::floor((p.z() + o->body.boxMax.z() - 1.0f) / CellSize));
        // A goal is kept at a cell's distance: brushing it ends the level.
        const int margin = o->body.kind == KTPhysicsKind::GoalBlock ? 1 : 0;
        for (int x = x0 - margin; x <= x1 + margin; ++x) {
            for (int y = y0 - margin; y <= y1 + margin; ++y) {
                if (map.inside(x, y)) {
                    map.blocked[x][y] = true;
                }
            }
        }
    }
    return map;
}

bool ReplayFloorMap::clearLine(Cell from, Cell to) const
{
    const int dx = to.first - from.first;
    const int dy = to.second - from.second;
    if ((dx != 0 && dy != 0 && std::abs(dx) != std::abs(dy)) || (dx == 0 && dy == 0)) {
        return false;
    }
    const int sx = dx > 0 ? 1 : (dx < 0 ? -1 : 0);
    const int sy = dy > 0 ? 1 : (dy < 0 ? -1 : 0);
    const int steps = std::abs(dx) > std::abs(dy) ? std::abs(dx) : std::abs(dy);
    for (int i = 1; i <= steps; ++i) {
        const int x = from.first + sx * i;
        const int y = from.second + sy * i;
        if (sx != 0 && sy != 0 && (!free(x - sx, y) || !free(x, y - sy))) {
            return false;
        }
        if (i < steps && !free(x, y)) {
            return false;
        }
    }
    return true;
}

std::vector<ReplayFloorMap::Cell> ReplayFloorMap::pathTo(Cell start, const std::function<bool(Cell)>& goal) const
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
    std::deque<Cell> open;
    open.push_back(start);
    from[start.first][start.second] = start.first * Side + start.second;
    const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    while (!open.empty()) {
        const Cell c = open.front();
        open.pop_front();
        if (goal(c)) {
            std::vector<Cell> path;
            Cell at = c;
            while (at != start) {
                path.insert(path.begin(), at);
                const int f = from[at.first][at.second];
                at = Cell(f / Side, f % Side);
            }
            path.insert(path.begin(), start);
            return path;
        }
        for (const auto& s : steps) {
            const int x = c.first + s[0];
            const int y = c.second + s[1];
            if (free(x, y) && from[x][y] < 0) {
                from[x][y] = c.first * Side + c.second;
                open.push_back(Cell(x, y));
            }
        }
    }
    return {};
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
