// Time of one level world update while 20 AI enemies, four of each type,
// hunt the player through a maze of 400 blocks: median and 95th percentile
// over the measured frames. The run is deterministic (seeded random numbers,
// a scripted player), and a checksum of every object's final position shows
// that a change to the update leaves the game unchanged. No window is
// opened: the creepers' model is read without a GL context and draws nothing.
//
// Then a crowd: 100 leaping enemies and shooters among 200 blocks, and the
// same crowd with 1800 more blocks stacked behind a wall where the enemies
// can neither walk nor look; each level also runs without its enemies, so
// that the difference is what the enemies themselves cost. Both crowds must
// end exactly alike (their checksums are printed).
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine/math/VXVec4.h"
#include "game/effects/KTParticleManager.h"
#include "game/level/KTGridCell.h"
#include "game/level/KTLevelWorld.h"
#include "game/level/KTPhysicsObject.h"
#include "game/level/KTPhysicsWorld.h"
#include "game/level/KTWorldBox.h"
#include "game/objects/KTBlock.h"
#include "game/objects/KTBlockType.h"
#include "game/objects/KTMainCharacter.h"
#include "game/objects/QMZealot.h"
#include "game/objects/RWAnubis.h"
#include "game/objects/RWColossus.h"
#include "game/objects/RWCreeper.h"
#include "game/objects/RWReaper.h"
#include "platform/HostRandom.h"

namespace {

const int WarmUpFrames = 100;
const int MeasuredFrames = 3000;
// The crowd levels: every level runs this many times, from the same seed, and
// the figures are taken over all its measured frames.
const int CrowdRounds = 3;
const int CrowdFrames = 1000;
const int CrowdEnemies = 100;
// Enemies roam the cells with z below the wall; the extra blocks stand in
// the rows from TowerRow on, TowerLayers high.
const int WallRow = 13;
const int TowerRow = 15;
const int TowerLayers = 18;
const int EnemiesPerType = 4;
const int BlockCount = 400;

struct Frames {
    std::vector<double> microseconds;
    int blocksAtEnd = 0;
    int enemiesAtStart = 0;
    int livingEnemiesAtEnd = 0;
    std::uint64_t checksum = 0;
};

VXVec4 centre(int cx, int cy, int cz)
{
    const float half = KT_CELL_SIZE / 2;
    return VXVec4(cx * KT_CELL_SIZE + half, cy * KT_CELL_SIZE + half, cz * KT_CELL_SIZE + half, 1.0f);
}

// Ground-floor walls across x = 3, 7, 11, 15 with a three-cell gap at
// alternate ends, pillars between them, and the same walls stacked up to
// make 400 blocks in all. Only the ground floor stands in the enemies' way;
// every block is in the object map that their searches walk.
std::vector<VXVec4> mazeBlocks()
{
    std::vector<VXVec4> ground;
    const int walls[] = {3, 7, 11, 15};
    for (int w = 0; w < 4; ++w) {
        for (int z = 0; z < KT_LEVEL_CELLS_Z; ++z) {
            const bool gap = (w % 2 == 0) ? z >= 17 : z <= 2;
            if (!gap) {
                ground.push_back(centre(walls[w], 0, z));
            }
        }
    }
    const int pillarColumns[] = {1, 5, 9, 13, 17};
    const int pillarRows[] = {4, 9, 14};
    for (int x : pillarColumns) {
        for (int z : pillarRows) {
            ground.push_back(centre(x, 0, z));
        }
    }
    std::vector<VXVec4> all;
    for (int layer = 0; static_cast<int>(all.size()) < BlockCount; ++layer) {
        for (const VXVec4& p : ground) {
            if (static_cast<int>(all.size()) == BlockCount) {
                break;
            }
            all.push_back(VXVec4(p.x(), p.y() + layer * KT_CELL_SIZE, p.z(), 1.0f));
        }
    }
    return all;
}

template <typename Enemy>
void addEnemy(KTLevelWorld& world, KTPhysicsWorld& physics, KTMainCharacter& player, const VXVec4& p)
{
    Enemy* enemy = new Enemy();
    enemy->position = p;
    world.addObject(enemy, [&] {
        enemy->spawn(&physics, &world, &player, 1, 0, 0, KT_LEVEL_CELLS_X - 1, KT_LEVEL_CELLS_Z - 1);
    });
    // Every enemy has heard the player: it roams the whole level until it
    // sees it, instead of idling behind a wall.
    enemy->state = QMState::Alerted;
}

// The player runs from waypoint to waypoint, as the keyboard would push it.
struct Route {
    const VXVec4* waypoints;
    int count;
    int next = 0;
    int stalled = 0;

