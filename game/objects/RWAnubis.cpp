#include "game/objects/RWAnubis.h"

#include "game/audio/KTSoundId.h"
#include "game/objects/KTMissileType.h"
#include "game/objects/KTPhysicsKind.h"

namespace {

const RWShooterTraits AnubisTraits = {
    KTPhysicsKind::Anubis,
    10,    // hit points
    0.1f,  // walk speed
    0.15f, // run speed
    250.0f,
    KTMissileType::Anubis,
    KTSoundId::AnubisSight,
    KTSoundId::AnubisActive,
    KTSoundId::AnubisShot,
    KTSoundId::AnubisPain,
    KTSoundId::AnubisDeath,
    false,
};

} // namespace

RWAnubis::RWAnubis()
    : RWShooter(AnubisTraits)
{
}

void RWAnubis::wander()
{
    growlStep();
    wanderStep();
    faceDirection();
    walkStanceRule();
}

void RWAnubis::pursue()
{
    growlStep();
    pursueStep();
    faceDirection();
    walkStanceRule();
}
