#include "ReplayPlan.h"

#include "ReplayFloorMap.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "engine/math/VXQuat.h"
#include "game/level/KTLevelScene.h"
#include "game/level/KTLevelWorld.h"
#include "game/level/KTPhysicsObject.h"
#include "game/objects/KTBlockMissile.h"
#include "game/objects/KTGameObject.h"
#include "game/objects/KTMainCharacter.h"
#include "game/objects/KTPhysicsKind.h"
#include "game/objects/QMIntelligence.h"
#include "game/ui/KTKeySymbols.h"

namespace {

const float CellSize = 30.0f;
// A released player coasts about nine times its speed (damping 0.9).
const float CoastFactor = 9.0f;
// Close enough to a cell centre to stop pushing.
const float Arrival = 3.0f;
// The player is 28 units wide in 30-unit cells: a walk ends this close to
// the centre, so that it passes between blocks.
const float Centred = 0.5f;
const float CrossDeadband = 0.8f;
const float StillSpeed = 0.05f;
const int WalkFrameLimit = 900;
const int SettleFrameLimit = 300;
// A target this close to one of the eight lines through the player is in
// the line of fire (the missile is 12 wide, most enemies 30).
const float AimTolerance = 8.0f;
const float MissileSpeed = 10.0f;
const float MissileLead = 25.0f;
const int HuntFrameLimit = 3000;

struct Arrows {
    int dx = 0;  // +1 left (+x), -1 right
    int dy = 0;  // +1 up (+y), -1 down
};

bool parseDirection(const std::string& name, Arrows& arrows)
{
    arrows = Arrows();
    std::istringstream parts(name);
    std::string part;
    bool any = false;
    while (std::getline(parts, part, '-')) {
        if (part == "up") {
            arrows.dy = 1;
        } else if (part == "down") {
            arrows.dy = -1;
        } else if (part == "left") {
            arrows.dx = 1;
        } else if (part == "right") {
            arrows.dx = -1;
        } else {
            return false;
        }
        any = true;
    }
    return any;
}

std::set<int> arrowKeys(const Arrows& a)
{
    std::set<int> keys;
    if (a.dx > 0) {
        keys.insert(KTKey::Left);
    } else if (a.dx < 0) {
        keys.insert(KTKey::Right);
    }
    if (a.dy > 0) {
        keys.insert(KTKey::Up);
    } else if (a.dy < 0) {
        keys.insert(KTKey::Down);
    }
    return keys;
}

// The arrows that push the player along the world direction (wx, wz), each
// part -1, 0 or 1, with the camera turned as it is now.
Arrows arrowsForWorld(int wx, int wz)
{
    const KTLevelScene& scene = ReplaySession::scene();
    // The keys' push is turned by the camera's target turn; undo it.
    const VXQuat back = VXQuat::fromAngleAxis(-scene.camera.angle, 0.0f, 1.0f, 0.0f);
    const VXVec4 local = back.rotate(VXVec4(static_cast<float>(wx), 0.0f, static_cast<float>(wz), 1.0f));
    Arrows a;
    a.dx = std::fabs(local.x()) < 0.5f ? 0 : (local.x() > 0 ? 1 : -1);
    a.dy = std::fabs(local.z()) < 0.5f ? 0 : (local.z() > 0 ? 1 : -1);
    return a;
}

float horizontalSpeed(const VXVec4& v)
{
    return std::sqrt(v.x() * v.x() + v.z() * v.z());
}

// -1, 0 or +1: push along one axis toward `distance`, letting the coast
// carry the rest.
int pushToward(float distance, float speed, float deadband = Arrival)
{
    const float coastForward = speed > 0 ? speed * CoastFactor : 0.0f;
    const float coastBack = speed < 0 ? -speed * CoastFactor : 0.0f;
    if (distance > deadband + coastForward) {
        return 1;
    }
    if (distance < -(deadband + coastBack)) {
        return -1;
    }
    return 0;
}

int keyOfWeapon(const std::string& name)
{
    if (name == "grey") {
        return KTKey::Z;
    }
    if (name == "red") {
        return KTKey::C;
    }
    if (name == "destroy") {
        return KTKey::X;
    }
    return -1;
}

int number(const std::vector<std::string>& w, size_t i, int fallback)
{
    return i < w.size() ? std::stoi(w[i]) : fallback;
}

// The enemy with map id `id`, while it lives.
KTGameObject* livingObject(int id)
{
    KTGameObject* o = ReplaySession::scene().world->findObject(id);
    const QMIntelligence* ai = dynamic_cast<const QMIntelligence*>(o);
    if (o == nullptr || (ai != nullptr && (ai->dead || ai->state == QMState::Dead))) {
        return nullptr;
    }
    return o;
}

VXVec4 physicsPosition(const KTGameObject* o)
{
    return o->physicsObject != nullptr ? o->physicsObject->position : o->position;
}

// The world direction (each part -1, 0, 1) of the eight lines through the
// player that passes nearest to `offset`, with the distance off it and along it.
void nearestLine(const VXVec4& offset, int& wx, int& wz, float& off, float& along)
{
    off = 1.0e9f;
    along = 0.0f;
    wx = 0;
    wz = 1;
    for (int x = -1; x <= 1; ++x) {
        for (int z = -1; z <= 1; ++z) {
            if (x == 0 && z == 0) {
                continue;
            }
            const float length = std::sqrt(static_cast<float>(x * x + z * z));
            const float ux = x / length;
            const float uz = z / length;
            const float a = offset.x() * ux + offset.z() * uz;
            const float o = std::fabs(offset.x() * uz - offset.z() * ux);
            if (a > 0.0f && o < off) {
                off = o;
                along = a;
                wx = x;
                wz = z;
            }
        }
    }
}

using Cell = ReplayFloorMap::Cell;

Cell cellOf(const VXVec4& p)
{
    return Cell(static_cast<int>(std::floor(p.x() / CellSize)), static_cast<int>(std::floor(p.z() / CellSize)));
}

float centreOf(int cell)
{
    return cell * CellSize + CellSize / 2;
}

int chebyshev(Cell a, Cell b)
{
    const int dx = std::abs(a.first - b.first);
    const int dy = std::abs(a.second - b.second);
    return dx > dy ? dx : dy;
}

// The last index from `next` on that lies on the straight run into path[next].
size_t runEnd(const std::vector<Cell>& path, size_t next)
{
    if (next == 0) {
        return 0;
    }
    const int sx = path[next].first - path[next - 1].first;
    const int sy = path[next].second - path[next - 1].second;
    size_t k = next;
    while (k + 1 < path.size() && path[k + 1].first - path[k].first == sx && path[k + 1].second - path[k].second == sy) {
        ++k;
    }
    return k;
}

class Runner {
public:
    Runner(ReplayPilot& pilot, std::string& error) : pilot(pilot), error(error) {}