    void steer(KTMainCharacter& player)
    {
        VXVec4 d = waypoints[next] - player.physicsObject->position;
        d.y() = 0.0f;
        const float length = std::sqrt(d.lengthSquared());
        // Built blocks can close a corridor: a player held up goes on to the
        // next waypoint.
        stalled = length < 10.0f ? 0 : stalled + 1;
        if (length < 10.0f || stalled > 300) {
            next = (next + 1) % count;
            stalled = 0;
            return;
        }
        d *= 0.3f / length;
        player.applyImpulse(d);
    }
};

// Steers the player along `route` and times `frames` world updates after the
// warm-up, appending them to `microseconds`.
void timeUpdates(KTLevelWorld& world, KTMainCharacter& player, Route route, int frames,
                 std::vector<double>& microseconds)
{
    for (int frame = 0; frame < WarmUpFrames + frames; ++frame) {
        route.steer(player);
        auto start = std::chrono::steady_clock::now();
        world.update();
        auto end = std::chrono::steady_clock::now();
        if (frame >= WarmUpFrames) {
            microseconds.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        }
    }
}

std::uint64_t mix(std::uint64_t hash, float value)
{
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return (hash ^ bits) * 1099511628211ull;
}

// A 600-unit level with the player standing at `start`.
struct Level {
    KTPhysicsWorld physics;
    KTLevelWorld world;
    KTMainCharacter player;

    explicit Level(const VXVec4& start) : world(nullptr)
    {
        createParticleManager();
        KTWorldBox box;
        box.lower = VXVec4(0.0f, 0.0f, 0.0f, 1.0f);
        box.upper = VXVec4(600.0f, 600.0f, 600.0f, 1.0f);
        physics.init(box, VXVec4(0.0f, -0.3f, 0.0f, 1.0f));
        world.init(&physics, KT_LEVEL_CELLS_X, KT_LEVEL_CELLS_Y, KT_LEVEL_CELLS_Z, &player, "ai benchmark");
        player.position = start;
        world.addObject(&player);
    }

    void addBlocks(const std::vector<VXVec4>& positions)
    {
        for (const VXVec4& p : positions) {
            KTBlock* block = new KTBlock();
            block->position = p;
            world.addObject(block, [&] { block->setUp(&physics, KTBlockType::Grey, &world); });
        }
    }
};

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    const size_t index = static_cast<size_t>(fraction * (values.size() - 1) + 0.5);
    return values[index];
}

Frames run()
{
    hostSrand(12345u);
    Level level(centre(0, 0, 1));
    KTLevelWorld& world = level.world;
    KTPhysicsWorld& physics = level.physics;
    KTMainCharacter& player = level.player;
    level.addBlocks(mazeBlocks());
    // In the corridors between the walls, away from the player; the bosses,
    // three cells wide, in the open part beyond the last wall.
    const int corridors[] = {2, 6, 10, 14};
    for (int i = 0; i < EnemiesPerType; ++i) {
        const int x = corridors[i];
        addEnemy<QMZealot>(world, physics, player, centre(x, 0, 2));
        addEnemy<RWAnubis>(world, physics, player, centre(x, 0, 7));
        addEnemy<RWReaper>(world, physics, player, centre(x, 2, 11));
        addEnemy<RWCreeper>(world, physics, player, centre(x, 0, 16));
        addEnemy<RWColossus>(world, physics, player,
                             VXVec4(17 * KT_CELL_SIZE + KT_CELL_SIZE / 2, 45.0f, (2 + i * 5) * KT_CELL_SIZE, 1.0f));
    }

    Frames frames;
    for (const auto& entry : world.objectMap) {
        frames.enemiesAtStart += dynamic_cast<QMIntelligence*>(entry.second) != nullptr ? 1 : 0;
    }
    frames.microseconds.reserve(MeasuredFrames);
    // The corridors between the walls.
    static const VXVec4 route[] = {centre(0, 0, 1), centre(0, 0, 18), centre(4, 0, 18), centre(4, 0, 1),
                                   centre(8, 0, 1), centre(8, 0, 18), centre(8, 0, 1),  centre(4, 0, 1),
                                   centre(4, 0, 18), centre(0, 0, 18)};
    timeUpdates(world, player, Route{route, sizeof route / sizeof route[0]}, MeasuredFrames, frames.microseconds);

    std::uint64_t hash = 1469598103934665603ull;
    for (const auto& entry : world.objectMap) {
        const KTGameObject* object = entry.second;
        hash = (hash ^ static_cast<std::uint64_t>(entry.first)) * 1099511628211ull;
        for (int k = 0; k < 3; ++k) {
            hash = mix(hash, object->position.elements[k]);
        }
        frames.blocksAtEnd += dynamic_cast<const KTBlock*>(object) != nullptr ? 1 : 0;
        const QMIntelligence* enemy = dynamic_cast<const QMIntelligence*>(object);
        frames.livingEnemiesAtEnd += enemy != nullptr && !enemy->dead ? 1 : 0;
    }
    frames.checksum = hash;
    return frames;
}

