#include "game/level/KTLevelWorld.h"

#include "game/audio/KTSoundId.h"
#include "game/audio/KTSoundTable.h"
#include "game/level/KTPhysicsWorld.h"
#include "game/objects/KTBlock.h"
#include "game/objects/KTGameObject.h"
#include "game/objects/KTMainCharacter.h"
#include "game/objects/KTPhysicsKind.h"
#include "game/objects/KTPickup.h"
#include "game/objects/QMIntelligence.h"
#include "game/objects/RWCreeper.h"

namespace {

namespace K = KTPhysicsKind;

const float BreakExplosionSpeed = 6.0f;
const int BreakExplosionCount = 60;
const float BlobExplosionSpeed = 4.0f;
const int BlobExplosionCount = 30;
const int VerticalAxis = 1;
// Kinds of one side of a rule, ended by 0 (no body has kind 0 in a level).
const int MaxKinds = 5;

// The two objects of one collision record.
struct Contact {
    KTGameObject* a;
    KTGameObject* b;
    int kindA;
    int kindB;
};

// The record read as a rule's pair: X of the rule's first kinds, Y of its second.
struct Pair {
    KTGameObject* x;
    KTGameObject* y;
    int kindX;
    int kindY;
};

typedef void (*Effect)(KTLevelWorld& world, const Contact& c, const Pair& p);

struct Rule {
    int x[MaxKinds];
    int y[MaxKinds];
    // Does nothing on a vertical contact (but still ends the search).
    bool sideways;
    Effect effect;
};

bool oneOf(int kind, const int (&kinds)[MaxKinds])
{
    for (int k : kinds) {
        if (k == 0) {
            return false;
        }
        if (k == kind) {
            return true;
        }
    }
    return false;
}

// Whether the record's kinds are the rule's, in either order.
bool matches(const Contact& c, const Rule& rule, Pair& p)
{
    if (oneOf(c.kindA, rule.x) && oneOf(c.kindB, rule.y)) {
        p = Pair{c.a, c.b, c.kindA, c.kindB};
        return true;
    }
    if (oneOf(c.kindB, rule.x) && oneOf(c.kindA, rule.y)) {
        p = Pair{c.b, c.a, c.kindB, c.kindA};
        return true;
    }
    return false;
}

void soundAt(int id, const KTGameObject* object)
{
    playSoundAt(id, object->position);
}

// hurt limits the rate itself; a spent player is not hurt again.
void hurtPlayer(KTGameObject* object)
{
    KTMainCharacter* character = dynamic_cast<KTMainCharacter*>(object);
    if (character != nullptr && character->health > 0) {
        character->hurt();
    }
}

void damage(KTGameObject* object)
{
    QMIntelligence* enemy = dynamic_cast<QMIntelligence*>(object);
    if (enemy != nullptr) {
        enemy->takeDamage(1);
    }
}

// The block hit by a colour missile: a block with hit points left only
// stops the missile; a breaking one bursts, striking its neighbours with
// chaining on. A block already destroyed stops nothing.
void hitBlock(KTLevelWorld& world, KTGameObject* missile, KTGameObject* target, int sound)
{
    KTBlock* block = dynamic_cast<KTBlock*>(target);
    if (block == nullptr || block->destroyed) {
        return;
    }
    block->hitPoints -= 1;
    if (block->hitPoints > 0) {
        world.queueRemoval(missile->objectId);
        return;
    }
    soundAt(sound, missile);
    soundAt(KTSoundId::BlockExplode, block);
    block->destroyed = true;
    world.blastAround(world.chainQueue, block->position, true);
    world.queueRemoval(block->objectId);
    world.createExplosion(block->position, BreakExplosionSpeed, BreakExplosionCount);
    world.queueRemoval(missile->objectId);
}

void destroyMissileBreaksBlock(KTLevelWorld& world, const Contact&, const Pair& p)
{
    soundAt(KTSoundId::BlockDestroy, p.y);
    world.queueRemoval(p.x->objectId);
    world.queueRemoval(p.y->objectId);
}

void destroyMissileMeetsGreyMissile(KTLevelWorld& world, const Contact&, const Pair& p)
{
    soundAt(KTSoundId::BlueBlockHit, p.y);
    world.queueRemoval(p.x->objectId);
    world.queueRemoval(p.y->objectId);
}

void destroyMissileMeetsRedMissile(KTLevelWorld& world, const Contact&, const Pair& p)
{
    soundAt(KTSoundId::RedBlockHit, p.y);
    world.queueRemoval(p.x->objectId);
    world.queueRemoval(p.y->objectId);
}

void destroyMissileStops(KTLevelWorld& world, const Contact&, const Pair& p)
{
    soundAt(KTSoundId::DestroyHit, p.x);
    world.queueRemoval(p.x->objectId);
}

void missileStopsSilently(KTLevelWorld& world, const Contact&, const Pair& p)
{
    world.queueRemoval(p.x->objectId);
}

void greyMissileStops(KTLevelWorld& world, const Contact&, const Pair& p)
{
    soundAt(KTSoundId::BlueBlockHit, p.x);
    world.queueRemoval(p.x->objectId);
}

void redMissileStops(KTLevelWorld& world, const Contact&, const Pair& p)
{
    soundAt(KTSoundId::RedBlockHit, p.x);
    world.queueRemoval(p.x->objectId);
}

void greyMissileKillsBlob(KTLevelWorld& world, const Contact&, const Pair& p)
{
    soundAt(KTSoundId::BlueBlockHit, p.x);
    soundAt(KTSoundId::BlobDeath, p.y);
    world.createExplosion(p.y->position, BlobExplosionSpeed, BlobExplosionCount);
    world.queueRemoval(p.y->objectId);
}

// The burst happens at the record's B, whichever missile that is.
void colourMissilesBurst(KTLevelWorld& world, const Contact& c, const Pair& p)
{
    soundAt(KTSoundId::BlueBlockHit, p.y);
    soundAt(KTSoundId::RedBlockHit, p.x);
    soundAt(KTSoundId::BlockExplode, p.x);
    const VXVec4 at = c.b->position;
    world.blastAround(world.chainQueue, at, true);
    world.queueRemoval(c.a->objectId);
    world.queueRemoval(c.b->objectId);
    world.createExplosion(at, BreakExplosionSpeed, BreakExplosionCount);
}

void greyMissileHitsBlock(KTLevelWorld& world, const Contact&, const Pair& p)
{
    hitBlock(world, p.x, p.y, KTSoundId::BlueBlockHit);
}

void redMissileHitsBlock(KTLevelWorld& world, const Contact&, const Pair& p)
{
    hitBlock(world, p.x, p.y, KTSoundId::RedBlockHit);
}

void zealotHitsWall(KTLevelWorld&, const Contact&, const Pair& p)
{
    soundAt(KTSoundId::ZealotHitWall, p.x);
}

void zealotBreaksBlock(KTLevelWorld& world, const Contact&, const Pair& p)
{
    soundAt(KTSoundId::ZealotHitBlock, p.x);
    soundAt(KTSoundId::BlockDestroy, p.y);
    world.queueRemoval(p.y->objectId);
}

void playerIsHurt(KTLevelWorld&, const Contact&, const Pair& p)
{
    hurtPlayer(p.y);
}

void blobHitsPlayer(KTLevelWorld&, const Contact&, const Pair& p)
{
    soundAt(KTSoundId::BlobMelee, p.x);
    hurtPlayer(p.y);
}

void reaperMissileHitsPlayer(KTLevelWorld& world, const Contact&, const Pair& p)
{
    soundAt(KTSoundId::ReaperAttackMissileHit, p.x);
    world.queueRemoval(p.x->objectId);
    hurtPlayer(p.y);
}

void enemyIsDamaged(KTLevelWorld&, const Contact&, const Pair& p)
{
    damage(p.y);
}

void acidSprays(KTLevelWorld& world, const Contact& c, const Pair& p)
{
    soundAt(KTSoundId::BlockAcidSpray, p.x);
    world.createExplosion(p.y->position, BreakExplosionSpeed, BreakExplosionCount);
    KTBlock* acid = dynamic_cast<KTBlock*>(p.x);
    if (acid != nullptr) {
        acid->spawnBlockMissileAt(VXVec4(10.0f, 100.0f, 100.0f, 1.0f));
    }
    world.queueRemoval(c.a->objectId);
    world.queueRemoval(c.b->objectId);
}

void acidBurnsPlayer(KTLevelWorld& world, const Contact&, const Pair& p)
{
    soundAt(KTSoundId::BlockAcidTouch, p.x);
    world.queueRemoval(p.x->objectId);
    hurtPlayer(p.y);
}

// The creeper takes its hits through its own operation.
void acidBurnsEnemy(KTLevelWorld&, const Contact&, const Pair& p)
{
    soundAt(KTSoundId::BlockAcidTouch, p.x);
    if (p.kindY != K::Creeper) {
        damage(p.y);
        return;
    }
    RWCreeper* creeper = dynamic_cast<RWCreeper*>(p.y);
    if (creeper != nullptr) {
        creeper->hit();
    }
}

void zealotHitsPlayer(KTLevelWorld&, const Contact&, const Pair& p)
{
    KTMainCharacter* character = dynamic_cast<KTMainCharacter*>(p.y);
    if (character != nullptr && character->painTimer == 0) {
        soundAt(KTSoundId::ZealotHit, p.x);
    }
    hurtPlayer(p.y);
}

// A missile that hits the creeper goes only when the hit leaves it without
// hit points.
void creeperIsHit(KTLevelWorld& world, const Contact&, const Pair& p)
{
    const bool leaping = p.kindX == K::LeapingZealot;
    if (leaping) {
        soundAt(KTSoundId::ZealotHit, p.x);
    }
    RWCreeper* creeper = dynamic_cast<RWCreeper*>(p.y);
    if (creeper == nullptr) {
        return;
    }
    creeper->hit();
    if (creeper->hitPoints <= 0 && !leaping) {
        world.queueRemoval(p.x->objectId);
    }
}

void creeperLunges(KTLevelWorld&, const Contact&, const Pair& p)
{
    QMIntelligence* creeper = dynamic_cast<QMIntelligence*>(p.y);
    if (creeper != nullptr) {
        creeper->attack1();
    }
}

void zealotHitsAnubis(KTLevelWorld&, const Contact&, const Pair& p)
{
    soundAt(KTSoundId::ZealotHit, p.x);
    damage(p.y);
}

// The sound plays at the record's A whichever zealot it is; a walking zealot
// takes the damage, two leaping ones both do.
void zealotsCollide(KTLevelWorld&, const Contact& c, const Pair&)
{
    soundAt(KTSoundId::ZealotHit, c.a);
    if (c.kindA == K::Zealot) {
        damage(c.a);
    } else if (c.kindB == K::Zealot) {
        damage(c.b);
    } else {
        damage(c.a);
        damage(c.b);
    }
}

void colossusIsHit(KTLevelWorld&, const Contact&, const Pair& p)
{
    if (p.kindX == K::LeapingZealot) {
        soundAt(KTSoundId::ZealotHit, p.x);
    }
    damage(p.y);
}

void pickupIsCollected(KTLevelWorld& world, const Contact&, const Pair& p)
{
    KTPickup* pickup = dynamic_cast<KTPickup*>(p.x);
    if (pickup != nullptr && pickup->giveTo(dynamic_cast<KTMainCharacter*>(p.y))) {
        soundAt(KTSoundId::ItemUp, p.x);
        world.queueRemoval(p.x->objectId);
    }
}

// On every frame of contact; the scene reacts after the world update.
void goalIsReached(KTLevelWorld&, const Contact&, const Pair& p)
{
    playSound(KTSoundId::Exit);
    KTMainCharacter* character = dynamic_cast<KTMainCharacter*>(p.y);
    if (character != nullptr) {
        character->goalReached = true;
    }
}

// In the order they are tried; the first that names the pair of kinds
// decides. PetOrShooter, Elevator, AcidFragment and PurpleBlock have no rule.
const Rule rules[] = {
    {{K::DestroyMissile}, {K::BlueBlock}, false, destroyMissileBreaksBlock},
    {{K::DestroyMissile}, {K::RedBlock}, false, destroyMissileBreaksBlock},
    {{K::DestroyMissile}, {K::GreyMissile}, false, destroyMissileMeetsGreyMissile},
    {{K::DestroyMissile}, {K::RedMissile}, false, destroyMissileMeetsRedMissile},
    {{K::DestroyMissile}, {K::PlainBlock}, true, destroyMissileStops},
    {{K::DestroyMissile}, {K::BlackBlock}, false, destroyMissileStops},
    {{K::DestroyMissile}, {K::Pickup}, false, missileStopsSilently},
    {{K::GreyMissile}, {K::BlackBlock}, false, greyMissileStops},
    {{K::RedMissile}, {K::BlackBlock}, false, redMissileStops},
    {{K::GreyMissile}, {K::Blob}, false, greyMissileKillsBlob},
    {{K::RedMissile}, {K::GreyMissile}, false, colourMissilesBurst},
    {{K::GreyMissile}, {K::RedBlock}, false, greyMissileHitsBlock},
    {{K::RedMissile}, {K::BlueBlock}, false, redMissileHitsBlock},
    {{K::LeapingZealot}, {K::PlainBlock, K::GreenBlock, K::YellowBlock, K::BlackBlock}, true, zealotHitsWall},
    {{K::LeapingZealot}, {K::RedBlock, K::BlueBlock}, true, zealotBreaksBlock},
    {{K::GreyMissile}, {K::GoalBlock}, false, missileStopsSilently},
    {{K::RedMissile}, {K::GoalBlock}, false, missileStopsSilently},
    {{K::RedMissile}, {K::Player}, true, playerIsHurt},
    {{K::Blob}, {K::Player}, false, blobHitsPlayer},
    {{K::ReaperMissile}, {K::Player}, false, reaperMissileHitsPlayer},
    {{K::GreyMissile, K::RedMissile, K::ReaperMissile, K::LeapingZealot}, {K::Reaper}, false, enemyIsDamaged},
    {{K::AcidBlock}, {K::GreyMissile, K::RedMissile}, false, acidSprays},
    {{K::AcidBlock}, {K::Player}, false, acidBurnsPlayer},
    {{K::AcidBlock}, {K::Zealot, K::LeapingZealot, K::Anubis, K::Creeper, K::Colossus}, false, acidBurnsEnemy},
    {{K::LeapingZealot}, {K::Player}, true, zealotHitsPlayer},
    {{K::GreyMissile, K::RedMissile}, {K::Anubis}, true, enemyIsDamaged},
    {{K::GreyMissile, K::RedMissile, K::LeapingZealot}, {K::Creeper}, true, creeperIsHit},
    {{K::Player}, {K::Creeper}, false, creeperLunges},
    {{K::LeapingZealot}, {K::Anubis}, true, zealotHitsAnubis},
    {{K::LeapingZealot}, {K::Zealot, K::LeapingZealot}, true, zealotsCollide},
    {{K::GreyMissile, K::RedMissile}, {K::Zealot, K::LeapingZealot}, true, enemyIsDamaged},
    {{K::GreyMissile, K::RedMissile, K::LeapingZealot}, {K::Colossus}, true, colossusIsHit},
    {{K::Pickup}, {K::Player}, false, pickupIsCollected},
    {{K::GoalBlock}, {K::Player}, false, goalIsReached},
};

void respond(KTLevelWorld& world, const Contact& c, bool vertical)
{
    Pair p;
    for (const Rule& rule : rules) {
        if (!matches(c, rule, p)) {
            continue;
        }
        if (!(rule.sideways && vertical)) {
            rule.effect(world, c, p);
        }
        return;
    }
}

} // namespace

// The frame's collision records, in slot order: both objects of a record are
// marked as touched, the first rule that names the pair of kinds (in either
// order) is carried out, and on a vertical contact the upper object is
// grounded. A record naming an object no longer in the map is ignored.
void KTLevelWorld::handleCollisions()
{
    if (physics == nullptr) {
        return;
    }
    const int count = physics->collisions.size();
    for (int i = 0; i < count; ++i) {
        const KTPhysicsCollision& record = physics->collisions[i];
        KTGameObject* a = findObject(record.idA);
        KTGameObject* b = findObject(record.idB);
        if (a == nullptr || b == nullptr) {
            continue;
        }
        a->touched = true;
        b->touched = true;
        const bool vertical = record.axis == VerticalAxis;
        respond(*this, Contact{a, b, record.kindA, record.kindB}, vertical);
        if (vertical && a->physicsObject != nullptr && b->physicsObject != nullptr) {
            if (a->physicsObject->position.y() > b->physicsObject->position.y()) {
                a->grounded = true;
            } else {
                b->grounded = true;
            }
        }
    }
}
