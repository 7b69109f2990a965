#ifndef GAME_LEVEL_KTLEVELWORLD_H
#define GAME_LEVEL_KTLEVELWORLD_H

#include <list>
#include <map>
#include <string>
#include <vector>

#include "engine/math/VXVec4.h"
#include "game/effects/KTParticleManager.h"
#include "game/level/KTColumnIndex.h"
#include "game/level/KTGridCell.h"
#include "game/level/KTHelpSign.h"

class KTEnemy;
class KTGameObject;
class KTLevelFileReader;
class KTLevelScene;
class KTMainCharacter;
class KTPhysicsWorld;
struct KTStatusFlash;
struct VXShaderProgram;
struct VXViewState;

// Everything that lives in the current level: the objects by id, the ids to
// remove at the end of the frame, the explosion pool, the help signs and the
// chain-explosion queues. Its update runs the frame's game logic in a fixed
// order. The world owns the objects in its map, except the player: removed
// objects are freed after the next physics pass, once no grid cell can still
// name them.
class KTLevelWorld {
public:
    // Two grids of a byte per cell of the level's floor: occupied, then
    // visited.
    static constexpr int PathGridBytes = 2 * KT_LEVEL_CELLS_X * KT_LEVEL_CELLS_Z;

    int nextId;
    // Level size in cells.
    int sizeX;
    int sizeY;
    int sizeZ;
    // Not owned.
    KTPhysicsWorld* physics;
    // Not owned; also an entry of the map, never removed.
    KTMainCharacter* player;
    KTLevelFileReader* scriptReader;
    // Iterated in ascending id order.
    std::map<int, KTGameObject*> objectMap;
    std::list<int> removalList;
    KTParticleManager particles;
    KTLevelScene* scene;
    std::vector<KTHelpSign> helpSigns;
    // The enemies' path-search scratch grids.
    unsigned char* pathGrids;
    // Blocks destroyed by chaining blasts, waiting to explode.
    std::vector<int> chainQueue;
    // Blocks destroyed by the chain explosions now running.
    std::vector<int> nextChainQueue;
    // Updates since the last chain pass, 0..10.
    int chainCounter;
    // The HUD's overlay images, set by the scene; help signs show in flash 0.
    // Null: help signs are used up without showing anything.
    KTStatusFlash* hudFlashes;
    // The objects of the map by grid column, for the enemies' sight and path
    // searches.
    KTColumnIndex columns;

    // The help symbols' common spin angle, advanced by every draw.
    static float helpSignAngle;

    explicit KTLevelWorld(KTLevelScene* scene);
    // Frees the objects it still holds (not the player). Their physics
    // objects stay with the physics world, which must not run again.
    ~KTLevelWorld();
    KTLevelWorld(const KTLevelWorld&) = delete;
    KTLevelWorld& operator=(const KTLevelWorld&) = delete;

    void init(KTPhysicsWorld* physics, int sizeX, int sizeY, int sizeZ, KTMainCharacter* player,
              std::string levelName);
    void update();
    void draw(VXViewState* view, VXShaderProgram* program);
    void drawObjects(VXViewState* view, VXShaderProgram* program);
    void drawFloor(VXViewState* view, VXShaderProgram* program);
    // Everything but the player goes; ids keep counting.
    void clear();
    void removeDeadObjects();
    void createExplosion(VXVec4 position, float speed, int count);
    void updateHelpSigns();
    void handleCollisions();

    // Strikes the cells around `position` up to `extent` cells away on each
    // axis, never the position's own cell. Blocks destroyed with `chain` on
    // are appended to `queue`.
    void blastCells(std::vector<int>& queue, VXVec4 position, VXVec4 extent, bool chain);
    void blastAround(std::vector<int>& queue, VXVec4 position, bool chain);
    void blastCell(std::vector<int>& queue, VXVec4 position, int dx, int dy, int dz, bool chain);
    void chainExplosionPass();

    // The one way into the level. Enters a newly made `object` under the
    // next id, runs its set-up (`setUp()`, or attachToLevel when none is
    // given), which takes the object's body id, and makes the two agree:
    // collision records find their objects by body id. Where they differ (a
    // body id counter that has run ahead of this world's ids) the object is
    // filed under its body id and the ids go on after it. An object whose
    // set-up left it without a body id, or with one another object is filed
    // under, is refused with a message: taken out again and, unless it is the
    // player, freed with the removed objects. Returns the object's id, -1
    // when refused or null.
    int addObject(KTGameObject* object);
    template <typename SetUp>
    int addObject(KTGameObject* object, SetUp setUp);
    // Adds a scripted enemy set up with the player as its target.
    void addEnemy(KTEnemy* enemy, int enemyKind);
    // Any number of times per frame; the removal takes the object out once.
    void queueRemoval(int id);
    // Null when no object has that id.
    KTGameObject* findObject(int id) const;

private:
    // Nodes of emptied removal lists, reused so that queuing allocates nothing.
    std::list<int> spareRemovalNodes;
    // Out of the map and the physics list, freed after the next physics pass.
    std::vector<KTGameObject*> removedObjects;

    void freeRemovedObjects();
    // The steps of addObject around the set-up.
    void enterObject(KTGameObject* object);
    int fileUnderBodyId(KTGameObject* object);
    // Out of the map, the physics list and the column index; freed after the
    // next physics pass.
    void takeOut(std::map<int, KTGameObject*>::iterator entry);
};

template <typename SetUp>
int KTLevelWorld::addObject(KTGameObject* object, SetUp setUp)
{
    if (object == nullptr) {
        return -1;
    }
    enterObject(object);
    setUp();
    return fileUnderBodyId(object);
}

#endif
