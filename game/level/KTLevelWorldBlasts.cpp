#include "game/level/KTLevelWorld.h"

#include <cmath>

#include "game/audio/KTSoundId.h"
#include "game/audio/KTSoundTable.h"
#include "game/level/KTPhysicsWorld.h"
#include "game/objects/KTBlock.h"
#include "game/objects/KTMainCharacter.h"
#include "game/objects/KTPhysicsKind.h"
#include "game/objects/QMIntelligence.h"

namespace {

const float ChainExplosionSpeed = 6.0f;
const int ChainExplosionCount = 10;

// Offsets from trunc(-extent) up to extent. No offset beyond the grid's own
// span can reach a cell of it from a position inside, so a huge or
// non-finite extent is held to that span.
void offsetRange(float extent, int cells, int& lo, int& hi)
{
    if (std::isnan(extent)) {
        lo = 0;
        hi = -1;
        return;
    }
    const float span = static_cast<float>(cells);
    lo = static_cast<int>(std::trunc(std::fmax(std::fmin(-extent, span), -span)));
    hi = static_cast<int>(std::floor(std::fmax(std::fmin(extent, span), -span)));
}

} // namespace

void KTLevelWorld::blastCells(std::vector<int>& queue, VXVec4 position, VXVec4 extent, bool chain)
{
    if (physics == nullptr) {
        return;
    }
    int lo[3];
    int hi[3];
    for (int k = 0; k < 3; ++k) {
        offsetRange(extent.elements[k], physics->grid.cellsAlong(k), lo[k], hi[k]);
    }
    for (int dx = lo[0]; dx <= hi[0]; ++dx) {
        for (int dy = lo[1]; dy <= hi[1]; ++dy) {
            for (int dz = lo[2]; dz <= hi[2]; ++dz) {
                if (dx == 0 && dy == 0 && dz == 0) {
                    continue;
                }
                blastCell(queue, position, dx, dy, dz, chain);
            }
        }
    }
}

void KTLevelWorld::blastAround(std::vector<int>& queue, VXVec4 position, bool chain)
{
    blastCells(queue, position, VXVec4(1.0f, 1.0f, 1.0f, 1.0f), chain);
}

void KTLevelWorld::blastCell(std::vector<int>& queue, VXVec4 position, int dx, int dy, int dz, bool chain)
{
    if (physics == nullptr || !physics->grid.containsCell(position, dx, dy, dz)) {
        return;
    }
    KTGridCell& cell = physics->grid.cellAtPosition(position, dx, dy, dz);
    const int size = cell.objects.size();
    for (int i = 0; i < size; ++i) {
        const KTPhysicsBody& body = *cell.objects[i]->body;
        KTGameObject* owner = findObject(body.id);
        if (owner == nullptr) {
            continue;
        }
        switch (body.kind) {
        case KTPhysicsKind::Player: {
            KTMainCharacter* character = dynamic_cast<KTMainCharacter*>(owner);
            if (character != nullptr && character->health > 0) {
                character->hurt();
            }
            break;
        }
        case KTPhysicsKind::Zealot:
        case KTPhysicsKind::LeapingZealot:
        case KTPhysicsKind::Anubis:
        case KTPhysicsKind::Reaper: {
            QMIntelligence* enemy = dynamic_cast<QMIntelligence*>(owner);
            if (enemy != nullptr) {
                enemy->takeDamage(1);
            }
            break;
        }
        case KTPhysicsKind::RedBlock:
        case KTPhysicsKind::BlueBlock: {
            KTBlock* block = dynamic_cast<KTBlock*>(owner);
            if (block == nullptr || block->destroyed) {
                break;
            }
            block->hitPoints -= 1;
            if (block->hitPoints > 0) {
                break;
            }
            block->destroyed = true;
            if (chain) {
                playSoundAt(KTSoundId::BlockExplode, block->position);
                queue.push_back(block->objectId);
            } else {
                playSoundAt(KTSoundId::BlockDestroy, block->position);
                queueRemoval(block->objectId);
            }
            break;
        }
        default:
            break;
        }
    }
}

void KTLevelWorld::chainExplosionPass()
{
    for (size_t k = 0; k < chainQueue.size(); ++k) {
        KTGameObject* object = findObject(chainQueue[k]);
        if (object == nullptr) {
            continue;
        }
        VXVec4 position = object->position;
        blastAround(nextChainQueue, position, true);
        queueRemoval(object->objectId);
        createExplosion(position, ChainExplosionSpeed, ChainExplosionCount);
    }
    chainQueue.clear();
    chainQueue.swap(nextChainQueue);
}
