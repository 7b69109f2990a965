#include "game/objects/RWReaper.h"

#include <cmath>

#include "game/audio/KTSoundId.h"
#include "game/objects/KTMissileType.h"
#include "game/objects/KTPhysicsKind.h"

namespace {

const RWShooterTraits ReaperTraits = {
    KTPhysicsKind::Reaper,
    8,     // hit points
    0.1f,  // walk speed
    0.04f, // run speed, also used while wandering
    250.0f,
    KTMissileType::Reaper,
    KTSoundId::ReaperSight,
    KTSoundId::ReaperActive,
    KTSoundId::ReaperAttackMissile,
    KTSoundId::ReaperPain,
    KTSoundId::ReaperDeath,
    true,
};

} // namespace

RWReaper::RWReaper()
    : RWShooter(ReaperTraits)
{
}

void RWReaper::wander()
{
    flyingStep();
}

void RWReaper::pursue()
{
    flyingStep();
}

bool RWReaper::hasLineOfSight()
{
    return true;
}

void RWReaper::flyingStep()
{
    // Straight at the target in three dimensions; on top of it, no impulse.
    if (target != nullptr) {
        VXVec4 u = target->position - position;
        const float length = std::sqrt(u.lengthSquared());
        if (length > 0.0f) {
            u *= 1.0f / length;
            runAlong(u);
        }
    }
    faceDirection();
    walkStanceRule();
    growlStep();
}
