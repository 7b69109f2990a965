#include "game/level/KTLevelWorld.h"

#include <cmath>
#include <cstring>

#include "engine/core/VXLog.h"
#include "engine/math/VXQuat.h"
#include "engine/model/VXOBJData.h"
#include "engine/render/VXViewState.h"
#include "game/level/KTGridCell.h"
#include "game/level/KTLevelFileReader.h"
#include "game/level/KTPhysicsWorld.h"
#include "game/objects/KTEnemy.h"
#include "game/objects/KTGameObject.h"
#include "game/objects/KTMainCharacter.h"
#include "game/start/KTAssets.h"
#include "game/ui/KTStatusFlash.h"

namespace {

// The chain pass runs when the counter has reached this, every 11th update.
const int ChainInterval = 10;
const float ExplosionScaleDecay = 0.985f;
const float ExplosionDamping = 0.95f;
const float HelpSignSpin = 0.01f;
const int HelpFlashFrames = 240;
const float HelpSignExplosionSpeed = 5.0f;
const int HelpSignExplosionCount = 50;

} // namespace

float KTLevelWorld::helpSignAngle = 0.0f;

KTLevelWorld::KTLevelWorld(KTLevelScene* owner)
    : nextId(0),
      sizeX(0),
      sizeY(0),
      sizeZ(0),
      physics(nullptr),
      player(nullptr),
      scriptReader(nullptr),
      scene(owner),
      pathGrids(nullptr),
      chainCounter(0),
      hudFlashes(nullptr),
      columns(objectMap)
{
}

KTLevelWorld::~KTLevelWorld()
{
    for (auto& entry : objectMap) {
        if (entry.second != player) {
            delete entry.second;
        }
    }
    for (KTGameObject* object : removedObjects) {
        delete object->physicsObject;
        delete object;
    }
    delete scriptReader;
    delete[] pathGrids;
}

void KTLevelWorld::init(KTPhysicsWorld* physicsWorld, int cellsX, int cellsY, int cellsZ,
                        KTMainCharacter* playerCharacter, std::string levelName)
{
    (void)levelName;
    sizeX = cellsX;
    sizeY = cellsY;
    sizeZ = cellsZ;
    physics = physicsWorld;
    nextId = 0;
    player = playerCharacter;
    delete[] pathGrids;
    pathGrids = new unsigned char[PathGridBytes];
    std::memset(pathGrids, 0, PathGridBytes);
    delete scriptReader;
    scriptReader = new KTLevelFileReader();
    scriptReader->levelWorld = this;
    chainCounter = 0;
}

void KTLevelWorld::update()
{
    VXLog() << "UPDATING";
    if (physics != nullptr) {
        physics->resolveCollisions();
    }
    // The pass has refiled every cell, so none still names a removed object.
    freeRemovedObjects();

    // Objects created during the loop have higher ids and are updated too.
    columns.beginPass();
    for (auto it = objectMap.begin(); it != objectMap.end(); ++it) {
        columns.updating(it->second);
        it->second->update();
        columns.updated(it->second);
    }
    columns.endPass();

    handleCollisions();

    if (chainCounter < ChainInterval) {
        chainCounter += 1;
    } else {
        chainExplosionPass();
        chainCounter = 0;
    }

    if (physics != nullptr) {
        physics->collisions.clear();
    }
    removeDeadObjects();

    VXLog() << "UPDATING PARTICLE MANAGER";
    particles.update();
    VXLog() << "FINISHING UPDATING PARTICLE MANAGER";
    VXLog() << "FINISH UPDATING";

    updateHelpSigns();
}

void KTLevelWorld::updateHelpSigns()
{
    if (player == nullptr) {
        return;
    }
    for (KTHelpSign& sign : helpSigns) {
        VXVec4 d = player->position - sign.position;
        float distanceSquared = d.x() * d.x() + d.y() * d.y() + d.z() * d.z();
        if (!(distanceSquared < sign.radius * sign.radius) || !sign.active) {
            continue;
        }
        if (hudFlashes != nullptr) {
            hudFlashes[0].start(VXVec4(-1.0f, -1.0f, 0.0f, 1.0f), VXVec4(1.0f, -0.5f, 0.0f, 1.0f), sign.texture,
                                HelpFlashFrames);
        }
        sign.active = false;
        createExplosion(sign.position, HelpSignExplosionSpeed, HelpSignExplosionCount);
    }
}

void KTLevelWorld::draw(VXViewState* view, VXShaderProgram* program)
{
    VXLog() << "DRAWING";
    drawObjects(view, program);
    drawFloor(view, program);
    particles.draw(view, program);
    VXLog() << "FINISH DRAWING";
}

