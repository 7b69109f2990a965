#include "ReplayPlan.h"

#include <cmath>
#include <cstdio>
#include <sstream>

#include "ReplayFight.h"
#include "ReplayFloorMap.h"
#include "ReplaySteering.h"
#include "game/level/KTLevelScene.h"
#include "game/level/KTLevelWorld.h"
#include "game/objects/KTGameObject.h"
#include "game/objects/KTMainCharacter.h"
#include "game/objects/KTPhysicsKind.h"
#include "game/ui/KTKeySymbols.h"

using namespace replay;

namespace {

const int WalkFrameLimit = 900;
const int SettleFrameLimit = 300;
const int RiseFrameLimit = 600;
const int ShootFrameLimit = 3000;
const float StillSpeed = 0.05f;
// Below this the player counts as down on the floor.
const float FloorHeight = 18.0f;
// A red missile burns a block from this many cells, and the fire takes
// some frames to spread.
const int BurnNear = 2;
const int BurnFar = 8;
const int BurnFrames = 40;

int number(const std::vector<std::string>& w, size_t i, int fallback)
{
    return i < w.size() ? std::stoi(w[i]) : fallback;
}

Cell cellArgument(const std::vector<std::string>& w)
{
    return Cell(std::stoi(w[1]), std::stoi(w[2]));
}

class Runner {
public:
    Runner(ReplayPilot& pilot, std::string& error) : pilot(pilot), error(error) {}

    bool command(const std::vector<std::string>& w);

private:
    ReplayPilot& pilot;
    std::string& error;
    ReplayFightRules fightRules;

    bool fail(const std::string& message)
    {
        error = message;
        return false;
    }

    // After a frame that ended the play: true when the goal ended it.
    bool over(const char* doing)
    {
        return !pilot.session.playerDied() || fail(std::string("died while ") + doing);
    }

    bool run(int frames, const char* doing)
    {
        for (int i = 0; i < frames; ++i) {
            if (!pilot.tick()) {
                return over(doing);
            }
        }
        return true;
    }

    bool down() const { return pilot.player().grounded || pilot.position().y() < FloorHeight; }

    bool walkTo(Cell goal)
    {
        const float tx = centreOf(goal.first);
        const float tz = centreOf(goal.second);
        for (int i = 0; i < WalkFrameLimit; ++i) {
            const VXVec4 p = pilot.position();
            const VXVec4 v = pilot.velocity();
            const bool there = std::fabs(tx - p.x()) < Centred && std::fabs(tz - p.z()) < Centred;
            if (there && down() && horizontalSpeed(v) < 0.1f) {
                pilot.hold({});
                return true;
            }
            const int wx = pushToward(tx - p.x(), v.x(), 3.0f);
            const int wz = pushToward(tz - p.z(), v.z(), 3.0f);
            pilot.hold(arrowKeys(arrowsForWorld(wx, wz)));
            if (!pilot.tick()) {
                return over("walking");
            }
        }
        pilot.printState();
        dump(2);
        return fail("the walk did not arrive");
    }

    bool walkAround(Cell goal)
    {
        KTLevelWorld& world = *ReplaySession::scene().world;
        std::vector<Cell> path;
        size_t next = 0;
        for (int i = 0; i < WalkFrameLimit; ++i) {
            if (i % ReplanFrames == 0 || path.empty()) {
                path = ReplayFloorMap::of(world, 0, -1).pathTo(cellOf(pilot.position()),
                                                               [&](Cell c) { return c == goal; });
                next = 1;
            }
            if (path.empty()) {
                // Wait for the way to open (a corpse to fall, a wall to burn).
                pilot.hold({});
            } else if (!steerAlong(pilot, path, next)) {
                return true;
            }
            if (!pilot.tick()) {
                return over("walking");
            }
        }
        std::printf("%s", ReplayFloorMap::of(world, 0, -1).text().c_str());
        return fail("the walk did not arrive");
    }

    // Walks to the nearest ammunition pickup until it is taken; waits for
    // one to appear (an enemy drops its own as its corpse settles).
    bool collect()
    {
        KTLevelWorld& world = *ReplaySession::scene().world;
        for (int i = 0; i < WalkFrameLimit; ++i) {
            int nearest = -1;
            float best = 0.0f;
            for (const auto& entry : world.objectMap) {
                if (entry.second->body.kind != KTPhysicsKind::Pickup) {
                    continue;
                }
                const VXVec4 d = physicsPosition(entry.second) - pilot.position();
                const float distance = d.x() * d.x() + d.z() * d.z();
                if (nearest < 0 || distance < best) {
                    nearest = entry.first;
                    best = distance;
                }
            }
            if (nearest < 0) {
                if (!pilot.tick()) {
                    return over("waiting for a pickup");
                }
                continue;
            }
            const Cell goal = cellOf(physicsPosition(world.findObject(nearest)));
            if (!walkAround(goal)) {
                return false;
            }
            if (world.findObject(nearest) == nullptr || pilot.over()) {
                return true;
            }
            i += ReplanFrames;
        }
        return fail("no pickup taken");
    }