    bool fail(const std::string& message)
    {
        error = message;
        return false;
    }

    // Frames while `keys` are held; false when the level ended or the player died.
    bool run(int frames)
    {
        for (int i = 0; i < frames; ++i) {
            if (!pilot.tick()) {
                return false;
            }
        }
        return true;
    }

    bool walk(float tx, float tz)
    {
        for (int i = 0; i < WalkFrameLimit; ++i) {
            const VXVec4 p = pilot.position();
            const VXVec4 v = pilot.velocity();
            const int wx = pushToward(tx - p.x(), v.x());
            const int wz = pushToward(tz - p.z(), v.z());
            const bool there = std::fabs(tx - p.x()) < Centred && std::fabs(tz - p.z()) < Centred;
            const bool down = pilot.player().grounded || p.y() < 18.0f;
            if (there && down && horizontalSpeed(v) < 0.1f) {
                pilot.hold({});
                return true;
            }
            pilot.hold(arrowKeys(arrowsForWorld(wx, wz)));
            if (!pilot.tick()) {
                return !pilot.session.playerDied() || fail("died while walking");
            }
        }
        pilot.printState();
        dump(2);
        return fail("walk did not arrive");
    }

    // The objects within `cells` cells of the player, for writing plans.
    void dump(int cells)
    {
        const VXVec4 p = pilot.position();
        for (const auto& entry : ReplaySession::scene().world->objectMap) {
            const KTGameObject* o = entry.second;
            const VXVec4 q = o->physicsObject != nullptr ? o->physicsObject->position : o->position;
            if (std::fabs(q.x() - p.x()) > cells * CellSize || std::fabs(q.z() - p.z()) > cells * CellSize) {
                continue;
            }
            std::printf("  id %4d kind %4d  cell %5.2f %5.2f %5.2f  pos %7.2f %7.2f %7.2f\n", entry.first, o->body.kind,
                        q.x() / CellSize, q.z() / CellSize, q.y() / CellSize, q.x(), q.y(), q.z());
        }
    }

