#include "ReplayFight.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "ReplayFloorMap.h"
#include "ReplayPilot.h"
#include "game/level/KTLevelScene.h"
#include "game/level/KTLevelWorld.h"
#include "game/objects/KTBlockMissile.h"
#include "game/objects/KTGameObject.h"
#include "game/objects/KTMainCharacter.h"
#include "game/objects/KTPhysicsKind.h"
#include "game/objects/QMIntelligence.h"
#include "game/ui/KTKeySymbols.h"

using namespace replay;

namespace {

// A target this close to one of the eight lines through the player is in
// the line of fire (the missile is 12 wide, most enemies 24 to 30).
const float AimTolerance = 8.0f;
// The missile starts this far ahead of the player.
const float MissileLead = 25.0f;
// Nearer than the fight's distance, an enemy in the line of fire is still
// shot from this far rather than walked away from.
const float CloseShot = 40.0f;
// Shooting wants the player this near its cell's centre and this slow.
const float Steady = 3.0f;
const float SteadySpeed = 0.5f;
// Plans are made afresh this often, and whenever the enemy changes cell.
const int ReplanFrames = 30;
// A missile flies 5 below the player's centre and is 12 high.
const float MissileDrop = 5.0f;
const float MissileHalf = 6.0f;
// An attack along a row or column reaches a player whose centre is this
// near the attacker's line: half a missile, half the player and a margin.
const float AttackBand = 23.0f;

} // namespace

ReplayFight::ReplayFight(ReplayPilot& pilot, const ReplayFightRules& rules) : pilot(pilot), rules(rules) {}

bool ReplayFight::run(std::string& error)
{
    for (int frame = 0; frame < rules.frameLimit; ++frame) {
        int id = -1;
        const KTGameObject* target = nearestEnemy(id);
        if (target == nullptr) {
            pilot.hold({});
            return true;
        }
        if (!step(frame, target, id)) {
            if (pilot.session.playerDied()) {
                error = "died while fighting";
                return false;
            }
            return true;
        }
    }
    std::printf("%s", ReplayFloorMap::of(*ReplaySession::scene().world, 0, -1).text().c_str());
    pilot.printState();
    error = "the enemies outlived the fight";
    return false;
}

const KTGameObject* ReplayFight::nearestEnemy(int& id) const
{
    const KTGameObject* nearest = nullptr;
    float best = 0.0f;
    for (int candidate : rules.enemies) {
        const KTGameObject* o = livingObject(candidate);
        if (o == nullptr) {
            continue;
        }
        const VXVec4 d = physicsPosition(o) - pilot.position();
        const float distance = d.x() * d.x() + d.z() * d.z();
        if (nearest == nullptr || distance < best) {
            nearest = o;
            best = distance;
            id = candidate;
        }
    }
    return nearest;
}

