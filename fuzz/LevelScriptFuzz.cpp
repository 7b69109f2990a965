// A level script built into a real level world with its physics world, as the
// game loads a level (without a window: every model and sound is missing, so
// nothing is drawn or heard), then a few updates and the clear before the
// next level. What the script made must stay within what the world holds.
#include "FuzzFiles.h"

#include "game/effects/KTParticleManager.h"
#include "game/level/KTLevelFileReader.h"
#include "game/level/KTLevelWorld.h"
#include "game/level/KTPhysicsObject.h"
#include "game/level/KTPhysicsWorld.h"
#include "game/objects/KTGameObject.h"
#include "game/objects/KTMainCharacter.h"
#include "game/objects/QMIntelligence.h"
#include "game/start/KTAssets.h"
#include "platform/HostRandom.h"

#include <cstddef>
#include <set>

namespace {

const char* const ScriptPath = "level.txt";
const int Updates = 3;

void check(bool holds)
{
    if (!holds) {
        __builtin_trap();
    }
}

// Every object of the map is filed under its id, and every body it has is one
// of the physics world's with the same id; the physics world holds no other
// body.
void checkObjects(const KTLevelWorld& level, const KTPhysicsWorld& bodies)
{
    std::set<const KTPhysicsObject*> known(bodies.objects.begin(), bodies.objects.end());
    check(known.size() == bodies.objects.size());
    size_t withBody = 0;
    for (const auto& entry : level.objectMap) {
        const KTGameObject* object = entry.second;
        check(object != nullptr && object->objectId == entry.first);
        if (object->physicsObject != nullptr) {
            ++withBody;
            check(known.count(object->physicsObject) == 1);
            check(object->physicsObject->body == &object->body && object->body.id == entry.first);
        }
    }
    check(withBody == bodies.objects.size());
}

// The grid files a body only in a cell of its own and never twice, and the
// cell that any body's position names (clamped, as the blasts take it) is one
// of the grid's. A body removed during the update may still be filed until
// the next pass: it must still be there to read (the address sanitizer tells).
void checkGrid(KTPhysicsWorld& bodies)
{
    KTSpatialGrid& grid = bodies.grid;
    check(grid.cellCount == grid.cellsX * grid.cellsY * grid.cellsZ &&
          grid.cells.size() == static_cast<size_t>(grid.cellCount));
    std::set<const KTPhysicsObject*> filed;
    for (const KTGridCell& cell : grid.cells) {
        for (int i = 0; i < cell.objects.size(); ++i) {
            const KTPhysicsObject* object = cell.objects[i];
            check(object != nullptr && object->body != nullptr && filed.insert(object).second);
        }
    }
    const KTGridCell* first = grid.cells.data();
    const KTGridCell* last = first + grid.cells.size();
    for (const KTPhysicsObject* object : bodies.objects) {
        const KTGridCell* cell = &grid.cellAtPosition(object->position, 0, 0, 0);
        check(cell >= first && cell < last);
        if (grid.containsCell(object->position, 0, 0, 0)) {
            for (int k = 0; k < 3; ++k) {
                const int index = grid.cellIndex(object->position, k);
                check(index >= 0 && index < grid.cellsAlong(k));
            }
        }
    }
}

// The objects the script made, and how many of them are AI enemies.
void checkCreated(const KTLevelWorld& level)
{
    size_t aiEnemies = 0;
    for (const auto& entry : level.objectMap) {
        aiEnemies += dynamic_cast<const QMIntelligence*>(entry.second) != nullptr;
    }
    // The player is no creation of the script; help signs count with the objects.
    check(level.objectMap.size() - 1 + level.helpSigns.size() <=
          static_cast<size_t>(KTLevelFileReader::MaxCreatedObjects));
    check(aiEnemies <= static_cast<size_t>(KTLevelFileReader::MaxAIEnemies));
}

// The scene's worlds, made once as the scene makes them and kept from level
// to level: the 600-unit physics box, a 20 x 5 x 20 level and the player.
KTPhysicsWorld* physics;
KTLevelWorld* world;
KTMainCharacter* player;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    enterFuzzFolder();
    createParticleManager();
    physics = new KTPhysicsWorld();
    physics->init(KTWorldBox{VXVec4(0.0f, 0.0f, 0.0f, 1.0f), VXVec4(600.0f, 600.0f, 600.0f, 1.0f)},
                  VXVec4(0.0f, -0.3f, 0.0f, 1.0f));
    world = new KTLevelWorld(nullptr);
    player = new KTMainCharacter();
    world->init(physics, 20, 5, 20, player, ScriptPath);
    world->addObject(player);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeFuzzFiles(data, size, ScriptPath);
    hostSrand(1);

    // As the scene loads a level, with the player back at its start.
    player->health = 4;
    player->greyAmmo = 0;
    player->redAmmo = 0;
    player->destroyAmmo = 0;
    player->position = VXVec4(300.0f, 40.0f, 300.0f, 1.0f);
    player->physicsObject->velocity = VXVec4(0.0f, 0.0f, 0.0f, 1.0f);
    world->clear();
    player->requestStance(KTMainCharacter::Stand);
    world->scriptReader->parseFile(ScriptPath);
    player->physicsObject->position = player->position;
    player->dead = false;

    checkCreated(*world);
    checkObjects(*world, *physics);

    for (int i = 0; i < Updates; ++i) {
        world->update();
        checkObjects(*world, *physics);
        checkGrid(*physics);
    }

    // What the next level finds: only the player. The next update frees the
    // cleared objects, as the game's next frame does; run here, it leaves no
    // memory of this input behind for the leak check.
    world->clear();
    check(world->objectMap.size() == 1 && world->helpSigns.empty());
    world->update();
    checkObjects(*world, *physics);
    // Names the signs looked up were entered without an image.
    assets().helpImages.clear();
    return 0;
}