    // Stands and shoots at enemy `id` whenever it comes onto one of the
    // eight lines through the player; between shots, with `stepping`, walks
    // along the axis that brings it onto the nearest row or column. Each
    // shot waits for the missile to get there.
    bool hunt(int id, int key, bool stepping, int limit, float keepAway = 0.0f)
    {
        int nextShot = 0;
        for (int i = 0; i < limit; ++i) {
            const KTGameObject* target = livingObject(id);
            if (target == nullptr) {
                pilot.hold({});
                return true;
            }
            const VXVec4 p = pilot.position();
            const VXVec4 offset = physicsPosition(target) - p;
            int wx = 0;
            int wz = 0;
            float off = 0.0f;
            float along = 0.0f;
            nearestLine(offset, wx, wz, off, along);
            const float distance = std::sqrt(offset.x() * offset.x() + offset.z() * offset.z());
            if (distance < keepAway) {
                // Back off from it on both axes.
                const int ax = std::fabs(offset.x()) > AimTolerance ? (offset.x() > 0 ? -1 : 1) : 0;
                const int az = std::fabs(offset.z()) > AimTolerance ? (offset.z() > 0 ? -1 : 1) : 0;
                pilot.hold(arrowKeys(arrowsForWorld(ax, az)));
            } else if (off < AimTolerance && along > MissileLead) {
                std::set<int> keys = arrowKeys(arrowsForWorld(wx, wz));
                keys.insert(KTKey::LeftShift);
                const bool facing = pilot.heldKeys() == keys;
                pilot.hold(keys);
                if (facing && i >= nextShot) {
                    pilot.press(key);
                    nextShot = i + 2 + static_cast<int>((along - MissileLead) / MissileSpeed);
                }
            } else if (stepping) {
                const VXVec4 v = pilot.velocity();
                if (std::fabs(offset.x()) < std::fabs(offset.z())) {
                    pilot.hold(arrowKeys(arrowsForWorld(pushToward(offset.x(), v.x()), 0)));
                } else {
                    pilot.hold(arrowKeys(arrowsForWorld(0, pushToward(offset.z(), v.z()))));
                }
            } else {
                pilot.hold({});
            }
            if (!pilot.tick()) {
                return !pilot.session.playerDied() || fail("died while hunting");
            }
        }
        return fail("the hunted enemy lives on");
    }

    // To cell `goal` on the floor by the shortest way round what stands
    // there, planned afresh as things move.
    bool walkAround(Cell goal)
    {
        KTLevelWorld& world = *ReplaySession::scene().world;
        std::vector<Cell> path;
        size_t next = 0;
        for (int i = 0; i < WalkFrameLimit; ++i) {
            const Cell here = cellOf(pilot.position());
            if (i % 30 == 0 || path.empty()) {
                const ReplayFloorMap map = ReplayFloorMap::of(world, 0, -1);
                path = map.pathTo(here, [&](Cell c) { return c == goal; });
                next = 1;
            }
            if (path.empty()) {
                // Wait for the way to open (a corpse to fall, a block to burn).
                pilot.hold({});
            } else if (!followPath(path, next)) {
                return true;
            }
            if (!pilot.tick()) {
                return !pilot.session.playerDied() || fail("died while walking");
            }
        }
        std::printf("%s", ReplayFloorMap::of(world, 0, -1).text().c_str());
        return fail("walk did not arrive");
    }