// The crowd's 200 blocks: a wall five blocks high across the level at z =
// WallRow, and twenty pillars five high in the enemies' part. With `tower`,
// 1800 more stand in the rows beyond the wall, out of every enemy's way.
std::vector<VXVec4> crowdBlocks(bool tower)
{
    std::vector<VXVec4> all;
    for (int layer = 0; layer < 5; ++layer) {
        for (int x = 0; x < KT_LEVEL_CELLS_X; ++x) {
            all.push_back(centre(x, layer, WallRow));
        }
        int pillars = 0;
        for (int z : {3, 7, 10}) {
            for (int x = 1; x < KT_LEVEL_CELLS_X && pillars < 20; x += 3, ++pillars) {
                all.push_back(centre(x, layer, z));
            }
        }
    }
    if (tower) {
        for (int layer = 0; layer < TowerLayers; ++layer) {
            for (int z = TowerRow; z < KT_LEVEL_CELLS_Z; ++z) {
                for (int x = 0; x < KT_LEVEL_CELLS_X; ++x) {
                    all.push_back(centre(x, layer, z));
                }
            }
        }
    }
    return all;
}

bool isPillar(int x, int z)
{
    return (z == 3 || z == 7 || z == 10) && x % 3 == 1;
}

struct CrowdResult {
    std::vector<double> microseconds;
    int enemies = 0;
    int blocks = 0;
    std::uint64_t checksum = 0;
};

// One round of a crowd level: with or without its enemies, with or without
// the tower; the frames are appended to `result`.
void runCrowd(bool withEnemies, bool tower, CrowdResult& result)
{
    hostSrand(54321u);
    Level level(centre(0, 0, 1));
    KTLevelWorld& world = level.world;
    const std::vector<VXVec4> blocks = crowdBlocks(false);
    level.addBlocks(blocks);
    result.blocks = static_cast<int>(blocks.size());
    int enemies = 0;
    // Every other free cell of the enemies' part, away from the player's
    // corner; leaping enemies and shooters in turn.
    for (int z = 1; z < WallRow && withEnemies; ++z) {
        for (int x = 0; x < KT_LEVEL_CELLS_X && enemies < CrowdEnemies; ++x) {
            if ((x + z) % 2 != 0 || isPillar(x, z) || (x < 4 && z < 4)) {
                continue;
            }
            const VXVec4 p(x * KT_CELL_SIZE + KT_CELL_SIZE / 2, KT_CELL_SIZE / 2, z * KT_CELL_SIZE, 1.0f);
            if (enemies % 2 == 0) {
                addEnemy<QMZealot>(world, level.physics, level.player, p);
            } else {
                addEnemy<RWAnubis>(world, level.physics, level.player, p);
            }
            QMIntelligence* enemy = dynamic_cast<QMIntelligence*>(world.objectMap.rbegin()->second);
            enemy->roamMaxZ = WallRow - 1;
            enemies += 1;
        }
    }
    result.enemies = enemies;
    if (tower) {
        const std::vector<VXVec4> all = crowdBlocks(true);
        level.addBlocks(std::vector<VXVec4>(all.begin() + static_cast<long>(blocks.size()), all.end()));
        result.blocks = static_cast<int>(all.size());
    }

    // A loop round the enemies' part of the level.
    static const VXVec4 route[] = {centre(0, 0, 1), centre(0, 0, 11), centre(18, 0, 11), centre(18, 0, 1)};
    timeUpdates(world, level.player, Route{route, sizeof route / sizeof route[0]}, CrowdFrames, result.microseconds);
    // The enemies and the player, so that the two crowds can be compared.
    std::uint64_t hash = 1469598103934665603ull;
    for (const auto& entry : world.objectMap) {
        const QMIntelligence* enemy = dynamic_cast<const QMIntelligence*>(entry.second);
        if (enemy == nullptr && entry.second != &level.player) {
            continue;
        }
        for (int k = 0; k < 3; ++k) {
            hash = mix(hash, entry.second->position.elements[k]);
        }
        hash = (hash ^ static_cast<std::uint64_t>(enemy != nullptr ? enemy->state : -1)) * 1099511628211ull;
    }
    result.checksum = hash;
}

} // namespace