void KTLevelWorld::drawObjects(VXViewState* view, VXShaderProgram* program)
{
    helpSignAngle += HelpSignSpin;
    for (auto& entry : objectMap) {
        entry.second->draw(view, program);
    }

    VXOBJData* symbol = assets().helpSymbol;
    if (symbol == nullptr || view == nullptr || program == nullptr) {
        return;
    }
    VXQuat spin;
    spin.x() = 0.0f;
    spin.y() = std::sin(helpSignAngle / 2.0f);
    spin.z() = 0.0f;
    spin.w() = std::cos(helpSignAngle / 2.0f);
    for (const KTHelpSign& sign : helpSigns) {
        if (!sign.active) {
            continue;
        }
        view->stack.push();
        view->stack.translate(sign.position);
        view->stack.rotate(spin);
        view->uploadModelViewProjection();
        view->uploadModelView();
        symbol->draw(program);
        view->stack.pop();
    }
}

void KTLevelWorld::drawFloor(VXViewState* view, VXShaderProgram* program)
{
    VXOBJData* tile = assets().defaultTile;
    if (tile == nullptr || view == nullptr || program == nullptr) {
        return;
    }
    // A negative size has no floor (compared unsigned it would mean billions of tiles).
    const int tilesX = sizeX > 0 ? sizeX : 0;
    const int tilesZ = sizeZ > 0 ? sizeZ : 0;
    for (int i = 0; i < tilesX; ++i) {
        for (int k = 0; k < tilesZ; ++k) {
            view->stack.push();
            view->stack.translate(VXVec4(i * KT_CELL_SIZE, 0.0f, k * KT_CELL_SIZE, 1.0f));
            view->uploadModelViewProjection();
            view->uploadModelView();
            tile->draw(program);
            view->stack.pop();
        }
    }
}

void KTLevelWorld::clear()
{
    chainQueue.clear();
    nextChainQueue.clear();
    for (auto& entry : objectMap) {
        if (player == nullptr || entry.second->objectId != player->objectId) {
            queueRemoval(entry.first);
        }
    }
    removeDeadObjects();
    helpSigns.clear();
}

void KTLevelWorld::removeDeadObjects()
{
    removalList.sort();
    bool first = true;
    int previous = 0;
    for (int id : removalList) {
        if (!first && id == previous) {
            continue;
        }
        first = false;
        previous = id;
        auto it = objectMap.find(id);
        if (it == objectMap.end() || it->second == player) {
            continue;
        }
        takeOut(it);
    }
    spareRemovalNodes.splice(spareRemovalNodes.end(), removalList);
}

void KTLevelWorld::takeOut(std::map<int, KTGameObject*>::iterator entry)
{
    KTGameObject* object = entry->second;
    if (object->physicsObject != nullptr && object->physicsWorld != nullptr) {
        object->physicsWorld->objects.erase(object->physicsObject->node);
    }
    columns.remove(object);
    objectMap.erase(entry);
    removedObjects.push_back(object);
}

void KTLevelWorld::freeRemovedObjects()
{
    for (KTGameObject* object : removedObjects) {
        delete object->physicsObject;
        delete object;
    }
    removedObjects.clear();
}

void KTLevelWorld::createExplosion(VXVec4 position, float speed, int count)
{
    KTExplosion* explosion = particles.findFreeExplosion();
    if (explosion == nullptr) {
        VXLog() << "DID NOT CREATE EXPLOSION";
        return;
    }
    particles.startExplosion(explosion, count, position, speed, ExplosionScaleDecay, ExplosionDamping);
}

int KTLevelWorld::addObject(KTGameObject* object)
{
    return addObject(object, [this, object] { object->attachToLevel(physics, this); });
}

void KTLevelWorld::addEnemy(KTEnemy* enemy, int enemyKind)
{
    addObject(enemy, [this, enemy, enemyKind] { enemy->initBody(this, player, enemyKind, physics); });
}

void KTLevelWorld::enterObject(KTGameObject* object)
{
    // Ids only grow, so the next one is free unless someone moved them back.
    while (objectMap.count(nextId) != 0) {
        nextId += 1;
    }
    const int id = nextId;
    objectMap[id] = object;
    columns.add(object);
    object->objectId = id;
    nextId += 1;
}

int KTLevelWorld::fileUnderBodyId(KTGameObject* object)
{
    const int key = object->objectId;
    const int bodyId = object->body.id;
    if (bodyId == key) {
        return key;
    }
    auto entry = objectMap.find(key);
    if (bodyId < 0 || objectMap.count(bodyId) != 0) {
        VXLog() << "OBJECT " << key << " REFUSED: BODY ID " << bodyId
                << (bodyId < 0 ? " NOT SET" : " ALREADY IN THE LEVEL");
        object->objectId = -1;
        if (object == player) {
            columns.remove(object);
            objectMap.erase(entry);
        } else {
            takeOut(entry);
        }
        return -1;
    }
    objectMap.erase(entry);
    objectMap[bodyId] = object;
    object->objectId = bodyId;
    if (nextId <= bodyId) {
        nextId = bodyId + 1;
    }
    return bodyId;
}

void KTLevelWorld::queueRemoval(int id)
{
    if (spareRemovalNodes.empty()) {
        removalList.push_back(id);
        return;
    }
    removalList.splice(removalList.end(), spareRemovalNodes, spareRemovalNodes.begin());
    removalList.back() = id;
}

KTGameObject* KTLevelWorld::findObject(int id) const
{
    auto it = objectMap.find(id);
    return it != objectMap.end() ? it->second : nullptr;
}