    // Walks along `path` (cells, the player's first): straight runs at
    // speed, braking into each corner and the end. False once there.
    bool followPath(const std::vector<Cell>& path, size_t& next)
    {
        const VXVec4 p = pilot.position();
        const VXVec4 v = pilot.velocity();
        while (next < path.size()) {
            const Cell at = cellOf(p);
            const size_t end = runEnd(path, next);
            const bool corner = end == next;
            const bool near = std::fabs(p.x() - centreOf(path[next].first)) < 5.0f
                && std::fabs(p.z() - centreOf(path[next].second)) < 5.0f;
            if (next + 1 < path.size() && at == path[next] && (!corner || near)) {
                ++next;
                continue;
            }
            break;
        }
        if (next >= path.size()) {
            return false;
        }
        const size_t end = runEnd(path, next);
        const float tx = centreOf(path[end].first);
        const float tz = centreOf(path[end].second);
        const bool there = std::fabs(tx - p.x()) < Centred && std::fabs(tz - p.z()) < Centred;
        if (end + 1 == path.size() && there && horizontalSpeed(v) < 0.1f) {
            pilot.hold({});
            return false;
        }
        // Across the run the player keeps close to the cells' centre line:
        // it has one unit to spare on each side.
        const bool alongX = next > 0 && path[next].first != path[next - 1].first;
        const bool alongZ = next > 0 && path[next].second != path[next - 1].second;
        const int wx = pushToward(tx - p.x(), v.x(), alongZ ? CrossDeadband : Arrival);
        const int wz = pushToward(tz - p.z(), v.z(), alongX ? CrossDeadband : Arrival);
        pilot.hold(arrowKeys(arrowsForWorld(wx, wz)));
        return true;
    }

    // Fights enemy `id` from the floor until it is dead: walks to the
    // nearest cell that lies on one of the eight lines through the enemy's
    // cell, `nearCells` to `farCells` cells from it, with nothing between;
    // there turns to it and fires one missile, and waits for it to land.
    // With `safeCells`, never stands on the enemy's row or column that close.
    bool fight(int id, int key, int nearCells, int farCells, int safeCells, int limit)
    {
        KTLevelWorld& world = *ReplaySession::scene().world;
        std::vector<Cell> path;
        size_t next = 0;
        Cell plannedFor(-1, -1);
        int plannedAt = -1000;
        int missile = -1;
        for (int i = 0; i < limit; ++i) {
            const KTGameObject* target = livingObject(id);
            if (target == nullptr) {
                pilot.hold({});
                return true;
            }
            if (missile >= 0 && world.findObject(missile) != nullptr) {
                if (!pilot.tick()) {
                    return !pilot.session.playerDied() || fail("died while fighting");
                }
                continue;
            }
            missile = -1;
            const VXVec4 p = pilot.position();
            const VXVec4 v = pilot.velocity();
            const VXVec4 t = physicsPosition(target);
            const Cell here = cellOf(p);
            const Cell there = cellOf(t);
            const ReplayFloorMap map = ReplayFloorMap::of(world, 0, id);
            const auto good = [&](Cell c) {
                const int dx = there.first - c.first;
                const int dy = there.second - c.second;
                const int d = chebyshev(c, there);
                if (d < nearCells || d > farCells || (safeCells > 0 && (dx == 0 || dy == 0) && d <= safeCells)) {
                    return false;
                }
                return (c == here || map.free(c.first, c.second)) && map.clearLine(c, there);
            };
            const bool centred = std::fabs(p.x() - centreOf(here.first)) < 3.0f
                && std::fabs(p.z() - centreOf(here.second)) < 3.0f && horizontalSpeed(v) < 0.5f;
            if (good(here) && centred) {
                const VXVec4 offset = t - p;
                int wx = 0;
                int wz = 0;
                float off = 0.0f;
                float along = 0.0f;
                nearestLine(offset, wx, wz, off, along);
                if (off < AimTolerance) {
                    std::set<int> keys = arrowKeys(arrowsForWorld(wx, wz));
                    keys.insert(KTKey::LeftShift);
                    if (pilot.heldKeys() == keys) {
                        const int firstNew = world.nextId;
                        pilot.hold(keys);
                        pilot.press(key);
                        if (!pilot.tick()) {
                            return !pilot.session.playerDied() || fail("died while fighting");
                        }
                        for (int n = firstNew; n < world.nextId; ++n) {
                            const KTGameObject* o = world.findObject(n);
                            if (dynamic_cast<const KTBlockMissile*>(o) != nullptr) {
                                missile = n;
                            }
                        }
                        path.clear();
                        continue;
                    }
                    pilot.hold(keys);
                } else {
                    pilot.hold({});
                }
                if (!pilot.tick()) {
                    return !pilot.session.playerDied() || fail("died while fighting");
                }
                continue;
            }
            if (path.empty() || next >= path.size() || there != plannedFor || i - plannedAt > 30) {
                path = map.pathTo(here, good);
                next = 1;
                plannedFor = there;
                plannedAt = i;
            }
            if (path.empty() || !followPath(path, next)) {
                // Nowhere to shoot from, or there and settling in.
                pilot.hold({});
            }
            if (!pilot.tick()) {
                return !pilot.session.playerDied() || fail("died while fighting");
            }
        }
        return fail("the enemy outlived the fight");
    }

