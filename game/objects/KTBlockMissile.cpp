#include "game/objects/KTBlockMissile.h"

#include "engine/model/VXOBJData.h"
#include "engine/render/VXViewState.h"
#include "game/audio/KTSoundId.h"
#include "game/audio/KTSoundTable.h"
#include "game/level/KTGridCell.h"
#include "game/level/KTLevelWorld.h"
#include "game/level/KTPhysicsObject.h"
#include "game/level/KTPhysicsWorld.h"
#include "game/objects/KTBlock.h"
#include "game/objects/KTMissileType.h"
#include "game/objects/KTPhysicsKind.h"
#include "game/start/KTAssets.h"

namespace {

const float SpinStep = 0.05f;
const float HalfBox = 6.0f;
const float InverseMass = 10.0f;
const float Range = 1000.0f;
// A missile builds only from its third update on, and never at the low x
// border.
const int BuildAge = 2;
const float BuildMinX = 14.0f;

// Whether a standing block already fills the cell that a block built at
// `position` would take. A missile pushed from one block into the next can
// stop inside a block; it leaves nothing there, so that no cell ever holds
// two blocks.
bool cellHoldsBlock(const KTLevelWorld& world, const VXVec4& position)
{
    const VXVec4 centre = KTGameObject::snapToCellCentre(position);
    for (const auto& entry : world.objectMap) {
        const KTBlock* block = dynamic_cast<const KTBlock*>(entry.second);
        if (block != nullptr && !block->destroyed && block->position.x() == centre.x()
            && block->position.y() == centre.y() && block->position.z() == centre.z()) {
            return true;
        }
    }
    return false;
}

} // namespace

KTBlockMissile::KTBlockMissile()
    : spin(0.0f), alive(false), missileType(KTMissileType::Grey), previousPosition(0.0f, 0.0f, 0.0f, 1.0f), age(0)
{
}

void KTBlockMissile::attachToLevel(KTPhysicsWorld* physics, KTLevelWorld* level)
{
    spin = 0.0f;
    alive = true;
    body.boxMin = VXVec4(-HalfBox, -HalfBox, -HalfBox, 1.0f);
    body.boxMax = VXVec4(HalfBox, HalfBox, HalfBox, 1.0f);
    body.inverseMass = InverseMass;
    body.collides = true;
    body.falls = false;
    body.kind = KTPhysicsKind::ofMissileType(missileType);
    attachBody(physics, level);
    applyImpulse(orientation.rotate(VXVec4(0.0f, 0.0f, 1.0f, 1.0f)));
    age = 0;
}

bool KTBlockMissile::isOutOfRange() const
{
    return position.x() < -Range || position.z() < -Range || position.x() > Range || position.z() > Range
        || position.y() > Range;
}

int KTBlockMissile::hitSoundOfKind(int kind)
{
    switch (kind) {
    case KTPhysicsKind::GreyMissile:
        return KTSoundId::BlueBlockHit;
    case KTPhysicsKind::DestroyMissile:
        return KTSoundId::DestroyHit;
    case KTPhysicsKind::RedMissile:
        return KTSoundId::RedBlockHit;
    case KTPhysicsKind::ReaperMissile:
        return KTSoundId::ReaperAttackMissileHit;
    case KTPhysicsKind::AcidFragment:
        return KTSoundId::AcidFragmentHit;
    default:
        return -1;
    }
}

void KTBlockMissile::update()
{
    spin += SpinStep;
    age += 1;
    if (isOutOfRange()) {
        alive = false;
        body.collides = false;
        if (world != nullptr) {
            world->queueRemoval(objectId);
        }
    }
    if (touched && alive) {
        // Step back out of a destroy missile's cell, so that the block is not
        // built where the destroy missile is. The cell is looked up afresh
        // for every index, as the position may have moved.
        if (physicsWorld != nullptr && physicsObject != nullptr) {
            for (int i = 0;; ++i) {
                KTGridCell& cell = physicsWorld->grid.cellAtPosition(position, 0, 0, 0);
                if (i >= cell.objects.size()) {
                    break;
                }
                if (cell.objects[i]->body->kind == KTPhysicsKind::DestroyMissile) {
                    position -= physicsObject->velocity;
                }
            }
        }
        if (position.x() > BuildMinX && age > BuildAge && missileType != KTMissileType::Destroy && world != nullptr
            && !cellHoldsBlock(*world, position)) {
            playSoundAt(KTSoundId::BlockCreate, position);
            KTBlock* block = new KTBlock();
            block->position = position;
            // The block type of the missile type's own number.
            world->addObject(block, [this, block] { block->setUp(world->physics, missileType, world); });
        }
        const int sound = hitSoundOfKind(body.kind);
        if (sound >= 0) {
            playSoundAt(sound, position);
        }
        alive = false;
        body.collides = false;
        if (world != nullptr) {
            world->queueRemoval(objectId);
        }
    }
    previousPosition = position;
    if (alive) {
        KTGameObject::update();
    }
}

void KTBlockMissile::draw(VXViewState* view, VXShaderProgram* program)
{
    if (!alive || age <= BuildAge || view == nullptr || program == nullptr) {
        return;
    }
    KTAssets& shared = assets();
    const bool fragment = missileType == KTMissileType::AcidFragment;
    VXOBJData* head = fragment ? shared.acidFragmentHead : shared.missileHead;
    VXOBJData* tail = fragment ? shared.acidFragmentTail : shared.missileTail;

    view->stack.push();
    view->stack.translate(position);
    view->stack.rotate(orientation);
    view->stack.rotate(spin, 0.0f, 0.0f, 1.0f);
    view->uploadModelViewProjection();
    view->uploadModelView();
    if (head != nullptr) {
        head->draw(program);
    }
    // The tail turns the other way at the same rate.
    view->stack.rotate(-2.0f * spin, 0.0f, 0.0f, 1.0f);
    view->uploadModelViewProjection();
    view->uploadModelView();
    if (tail != nullptr) {
        tail->draw(program);
    }
    view->stack.pop();
}