    // Breaks the red or blue block in cell `block` with a red missile, from
    // the nearest place in line with it that is out of its wall's blasts.
    bool burn(Cell block)
    {
        KTLevelWorld& world = *ReplaySession::scene().world;
        std::vector<Cell> path;
        size_t next = 0;
        for (int i = 0; i < WalkFrameLimit; ++i) {
            const ReplayFloorMap map = ReplayFloorMap::of(world, 0, -1);
            if (!map.breakable(block.first, block.second)) {
                pilot.hold({});
                return run(BurnFrames, "waiting for the fire");
            }
            const auto place = [&](Cell c) {
                const int d = chebyshev(c, block);
                bool onLine = false;
                // A block of the same wall in the way burns as well.
                const Cell stop = map.lineStop(c, block, onLine);
                if (d < BurnNear || d > BurnFar || !onLine
                    || (stop.first >= 0 && (!map.breakable(stop.first, stop.second) || chebyshev(c, stop) < BurnNear))) {
                    return false;
                }
                for (int x = c.first - 1; x <= c.first + 1; ++x) {
                    for (int y = c.second - 1; y <= c.second + 1; ++y) {
                        if (map.breakable(x, y)) {
                            return false;
                        }
                    }
                }
                return true;
            };
            const Cell here = cellOf(pilot.position());
            if (place(here) && horizontalSpeed(pilot.velocity()) < 0.1f) {
                const Arrows a = arrowsForWorld(block.first > here.first ? 1 : (block.first < here.first ? -1 : 0),
                                                block.second > here.second ? 1 : (block.second < here.second ? -1 : 0));
                if (!face(a)) {
                    return false;
                }
                pilot.press(KTKey::C);
                if (!run(BurnFrames, "burning a block")) {
                    return !pilot.session.playerDied();
                }
                path.clear();
                continue;
            }
            if (i % ReplanFrames == 0 || path.empty()) {
                path = map.pathTo(here, place);
                next = 1;
            }
            if (path.empty() || !steerAlong(pilot, path, next)) {
                pilot.hold({});
            }
            if (!pilot.tick()) {
                return over("walking to burn a block");
            }
        }
        return fail("the block was not burnt");
    }

    bool settle()
    {
        pilot.hold({});
        for (int i = 0; i < SettleFrameLimit; ++i) {
            const VXVec4 v = pilot.velocity();
            if (down() && std::fabs(v.x()) < StillSpeed && std::fabs(v.z()) < StillSpeed) {
                return true;
            }
            if (!pilot.tick()) {
                return over("settling");
            }
        }
        return fail("the player never settled");
    }

    bool rise(float height, int limit)
    {
        pilot.hold({});
        for (int i = 0; i < limit; ++i) {
            if (pilot.position().y() >= height) {
                return true;
            }
            if (!pilot.tick()) {
                return over("waiting to rise");
            }
        }
        return fail("the player never rose");
    }

    bool face(const Arrows& a)
    {
        std::set<int> keys = arrowKeys(arrowsForWorld(a.dx, a.dy));
        keys.insert(KTKey::LeftShift);
        pilot.hold(keys);
        if (!run(2, "turning")) {
            return !pilot.session.playerDied();
        }
        pilot.hold({});
        return run(1, "turning");
    }

    // Stands where it is and fires at enemy `id` whenever it comes onto one
    // of the eight lines through the player, each missile given the time to
    // get there.
    bool shoot(int id, int key, int limit)
    {
        int nextShot = 0;
        for (int i = 0; i < limit; ++i) {
            const KTGameObject* target = livingObject(id);
            if (target == nullptr) {
                pilot.hold({});
                return true;
            }
            int wx = 0;
            int wz = 0;
            float off = 0.0f;
            float along = 0.0f;
            nearestLine(physicsPosition(target) - pilot.position(), wx, wz, off, along);
            if (off < AimTolerance && along > MissileLead) {
                std::set<int> keys = arrowKeys(arrowsForWorld(wx, wz));
                keys.insert(KTKey::LeftShift);
                const bool facing = pilot.heldKeys() == keys;
                pilot.hold(keys);
                if (facing && i >= nextShot) {
                    pilot.press(key);
                    nextShot = i + 2 + static_cast<int>((along - MissileLead) / MissileSpeed);
                }
            } else {
                pilot.hold({});
            }
            if (!pilot.tick()) {
                return over("shooting");
            }
        }
        return fail("the enemy lives on");
    }