    bool settle()
    {
        pilot.hold({});
        for (int i = 0; i < SettleFrameLimit; ++i) {
            const VXVec4 v = pilot.velocity();
            const bool down = pilot.player().grounded || pilot.position().y() < 18.0f;
            if (down && std::fabs(v.x()) < StillSpeed && std::fabs(v.z()) < StillSpeed) {
                return true;
            }
            if (!pilot.tick()) {
                return !pilot.session.playerDied() || fail("died while settling");
            }
        }
        return fail("never settled");
    }

    bool face(const Arrows& a)
    {
        std::set<int> keys = arrowKeys(a);
        keys.insert(KTKey::LeftShift);
        pilot.hold(keys);
        if (!run(2)) {
            return !pilot.session.playerDied();
        }
        pilot.hold({});
        return run(1) || !pilot.session.playerDied();
    }

    bool command(const std::vector<std::string>& w)
    {
        const std::string& c = w[0];
        if (c == "dump") {
            dump(number(w, 1, 2));
            return true;
        }
        if ((c == "hunt" || c == "shoot") && w.size() >= 3) {
            const int key = keyOfWeapon(w[2]);
            if (key < 0) {
                return fail("no weapon " + w[2]);
            }
            return hunt(std::stoi(w[1]), key, c == "hunt", number(w, 3, HuntFrameLimit),
                        static_cast<float>(number(w, 4, 0)));
        }
        if (c == "rise" && w.size() >= 2) {
            const float height = std::stoi(w[1]) * CellSize;
            pilot.hold({});
            for (int i = number(w, 2, 600); i > 0; --i) {
                if (pilot.position().y() >= height) {
                    return true;
                }
                if (!pilot.tick()) {
                    return !pilot.session.playerDied() || fail("died while waiting to rise");
                }
            }
            return fail("never rose");
        }
        if (c == "track") {
            for (size_t i = 1; i < w.size(); ++i) {
                pilot.tracked.push_back(std::stoi(w[i]));
            }
            return true;
        }
        if (c == "fight" && w.size() >= 5) {
            const int key = keyOfWeapon(w[2]);
            if (key < 0) {
                return fail("no weapon " + w[2]);
            }
            return fight(std::stoi(w[1]), key, std::stoi(w[3]), std::stoi(w[4]), number(w, 5, 0),
                         number(w, 6, HuntFrameLimit));
        }
        if (c == "trace") {
            pilot.traceEvery = number(w, 1, 10);
            return true;
        }
        if (c == "climb" && w.size() >= 3) {
            pilot.press(KTKey::Space);
            return walk(std::stoi(w[1]) * CellSize + CellSize / 2, std::stoi(w[2]) * CellSize + CellSize / 2);
        }
        if (c == "goto" && w.size() >= 3) {
            return walkAround(Cell(std::stoi(w[1]), std::stoi(w[2])));
        }
        if (c == "walk" && w.size() >= 3) {
            return walk(std::stoi(w[1]) * CellSize + CellSize / 2, std::stoi(w[2]) * CellSize + CellSize / 2);
        }
        if ((c == "go" || c == "leap") && w.size() >= 3) {
            Arrows a;
            if (!parseDirection(w[1], a)) {
                return fail("no direction " + w[1]);
            }
            pilot.hold(arrowKeys(a));
            if (c == "leap") {
                pilot.press(KTKey::Space);
            }
            const bool going = run(std::stoi(w[2]));
            pilot.hold({});
            return going || !pilot.session.playerDied();
        }
        if (c == "face" && w.size() >= 2) {
            Arrows a;
            if (!parseDirection(w[1], a)) {
                return fail("no direction " + w[1]);
            }
            return face(a);
        }
        if (c == "fire" && w.size() >= 2) {
            const int key = keyOfWeapon(w[1]);
            if (key < 0) {
                return fail("no weapon " + w[1]);
            }
            const int count = number(w, 2, 1);
            const int gap = number(w, 3, 10);
            for (int i = 0; i < count; ++i) {
                pilot.press(key);
                if (!run(gap)) {
                    return !pilot.session.playerDied();
                }
            }
            return true;
        }
        if (c == "jump") {
            pilot.press(KTKey::Space);
            return run(1) || !pilot.session.playerDied();
        }
        if (c == "wait") {
            pilot.hold({});
            return run(number(w, 1, 1)) || !pilot.session.playerDied();
        }
        if (c == "settle") {
            return settle();
        }
        if (c == "camera" && w.size() >= 2) {
            pilot.press(w[1] == "left" ? KTKey::A : KTKey::D);
            return run(1) || !pilot.session.playerDied();
        }
        if (c == "zoom" && w.size() >= 3) {
            pilot.hold({w[1] == "in" ? KTKey::W : KTKey::S});
            const bool going = run(std::stoi(w[2]));
            pilot.hold({});
            return going || !pilot.session.playerDied();
        }
        if (c == "finish") {
            const int limit = number(w, 1, 600);
            for (int i = 0; i < limit; ++i) {
                if (!pilot.tick()) {
                    return !pilot.session.playerDied() || fail("died before the goal");
                }
            }
            return fail("no goal");
        }
        if (c == "expect" && w.size() >= 3) {
            const VXVec4 p = pilot.position();
            const int x = static_cast<int>(p.x() / CellSize);
            const int y = static_cast<int>(p.z() / CellSize);
            const int z = static_cast<int>(p.y() / CellSize);
            if (x != std::stoi(w[1]) || y != std::stoi(w[2]) || (w.size() > 3 && z != std::stoi(w[3]))) {
                pilot.printState();
                return fail("not in the expected cell");
            }
            return true;
        }
        return fail("unknown command " + c);
    }

private:
    ReplayPilot& pilot;
    std::string& error;
};

} // namespace

