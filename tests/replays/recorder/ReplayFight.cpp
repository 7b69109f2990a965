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
#include "game/objects/RWColossus.h"
#include "game/ui/KTKeySymbols.h"

using namespace replay;

namespace {

// Nearer than the fight's distance, an enemy in the line of fire is still
// shot from this far rather than walked away from.
const float CloseShot = 40.0f;
// Shooting wants the player this near its cell's centre and this slow.
const float Steady = 3.0f;
const float SteadySpeed = 0.5f;
// A fight also plans afresh whenever the enemy changes cell; round the
// ring more often.
const int OrbitReplanFrames = 10;
// A missile flies 5 below the player's centre and is 12 high.
const float MissileDrop = 5.0f;
const float MissileHalf = 6.0f;
const float AimMargin = 8.0f;
// An attack along a row or column reaches a player whose centre is this
// near the attacker's line: half a missile, half the player and a margin.
const float AttackBand = 23.0f;
// An enemy lines up for an attack with a player within 15 units of its row
// or column.
const float SafeBand = 20.0f;
// A laser point hurts within 75 units and blasts the cells around it.
const float LaserReach = 95.0f;
// The boss's swing strikes four cells round it, its crush three.
const int BossLaser = 1;
const int BlowCells = 5;
// Nearer than CloseShot only small enemies are worth a shot.
const float SmallEnemy = 20.0f;
// A cornered player runs past an enemy this many cells off its centre.
const int EscapeCells = 3;
const int PickupMargin = 3;
// A red missile burns blocks at least this many cells away.
const int BurnDistance = 3;
// On the ring each cell nearer the enemy costs this many steps, and a
// place to shoot from is worth this many.
const int FarWeight = 3;
const int ShotWorth = 12;
// With fewer missiles than this the player fetches ammunition first.
const int LowAmmo = 3;

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
                    missileAt.x() / KT_CELL_SIZE, missileAt.z() / KT_CELL_SIZE, missileAt.y() / KT_CELL_SIZE);
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
    // The points a running laser has still to reach, and the cells a swing
    // or crush on its way will strike.
    std::vector<VXVec4> laserPoints;
    std::vector<Cell> blows;
    for (const auto& entry : world.objectMap) {
        const RWColossus* boss = dynamic_cast<const RWColossus*>(entry.second);
        if (boss == nullptr) {
            continue;
        }
        if (boss->attackTimer > 0 && boss->attackKind != BossLaser) {
            blows.push_back(cellOf(physicsPosition(boss)));
        }
        VXVec4 point = boss->laserPoint;
        for (int k = boss->laserSteps; k <= RWColossus::LaserStepCount; ++k) {
            laserPoints.push_back(point);
            point += boss->laserStep;
        }
    }
    const auto inLineOfAttack = [&](Cell c) {
        for (const VXVec4& a : attacking) {
            if (std::fabs(centreOf(c.first) - a.x()) < AttackBand || std::fabs(centreOf(c.second) - a.z()) < AttackBand) {
                return true;
            }
        }
        for (const Cell& b : blows) {
            if (chebyshev(c, b) <= BlowCells) {
                return true;
            }
        }
        for (const VXVec4& l : laserPoints) {
            const float dx = centreOf(c.first) - l.x();
            const float dz = centreOf(c.second) - l.z();
            if (dx * dx + dz * dz < LaserReach * LaserReach) {
                return true;
            }
        }
        return false;
    };
    // The way keeps out of the enemies' reach and off the lines they are
    // about to shoot along; the places to shoot from also keep from the
    // others.
    // Already nearer than that, the way may still lead off sideways.
    const int reach = rules.reachCells > 0 ? rules.reachCells : rules.nearCells - 1;
    const auto passable = [&](Cell c) {
        for (const Cell& o : all) {
            if (chebyshev(c, o) < std::min(reach, chebyshev(here, o))) {
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
    // The cells the enemy's box covers: a line to any of them hits it.
    const VXVec4 t = physicsPosition(target);
    const Cell low = cellOf(t + target->body.boxMin + VXVec4(1.0f, 0.0f, 1.0f, 0.0f));
    const Cell high = cellOf(t + target->body.boxMax - VXVec4(1.0f, 0.0f, 1.0f, 0.0f));
    const bool canBreak = rules.weaponKey == KTKey::Z && pilot.player().redAmmo > 0;
    // No red or blue block beside `c`: a blast there would reach the player.
    const auto clearOfBlasts = [&](Cell c) {
        for (int x = c.first - 1; x <= c.first + 1; ++x) {
            for (int y = c.second - 1; y <= c.second + 1; ++y) {
                if (map.breakable(x, y)) {
                    return false;
                }
            }
        }
        return true;
    };
    // Where the line from `c` along (sx, sy) first enters the enemy's box;
    // (-1, -1) when it misses it.
    const auto entry = [&](Cell c, int sx, int sy) {
        for (int k = 1; k < ReplayFloorMap::Side; ++k) {
            const Cell e(c.first + sx * k, c.second + sy * k);
            if (e.first >= low.first && e.first <= high.first && e.second >= low.second && e.second <= high.second) {
                return e;
            }
        }
        return Cell(-1, -1);
    };
    // Along a line to the enemy from `c`, the red or blue block in the way
    // that a red missile burns off, from outside its blast; (-1, -1) when
    // there is none, or something else stops the missile first.
    const auto burnable = [&](Cell c, int sx, int sy) {
        const Cell e = entry(c, sx, sy);
        bool onLine = false;
        const Cell stop = e.first >= 0 ? map.lineStop(c, e, onLine) : Cell(-1, -1);
        if (stop.first < 0 || !map.breakable(stop.first, stop.second) || chebyshev(c, stop) < BurnDistance
            || !clearOfBlasts(c)) {
            return Cell(-1, -1);
        }
        return stop;
    };
    const auto good = [&](Cell c) {
        const int d = chebyshev(c, there);
        if (d < rules.nearCells || d > rules.farCells || !standable(c) || (rules.ringLow >= 0 && !onRing(c))) {
            return false;
        }
        // Enemies attack along the lines through their centre.
        const bool onItsLine = std::fabs(centreOf(c.first) - t.x()) < SafeBand
            || std::fabs(centreOf(c.second) - t.z()) < SafeBand;
        if (rules.safeCells > 0 && onItsLine && d <= rules.safeCells) {
            return false;
        }
        for (int x = low.first; x <= high.first; ++x) {
            for (int y = low.second; y <= high.second; ++y) {
                if (map.clearLine(c, Cell(x, y))) {
                    return true;
                }
            }
        }
        if (canBreak) {
            for (int sx = -1; sx <= 1; ++sx) {
                for (int sy = -1; sy <= 1; ++sy) {
                    if ((sx != 0 || sy != 0) && burnable(c, sx, sy).first >= 0) {
                        return true;
                    }
                }
            }
        }
        return false;
    };
    // A red or blue block beside the enemy that a red missile from `c` can
    // reach, with `c` clear of every blast of the wall it belongs to.
    const auto wallFrom = [&](Cell c) {
        if (!standable(c) || chebyshev(c, there) < rules.nearCells || !clearOfBlasts(c)) {
            return Cell(-1, -1);
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
    const auto breakingPlace = [&](Cell c) { return wallFrom(c).first >= 0; };

    const bool steady = std::fabs(p.x() - centreOf(here.first)) < Steady
        && std::fabs(p.z() - centreOf(here.second)) < Steady && horizontalSpeed(v) < SteadySpeed;
    const VXVec4 offset = t - p;
    int wx = 0;
    int wz = 0;
    float off = 0.0f;
    float along = 0.0f;
    nearestLine(offset, wx, wz, off, along);
    const bool level = std::fabs(offset.y() + MissileDrop) < target->body.boxMax.y() + MissileHalf - 2.0f;
    // How far off the line the enemy's box still meets the missile: its
    // half width across the line, with a margin for its moving.
    const float across = (wx != 0 && wz != 0) ? 0.70710678f * (target->body.boxMax.x() + target->body.boxMax.z())
                                               : (wx != 0 ? target->body.boxMax.z() : target->body.boxMax.x());
    const float tolerance = std::max(AimTolerance, across + MissileHalf - AimMargin);
    const bool inLine = off < tolerance && level && along > MissileLead;
    const bool closeShot = inLine && along >= CloseShot && target->body.boxMax.x() < SmallEnemy
        && map.clearLine(here, there);
    bool played = true;
    if ((good(here) && steady) || closeShot) {
        const Cell burn = canBreak ? burnable(here, wx, wz) : Cell(-1, -1);
        if (inLine && burn.first >= 0) {
            // Burn off the block in the line first.
            if (aimAndFire(wx, wz, KTKey::C, played)) {
                return played;
            }
        } else if (inLine) {
            if (aimAndFire(wx, wz, rules.weaponKey, played)) {
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
    // Too near: back off at once, before it corners the player.
    const bool crowded = chebyshev(here, there) <= rules.nearCells;
    const int replanEvery = rules.ringLow >= 0 ? OrbitReplanFrames : ReplanFrames;
    if (path.empty() || next >= path.size() || there != plannedFor || frame - plannedAt > replanEvery
        || (threatened && !wasThreatened) || (crowded && !wasCrowded)) {
        const std::vector<Cell> pickups = pickupCells();
        // Ammunition is fetched only well away from the enemies: it may lie
        // in a corner.
        const auto atPickup = [&](Cell c) {
            for (const Cell& o : all) {
                if (chebyshev(c, o) < rules.nearCells + PickupMargin) {
                    return false;
                }
            }
            return std::find(pickups.begin(), pickups.end(), c) != pickups.end();
        };
        path.clear();
        breaking = false;
        if (weaponAmmo() < LowAmmo) {
            path = map.pathTo(here, atPickup, passable);
        }
        if (path.empty() && rules.ringLow >= 0) {
            path = orbit(map, here, there, good, passable, standable);
        }
        if (path.empty()) {
            path = map.pathTo(here, good, passable);
        }
        if (path.empty() && canBreak) {
            path = map.pathTo(here, breakingPlace, passable);
            breaking = !path.empty();
        }
        if (path.empty()) {
            // No shot from anywhere now: wait at the distance it is shot
            // from, off its lines, for one to open.
            const auto waiting = [&](Cell c) {
                const int d = chebyshev(c, there);
                const bool onItsLine = std::fabs(centreOf(c.first) - t.x()) < SafeBand
                    || std::fabs(centreOf(c.second) - t.z()) < SafeBand;
                return d >= rules.nearCells && d <= rules.farCells && standable(c)
                    && !(rules.safeCells > 0 && onItsLine && d <= rules.safeCells);
            };
            path = map.pathTo(here, waiting, passable);
        }
        if (path.empty()) {
            // Nothing to do here: ammunition may open a way.
            path = map.pathTo(here, atPickup, passable);
        }
        if (path.empty() && chebyshev(here, there) < rules.nearCells) {
            // Cornered: out past it, keeping clear of its box.
            const auto outside = [&](Cell c) {
                for (const Cell& o : all) {
                    if (chebyshev(c, o) < EscapeCells) {
                        return false;
                    }
                }
                return !inLineOfAttack(c);
            };
            path = map.pathTo(
                here, [&](Cell c) { return chebyshev(c, there) >= rules.nearCells && standable(c); }, outside);
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
    wasCrowded = crowded;
    if (path.empty() || !steerAlong(pilot, path, next)) {
        // Nowhere to shoot from yet, or there and settling in.
        pilot.hold({});
    }
    return pilot.tick();
}

int ReplayFight::weaponAmmo() const
{
    const KTMainCharacter& player = pilot.player();
    switch (rules.weaponKey) {
    case KTKey::C:
        return player.redAmmo;
    case KTKey::X:
        return player.destroyAmmo;
    default:
        return player.greyAmmo;
    }
}

bool ReplayFight::onRing(Cell c) const
{
    const int edge = std::min(std::min(c.first, c.second),
                              std::min(ReplayFloorMap::Side - 1 - c.first, ReplayFloorMap::Side - 1 - c.second));
    return edge >= rules.ringLow && edge <= rules.ringHigh;
}

std::vector<replay::Cell> ReplayFight::orbit(const ReplayFloorMap& map, Cell here, Cell enemy,
                                             const std::function<bool(Cell)>& good,
                                             const std::function<bool(Cell)>& passable,
                                             const std::function<bool(Cell)>& standable) const
{
    // Round the ring, as far from the enemy as the way allows, stopping
    // where a shot is to be had if that is not much nearer it.
    const auto reachable = [&](Cell c) { return onRing(c) && passable(c); };
    const auto place = [&](Cell c) { return onRing(c) && chebyshev(c, enemy) >= rules.nearCells && standable(c); };
    const auto cost = [&](Cell c) {
        return FarWeight * (ReplayFloorMap::Side - chebyshev(c, enemy)) - (good(c) ? ShotWorth : 0);
    };
    std::vector<Cell> way = map.cheapestPathTo(here, place, reachable, cost);
    if (way.empty() && !onRing(here)) {
        // Onto the ring first.
        way = map.pathTo(here, place, passable);
    }
    return way;
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
    return aimAndFire(wx, wz, key, played);
}

bool ReplayFight::aimAndFire(int wx, int wz, int key, bool& played)
{
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
