#include "game/objects/KTPhysicsKind.h"

namespace KTPhysicsKind {

int ofBlockType(int blockType)
{
    switch (blockType) {
    case 0:
    case 10:
        return RedBlock;
    case 1:
        return BlueBlock;
    case 2:
        return GreenBlock;
    case 3:
        return YellowBlock;
    case 5:
        return BlackBlock;
    case 6:
        return GoalBlock;
    case 11:
        return PurpleBlock;
    case 12:
        return AcidBlock;
    default:
        return PlainBlock;
    }
}

int ofMissileType(int missileType)
{
    switch (missileType) {
    case 9:
        return DestroyMissile;
    case 0:
    case 10:
        return RedMissile;
    case 12:
        return ReaperMissile;
    case 13:
        return AcidFragment;
    default:
        return GreyMissile;
    }
}

} // namespace KTPhysicsKind
