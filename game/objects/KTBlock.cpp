#include "game/objects/KTBlock.h"

#include "game/level/KTGridCell.h"
#include "game/level/KTLevelWorld.h"
#include "game/objects/KTBlockMissile.h"
#include "game/objects/KTBlockType.h"
#include "game/objects/KTMissileType.h"
#include "game/objects/KTPhysicsKind.h"
#include "game/start/KTAssets.h"

namespace {

const float FragmentOffsetX = 50.0f;
const float FragmentOffsetY = -50.0f;
const float FragmentOffsetZ = 80.0f;

} // namespace

KTBlock::KTBlock()
    : blockType(KTBlockType::Red), hitPoints(1), destroyed(false)
{
}

void KTBlock::setUp(KTPhysicsWorld* physics, int type, KTLevelWorld* level)
{
    orientation = VXQuat::fromAngleAxis(0.0f, 0.0f, 0.0f, 1.0f);
    const float half = KT_CELL_SIZE / 2;
    body.boxMin = VXVec4(-half, -half, -half, 1.0f);
    body.boxMax = VXVec4(half, half, half, 1.0f);
    body.collides = true;
    body.falls = false;
    body.inverseMass = 0.0f;
    body.kind = KTPhysicsKind::ofBlockType(type);
    position = snapToCellCentre(position);
    attachBody(physics, level);
    blockType = type;
    hitPoints = 1;
    destroyed = false;
}

void KTBlock::draw(VXViewState* view, VXShaderProgram* program)
{
    drawModel(modelOfType(blockType), view, program);
}

void KTBlock::spawnBlockMissileAt(VXVec4 d)
{
    if (world == nullptr) {
        return;
    }
    KTBlockMissile* fragment = new KTBlockMissile();
    fragment->missileType = KTMissileType::AcidFragment;
    fragment->position = VXVec4(position.x() + d.x() * FragmentOffsetX, position.y() + d.y() * FragmentOffsetY,
                                position.z() + d.z() * FragmentOffsetZ, 1.0f);
    // The direction stands in the quaternion; the attachment turns z by it.
    fragment->orientation.x() = d.x();
    fragment->orientation.y() = d.y();
    fragment->orientation.z() = d.z();
    fragment->orientation.w() = 0.0f;
    world->addObject(fragment);
}

VXOBJData* KTBlock::modelOfType(int type)
{
    KTAssets& shared = assets();
    switch (type) {
    case KTBlockType::Red:
    case KTBlockType::AnubisRed:
        return shared.redBlock;
    case KTBlockType::Blue:
        return shared.blueBlock;
    case KTBlockType::Green:
        return shared.greenBlock;
    case KTBlockType::Yellow:
        return shared.yellowBlock;
    case KTBlockType::Black:
        return shared.blackBlock;
    case KTBlockType::Goal:
        return shared.goalBlock;
    case KTBlockType::Purple:
        return shared.purpleBlock;
    case KTBlockType::Acid:
        return shared.acidBlock;
    default:
        return shared.defaultBlock;
    }
}