ReplayPlan ReplayPlan::parse(const std::string& text, std::string& error)
{
    ReplayPlan plan;
    error.clear();
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        const size_t hash = line.find('#');
        if (hash != std::string::npos) {
            line.erase(hash);
        }
        std::istringstream words(line);
        std::vector<std::string> w;
        std::string word;
        while (words >> word) {
            w.push_back(word);
        }
        if (w.empty()) {
            continue;
        }
        if (w[0] == "level" && w.size() == 2) {
            plan.level = std::stoi(w[1]);
        } else if (w[0] == "seed" && w.size() == 2) {
            plan.seed = static_cast<unsigned int>(std::stoul(w[1]));
        } else {
            plan.commands.push_back(Command{number, w});
        }
    }
    if (plan.level < 0) {
        error = "the plan names no level";
    }
    return plan;
}

bool ReplayPlan::run(ReplayPilot& pilot, std::string& error) const
{
    Runner runner(pilot, error);
    for (const Command& command : commands) {
        if (pilot.over()) {
            break;
        }
        bool ok = false;
        try {
            ok = runner.command(command.words);
        } catch (const std::exception&) {
            error = "bad number";
        }
        if (!ok || pilot.session.playerDied()) {
            error = "line " + std::to_string(command.line) + ": " + (error.empty() ? "the player died" : error);
            return false;
        }
    }
    if (!pilot.session.goalReached()) {
        error = "the plan ended before the goal";
        return false;
    }
    return true;
}