bool ReplayFight::step(int frame, const KTGameObject* target, int id)
{
    KTLevelWorld& world = *ReplaySession::scene().world;
    if (missile >= 0 && world.findObject(missile) != nullptr) {
        missileAt = physicsPosition(world.findObject(missile));
        return pilot.tick();
    }
    if (missile >= 0 && rules.verbose) {
        std::printf("  frame %d: missile %d ended at %.1f %.1f %.1f near", pilot.session.frameNumber(), missile,
                    missileAt.x() / CellSize, missileAt.z() / CellSize, missileAt.y() / CellSize);
        for (const auto& entry : world.objectMap) {
            const VXVec4 d = physicsPosition(entry.second) - missileAt;
            if (d.x() * d.x() + d.y() * d.y() + d.z() * d.z() < 40.0f * 40.0f) {
                std::printf(" %d(kind %d)", entry.first, entry.second->body.kind);
            }
        }
        std::printf("\n");
    }
    missile = -1;
    const VXVec4 p = pilot.position();
    const VXVec4 v = pilot.velocity();
    const Cell here = cellOf(p);
    const Cell there = cellOf(physicsPosition(target));
    const ReplayFloorMap map = ReplayFloorMap::of(world, 0, id);
    std::vector<Cell> others;
    std::vector<Cell> all;
    // Where the enemies winding up an attack along their row or column are.
    std::vector<VXVec4> attacking;
    for (int other : rules.enemies) {
        const KTGameObject* o = livingObject(other);
        if (o != nullptr) {
            all.push_back(cellOf(physicsPosition(o)));
            if (other != id) {
                others.push_back(all.back());
            }
            const QMIntelligence* ai = dynamic_cast<const QMIntelligence*>(o);
            if (ai != nullptr && ai->state >= QMState::Attack1 && ai->state <= QMState::Attack3) {
                attacking.push_back(physicsPosition(o));
            }
        }
    }
    const auto inLineOfAttack = [&](Cell c) {
        for (const VXVec4& a : attacking) {
            if (std::fabs(centreOf(c.first) - a.x()) < AttackBand || std::fabs(centreOf(c.second) - a.z()) < AttackBand) {
                return true;
            }
        }
        return false;
    };
    // The way keeps out of the enemies' reach and off the lines they are
    // about to shoot along; the places to shoot from also keep from the
    // others.
    const auto passable = [&](Cell c) {
        for (const Cell& o : all) {
            if (chebyshev(c, o) < rules.nearCells - 1) {
                return false;
            }
        }
        return !inLineOfAttack(c);
    };
    const auto standable = [&](Cell c) {
        if (inLineOfAttack(c)) {
            return false;
        }
        if (c.first < rules.zone[0] || c.second < rules.zone[1] || c.first > rules.zone[2]
            || c.second > rules.zone[3] || (c != here && !map.free(c.first, c.second))) {
            return false;
        }
        for (const Cell& o : others) {
            if (chebyshev(c, o) < rules.nearCells) {
                return false;
            }
        }
        return true;
    };
    const auto good = [&](Cell c) {
        const int dx = there.first - c.first;
        const int dy = there.second - c.second;
        const int d = chebyshev(c, there);
        if (d < rules.nearCells || d > rules.farCells
            || (rules.safeCells > 0 && (dx == 0 || dy == 0) && d <= rules.safeCells)) {
            return false;
        }
        return standable(c) && map.clearLine(c, there);
    };
    // A red or blue block beside the enemy that a red missile from `c` can
    // reach, with `c` clear of every blast of the wall it belongs to.
    const auto wallFrom = [&](Cell c) {
        if (!standable(c) || chebyshev(c, there) < rules.nearCells) {
            return Cell(-1, -1);
        }
        for (int x = c.first - 1; x <= c.first + 1; ++x) {
            for (int y = c.second - 1; y <= c.second + 1; ++y) {
                if (map.breakable(x, y)) {
                    return Cell(-1, -1);
                }
            }
        }
        for (int x = there.first - 1; x <= there.first + 1; ++x) {
            for (int y = there.second - 1; y <= there.second + 1; ++y) {
                const Cell b(x, y);
                const int d = chebyshev(c, b);
                if (map.breakable(x, y) && d >= rules.nearCells && d <= rules.farCells && map.clearLine(c, b)) {
                    return b;
                }
            }
        }
        return Cell(-1, -1);
    };
    const bool canBreak = rules.weaponKey == KTKey::Z && pilot.player().redAmmo > 0;
    const auto breakingPlace = [&](Cell c) { return wallFrom(c).first >= 0; };

    const bool steady = std::fabs(p.x() - centreOf(here.first)) < Steady
        && std::fabs(p.z() - centreOf(here.second)) < Steady && horizontalSpeed(v) < SteadySpeed;
    const VXVec4 offset = physicsPosition(target) - p;
    int wx = 0;
    int wz = 0;
    float off = 0.0f;
    float along = 0.0f;
    nearestLine(offset, wx, wz, off, along);
    const bool level = std::fabs(offset.y() + MissileDrop) < target->body.boxMax.y() + MissileHalf - 2.0f;
    const bool inLine = off < AimTolerance && level && along > MissileLead;
    const bool closeShot = inLine && along >= CloseShot && map.clearLine(here, there);
    bool played = true;
    if ((good(here) && steady) || closeShot) {
        if (inLine) {
            if (aimAndFire(offset, rules.weaponKey, played)) {
                return played;
            }
        } else {
            pilot.hold({});
        }
        return pilot.tick();
    }
    if (breaking && canBreak && steady && breakingPlace(here)) {
        const Cell wall = wallFrom(here);
        const VXVec4 toWall(centreOf(wall.first) - p.x(), 0.0f, centreOf(wall.second) - p.z(), 1.0f);
        if (aimAndFire(toWall, KTKey::C, played)) {
            return played;
        }
        return pilot.tick();
    }
    const bool threatened = inLineOfAttack(here);
    if (path.empty() || next >= path.size() || there != plannedFor || frame - plannedAt > ReplanFrames
        || (threatened && !wasThreatened)) {
        path = map.pathTo(here, good, passable);
        breaking = false;
        if (path.empty() && canBreak) {
            path = map.pathTo(here, breakingPlace, passable);
            breaking = !path.empty();
        }
        if (path.empty()) {
            // Nothing to do here: ammunition may open a way.
            const std::vector<Cell> pickups = pickupCells();
            path = map.pathTo(
                here, [&](Cell c) { return std::find(pickups.begin(), pickups.end(), c) != pickups.end(); }, passable);
        }
        if (path.empty() && threatened) {
            // Off the line first, wherever that leads.
            path = map.pathTo(here, [&](Cell c) { return !inLineOfAttack(c); });
        }
        next = 1;
        plannedFor = there;
        plannedAt = frame;
        if (rules.verbose) {
            std::printf("  frame %d: enemy %d in %d,%d;%s path", pilot.session.frameNumber(), id, there.first,
                        there.second, breaking ? " breaking its wall," : "");
            for (const Cell& c : path) {
                std::printf(" %d,%d", c.first, c.second);
            }
            std::printf("\n");
        }
    }
    wasThreatened = threatened;
    if (path.empty() || !steerAlong(pilot, path, next)) {
        // Nowhere to shoot from yet, or there and settling in.
        pilot.hold({});
    }
    return pilot.tick();
}

std::vector<replay::Cell> ReplayFight::pickupCells() const
{
    std::vector<Cell> cells;
    for (const auto& entry : ReplaySession::scene().world->objectMap) {
        if (entry.second->body.kind == KTPhysicsKind::Pickup) {
            cells.push_back(cellOf(physicsPosition(entry.second)));
        }
    }
    return cells;
}

bool ReplayFight::aimAndFire(const VXVec4& offset, int key, bool& played)
{
    int wx = 0;
    int wz = 0;
    float off = 0.0f;
    float along = 0.0f;
    nearestLine(offset, wx, wz, off, along);
    std::set<int> keys = arrowKeys(arrowsForWorld(wx, wz));
    // Shift turns the player without walking.
    keys.insert(KTKey::LeftShift);
    if (pilot.heldKeys() != keys) {
        pilot.hold(keys);
        return false;
    }
    KTLevelWorld& world = *ReplaySession::scene().world;
    const int firstNew = world.nextId;
    pilot.press(key);
    played = pilot.tick();
    for (int n = firstNew; n < world.nextId; ++n) {
        if (dynamic_cast<const KTBlockMissile*>(world.findObject(n)) != nullptr) {
            missile = n;
            missileAt = physicsPosition(world.findObject(n));
        }
    }
    path.clear();
    return true;
}
