#include "game/objects/KTMainCharacter.h"

#include "game/objects/KTPhysicsKind.h"

KTMainCharacter::KTMainCharacter()
    : health(4), hurtCooldown(0), greyAmmo(0), redAmmo(0), destroyAmmo(0)
{
}

void KTMainCharacter::attachToLevel(KTPhysicsWorld* physics, KTLevelWorld* level)
{
    body.boxMin = VXVec4(-14.0f, -15.0f, -14.0f, 1.0f);
    body.boxMax = VXVec4(14.0f, 15.0f, 14.0f, 1.0f);
    body.inverseMass = 1.0f;
    body.collides = true;
    body.falls = true;
    body.kind = KTPhysicsKind::Player;
    health = 4;
    hurtCooldown = 0;
    greyAmmo = 0;
    redAmmo = 0;
    destroyAmmo = 0;
    attachBody(physics, level);
}

void KTMainCharacter::draw(VXViewState* view, VXShaderProgram* program)
{
    (void)view;
    (void)program;
}

void KTMainCharacter::playPainAnimation()
{
}

void KTMainCharacter::die()
{
}
