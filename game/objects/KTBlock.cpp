#include "game/objects/KTBlock.h"

#include "game/level/KTLevelWorld.h"
#include "game/objects/KTBlockMissile.h"
#include "game/objects/KTPhysicsKind.h"
#include "game/start/KTAssets.h"

namespace {

const int AcidFragmentType = 13;
const float FragmentOffsetX = 50.0f;
const float FragmentOffsetY = -50.0f;
const float FragmentOffsetZ = 80.0f;

} // namespace

KTBlock::KTBlock()
    : blockType(0), hitPoints(1), destroyed(false)
{
}

void KTBlock::setUp(KTPhysicsWorld* physics, int type, KTLevelWorld* level)
{
    orientation = VXQuat::fromAngleAxis(0.0f, 0.0f, 0.0f, 1.0f);
    body.boxMin = VXVec4(-15.0f, -15.0f, -15.0f, 1.0f);
    body.boxMax = VXVec4(15.0f, 15.0f, 15.0f, 1.0f);
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
    fragment->missileType = AcidFragmentType;
    fragment->position = VXVec4(position.x() + d.x() * FragmentOffsetX, position.y() + d.y() * FragmentOffsetY,
                                position.z() + d.z() * FragmentOffsetZ, 1.0f);
    // The direction stands in the quaternion; the attachment turns z by it.
    fragment->orientation.x() = d.x();
    fragment->orientation.y() = d.y();
    fragment->orientation.z() = d.z();
    fragment->orientation.w() = 0.0f;
    world->insertObject(fragment);
    fragment->attachToLevel(world->physics, world);
}

VXOBJData* KTBlock::modelOfType(int type)
{
    KTAssets& shared = assets();
    switch (type) {
    case 0:
    case 10:
        return shared.redBlock;
    case 1:
        return shared.blueBlock;
    case 2:
        return shared.greenBlock;
    case 3:
        return shared.yellowBlock;
    case 5:
        return shared.blackBlock;
    case 6:
        return shared.goalBlock;
    case 11:
        return shared.purpleBlock;
    case 12:
        return shared.acidBlock;
    default:
        return shared.defaultBlock;
    }
}