    // The objects within `cells` cells of the player, for writing plans.
    void dump(int cells)
    {
        const VXVec4 p = pilot.position();
        for (const auto& entry : ReplaySession::scene().world->objectMap) {
            const VXVec4 q = physicsPosition(entry.second);
            if (std::fabs(q.x() - p.x()) > cells * KT_CELL_SIZE || std::fabs(q.z() - p.z()) > cells * KT_CELL_SIZE) {
                continue;
            }
            std::printf("  id %4d kind %4d  cell %5.2f %5.2f %5.2f\n", entry.first, entry.second->body.kind,
                        q.x() / KT_CELL_SIZE, q.z() / KT_CELL_SIZE, q.y() / KT_CELL_SIZE);
        }
    }
};

bool Runner::command(const std::vector<std::string>& w)
{
    const std::string& c = w[0];
    if (c == "trace") {
        pilot.traceEvery = number(w, 1, 10);
        return true;
    }
    if (c == "track") {
        for (size_t i = 1; i < w.size(); ++i) {
            pilot.tracked.push_back(std::stoi(w[i]));
        }
        return true;
    }
    if (c == "reach" && w.size() >= 2) {
        fightRules.reachCells = std::stoi(w[1]);
        return true;
    }
    if (c == "ring" && w.size() >= 3) {
        fightRules.ringLow = std::stoi(w[1]);
        fightRules.ringHigh = std::stoi(w[2]);
        return true;
    }
    if (c == "verbose") {
        fightRules.verbose = true;
        return true;
    }
    if (c == "shot" && w.size() >= 2) {
        return pilot.shot(w[1]) || fail("cannot write the picture " + w[1]);
    }
    if (c == "dump") {
        dump(number(w, 1, 2));
        return true;
    }
    if (c == "walk" && w.size() >= 3) {
        return walkTo(cellArgument(w));
    }
    if (c == "climb" && w.size() >= 3) {
        pilot.press(KTKey::Space);
        return walkTo(cellArgument(w));
    }
    if (c == "burn" && w.size() >= 3) {
        return burn(cellArgument(w));
    }
    if (c == "collect") {
        return collect();
    }
    if (c == "goto" && w.size() >= 3) {
        return walkAround(cellArgument(w));
    }
    if ((c == "go" || c == "leap") && w.size() >= 3) {
        Arrows a;
        if (!parseDirection(w[1], a)) {
            return fail("no direction " + w[1]);
        }
        pilot.hold(arrowKeys(arrowsForWorld(a.dx, a.dy)));
        if (c == "leap") {
            pilot.press(KTKey::Space);
        }
        const bool going = run(std::stoi(w[2]), "walking");
        pilot.hold({});
        return going;
    }
    if (c == "face" && w.size() >= 2) {
        Arrows a;
        return parseDirection(w[1], a) ? face(a) : fail("no direction " + w[1]);
    }
    if (c == "fire" && w.size() >= 2) {
        const int key = keyOfWeapon(w[1]);
        if (key < 0) {
            return fail("no weapon " + w[1]);
        }
        const int count = number(w, 2, 1);
        for (int i = 0; i < count; ++i) {
            pilot.press(key);
            if (!run(number(w, 3, 10), "firing")) {
                return !pilot.session.playerDied();
            }
        }
        return true;
    }
    if (c == "jump") {
        pilot.press(KTKey::Space);
        return run(1, "jumping");
    }
    if (c == "wait") {
        pilot.hold({});
        return run(number(w, 1, 1), "waiting");
    }
    if (c == "settle") {
        return settle();
    }
    if (c == "rise" && w.size() >= 2) {
        return rise(std::stoi(w[1]) * KT_CELL_SIZE, number(w, 2, RiseFrameLimit));
    }
    if (c == "camera" && w.size() >= 2) {
        pilot.press(w[1] == "left" ? KTKey::A : KTKey::D);
        return run(1, "turning the camera");
    }
    if (c == "zoom" && w.size() >= 3) {
        pilot.hold({w[1] == "in" ? KTKey::W : KTKey::S});
        const bool going = run(std::stoi(w[2]), "zooming");
        pilot.hold({});
        return going;
    }
    if (c == "shoot" && w.size() >= 3) {
        const int key = keyOfWeapon(w[2]);
        return key < 0 ? fail("no weapon " + w[2]) : shoot(std::stoi(w[1]), key, number(w, 3, ShootFrameLimit));
    }
    if (c == "zone" && w.size() >= 5) {
        for (int k = 0; k < 4; ++k) {
            fightRules.zone[k] = std::stoi(w[k + 1]);
        }
        return true;
    }
    if (c == "fight" && w.size() >= 5) {
        ReplayFightRules rules = fightRules;
        rules.weaponKey = keyOfWeapon(w[2]);
        if (rules.weaponKey < 0) {
            return fail("no weapon " + w[2]);
        }
        rules.enemies.clear();
        std::istringstream list(w[1]);
        std::string one;
        while (std::getline(list, one, ',')) {
            rules.enemies.push_back(std::stoi(one));
        }
        rules.nearCells = std::stoi(w[3]);
        rules.farCells = std::stoi(w[4]);
        rules.safeCells = number(w, 5, 0);
        rules.frameLimit = number(w, 6, rules.frameLimit);
        return ReplayFight(pilot, rules).run(error);
    }
    return fail("unknown command " + c);
}

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
        try {
            if (w[0] == "level" && w.size() == 2) {
                plan.level = std::stoi(w[1]);
            } else if (w[0] == "seed" && w.size() == 2) {
                plan.seed = static_cast<unsigned int>(std::stoul(w[1]));
            } else {
                plan.commands.push_back(Command{number, w});
            }
        } catch (const std::exception&) {
            error = "line " + std::to_string(number) + ": not a number";
            return plan;
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
            error = "not a number";
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