int main()
{
    // The world writes its trace lines on every update: keep them, but out
    // of the report.
    const int reportFd = dup(STDOUT_FILENO);
    FILE* report = fdopen(reportFd, "w");
    if (report == nullptr || std::freopen("/dev/null", "w", stdout) == nullptr) {
        std::fprintf(stderr, "cannot set up the output\n");
        return 1;
    }
    Frames frames = run();
    std::fprintf(report,
                 "AI level: %d enemies (4 of each type) hunting the player through %d blocks\n"
                 "  KTLevelWorld::update over %d frames: median %.1f us, 95th percentile %.1f us, max %.1f us\n"
                 "  at the end: %d blocks, %d enemies alive; checksum %016llx\n",
                 frames.enemiesAtStart, BlockCount, MeasuredFrames, percentile(frames.microseconds, 0.5),
                 percentile(frames.microseconds, 0.95),
                 *std::max_element(frames.microseconds.begin(), frames.microseconds.end()), frames.blocksAtEnd,
                 frames.livingEnemiesAtEnd, static_cast<unsigned long long>(frames.checksum));
    // The row of the performance table (scripts/bench.sh).
    std::fprintf(report, "| world update, AI level (%d enemies, %d blocks) | %.1f us | %.1f us | |\n",
                 frames.enemiesAtStart, BlockCount, percentile(frames.microseconds, 0.5),
                 percentile(frames.microseconds, 0.95));

    // The crowd levels, in turn, each round from the same seed.
    CrowdResult crowd[2][2];
    for (int round = 0; round < CrowdRounds; ++round) {
        for (int tower = 0; tower < 2; ++tower) {
            for (int withEnemies = 1; withEnemies >= 0; --withEnemies) {
                runCrowd(withEnemies != 0, tower != 0, crowd[tower][withEnemies]);
            }
        }
    }
    double own[2];
    for (int tower = 0; tower < 2; ++tower) {
        const CrowdResult& busy = crowd[tower][1];
        const CrowdResult& empty = crowd[tower][0];
        own[tower] = percentile(busy.microseconds, 0.5) - percentile(empty.microseconds, 0.5);
        std::fprintf(report,
                     "Crowd: %d enemies among %d blocks, %d rounds of %d frames\n"
                     "  KTLevelWorld::update: median %.1f us, 95th percentile %.1f us; without the enemies "
                     "median %.1f us, 95th percentile %.1f us; the enemies' own cost %.1f us\n"
                     "  checksum of the enemies and the player %016llx\n",
                     busy.enemies, busy.blocks, CrowdRounds, CrowdFrames, percentile(busy.microseconds, 0.5),
                     percentile(busy.microseconds, 0.95), percentile(empty.microseconds, 0.5),
                     percentile(empty.microseconds, 0.95), own[tower],
                     static_cast<unsigned long long>(busy.checksum));
    }
    const bool same = crowd[0][1].checksum == crowd[1][1].checksum;
    std::fprintf(report, "  the extra blocks %s\n",
                 same ? "left the enemies exactly as they were" : "CHANGED WHAT THE ENEMIES DID");
    for (int tower = 0; tower < 2; ++tower) {
        const CrowdResult& busy = crowd[tower][1];
        const CrowdResult& empty = crowd[tower][0];
        char notes[160];
        if (tower == 0) {
            std::snprintf(notes, sizeof notes, "the enemies' own cost %.1f us", own[0]);
        } else {
            std::snprintf(notes, sizeof notes, "the enemies' own cost %.1f us, %.2f times that among %d blocks; goal 1.5",
                          own[1], own[1] / own[0], crowd[0][1].blocks);
        }
        std::fprintf(report, "| world update, %d AI enemies among %d blocks%s | %.1f us | %.1f us | %s |\n",
                     busy.enemies, busy.blocks, tower != 0 ? " (1800 out of their way)" : "",
                     percentile(busy.microseconds, 0.5), percentile(busy.microseconds, 0.95), notes);
        std::fprintf(report, "| world update, the same %d blocks without the enemies | %.1f us | %.1f us | |\n",
                     empty.blocks, percentile(empty.microseconds, 0.5), percentile(empty.microseconds, 0.95));
    }
    std::fclose(report);
    return 0;
}
