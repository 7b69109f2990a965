#include "game/objects/KTPhysicsKind.h"

#include "game/objects/KTBlockType.h"
#include "game/objects/KTMissileType.h"

namespace KTPhysicsKind {

int ofBlockType(int blockType)
{
    switch (blockType) {
    case KTBlockType::Red:
    case KTBlockType::AnubisRed:
        return RedBlock;
    case KTBlockType::Blue:
        return BlueBlock;
    case KTBlockType::Green:
        return GreenBlock;
    case KTBlockType::Yellow:
        return YellowBlock;
    case KTBlockType::Black:
        return BlackBlock;
    case KTBlockType::Goal:
        return GoalBlock;
    case KTBlockType::Purple:
        return PurpleBlock;
    case KTBlockType::Acid:
        return AcidBlock;
    default:
        return PlainBlock;
    }
}

int ofMissileType(int missileType)
{
    switch (missileType) {
    case KTMissileType::Destroy:
        return DestroyMissile;
    case KTMissileType::Red:
    case KTMissileType::Anubis:
        return RedMissile;
    case KTMissileType::Reaper:
        return ReaperMissile;
    case KTMissileType::AcidFragment:
        return AcidFragment;
    default:
        return GreyMissile;
    }
}

} // namespace KTPhysicsKind
