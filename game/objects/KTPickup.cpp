#include "game/objects/KTPickup.h"

#include "game/objects/KTMainCharacter.h"
#include "game/objects/KTPhysicsKind.h"
#include "game/start/KTAssets.h"

namespace {

const float HalfBox = 15.0f;
const float SpinStep = 0.01f;
const int AmmoPerPickup = 20;

} // namespace

void KTPickup::attachToLevel(KTPhysicsWorld* physics, KTLevelWorld* level)
{
    orientation = VXQuat::identity();
    body.boxMin = VXVec4(-HalfBox, -HalfBox, -HalfBox, 1.0f);
    body.boxMax = VXVec4(HalfBox, HalfBox, HalfBox, 1.0f);
    body.collides = true;
    body.falls = false;
    body.inverseMass = 0.0f;
    body.kind = KTPhysicsKind::Pickup;
    position = snapToCellCentre(position);
    attachBody(physics, level);
}

bool KTPickup::refill(int& counter)
{
    if (counter >= KTMainCharacter::MaxAmmo) {
        return false;
    }
    counter += AmmoPerPickup;
    if (counter > KTMainCharacter::MaxAmmo) {
        counter = KTMainCharacter::MaxAmmo;
    }
    if (counter < 0) {
        counter = 0;
    }
    return true;
}

void KTPickup::drawSpinning(float& spinAngle, VXOBJData* model, VXViewState* view, VXShaderProgram* program)
{
    // One step per draw, whether or not anything can be drawn.
    spinAngle += SpinStep;
    orientation = VXQuat::fromAngleAxis(spinAngle, 0.0f, 1.0f, 0.0f);
    drawModel(model, view, program);
}

RWDestroyAmmoPickup::RWDestroyAmmoPickup()
    : spinAngle(0.0f)
{
}

void RWDestroyAmmoPickup::attachToLevel(KTPhysicsWorld* physics, KTLevelWorld* level)
{
    spinAngle = 0.0f;
    KTPickup::attachToLevel(physics, level);
}

void RWDestroyAmmoPickup::draw(VXViewState* view, VXShaderProgram* program)
{
    drawSpinning(spinAngle, assets().destroyAmmo, view, program);
}

bool RWDestroyAmmoPickup::giveTo(KTMainCharacter* character)
{
    return character != nullptr && refill(character->destroyAmmo);
}

RWGrayAmmoPickup::RWGrayAmmoPickup()
    : spinAngle(0.0f)
{
}

void RWGrayAmmoPickup::attachToLevel(KTPhysicsWorld* physics, KTLevelWorld* level)
{
    spinAngle = 0.0f;
    KTPickup::attachToLevel(physics, level);
}

void RWGrayAmmoPickup::draw(VXViewState* view, VXShaderProgram* program)
{
    drawSpinning(spinAngle, assets().blueAmmo, view, program);
}

bool RWGrayAmmoPickup::giveTo(KTMainCharacter* character)
{
    return character != nullptr && refill(character->greyAmmo);
}

RWRedAmmoPickup::RWRedAmmoPickup()
    : spinAngle(0.0f)
{
}

void RWRedAmmoPickup::attachToLevel(KTPhysicsWorld* physics, KTLevelWorld* level)
{
    spinAngle = 0.0f;
    KTPickup::attachToLevel(physics, level);
}

void RWRedAmmoPickup::draw(VXViewState* view, VXShaderProgram* program)
{
    drawSpinning(spinAngle, assets().redAmmo, view, program);
}

bool RWRedAmmoPickup::giveTo(KTMainCharacter* character)
{
    return character != nullptr && refill(character->redAmmo);
}
