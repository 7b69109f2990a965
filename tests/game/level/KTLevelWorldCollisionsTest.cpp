#include "tests/game/level/WorldFixture.h"

#include <algorithm>

#include "game/audio/KTSoundId.h"
#include "game/level/KTPhysicsObject.h"
#include "game/objects/KTBlockMissile.h"
#include "game/objects/KTEnemy.h"
#include "game/objects/KTPickup.h"
#include "game/objects/QMIntelligence.h"
#include "game/objects/RWCreeper.h"
#include "support/TestWindow.h"

namespace {

// An AI enemy that only counts the damage it takes, for the kinds whose
// classes the rules reach through the AI base alone.
class Dummy : public QMIntelligence {
public:
    int damageTaken = 0;

    void spawn(KTPhysicsWorld* physics, KTLevelWorld* level, KTGameObject* target, int flag, int minX, int minZ,
               int maxX, int maxZ) override
    {
        body.boxMin = VXVec4(-15, -15, -15, 1);
        body.boxMax = VXVec4(15, 15, 15, 1);
        body.inverseMass = 1.0f;
        body.collides = true;
        initialize(physics, level, target, flag, minX, minZ, maxX, maxZ);
    }
    void draw(VXViewState*, VXShaderProgram*) override {}
    void idle() override {}
    void alert() override {}
    void wander() override {}
    void pursue() override {}
    void attack1() override {}
    void takeDamage(int amount) override { damageTaken += amount; }
    void die() override {}
    float walkSpeed() override { return 0; }
    float runSpeed() override { return 0; }
    float sightRange() override { return 0; }
};

class Collisions : public LevelWorldTest {
protected:
    // One record between two objects of the world, read by the world's pass.
    void contact(KTGameObject* a, KTGameObject* b, int axis)
    {
        physics.collisions.add(KTPhysicsCollision{a->body.kind, a->body.id, b->body.kind, b->body.id, axis});
        world->handleCollisions();
        physics.collisions.clear();
    }

    bool queued(const KTGameObject* object) const
    {
        const std::list<int>& list = world->removalList;
        return std::find(list.begin(), list.end(), object->objectId) != list.end();
    }

    // Standing still in cell (cx, cy, cz).
    KTBlockMissile* missile(int type, int cx, int cy, int cz)
    {
        KTBlockMissile* m = new KTBlockMissile();
        m->missileType = type;
        m->position = cellCentre(cx, cy, cz);
        m->orientation.x() = m->orientation.y() = m->orientation.z() = m->orientation.w() = 0.0f;
        world->addObject(m);
        return m;
    }

    template <class T>
    T* enemy(int kind, int cx, int cy, int cz)
    {
        T* e = new T();
        e->position = cellCentre(cx, cy, cz);
        world->addObject(e, [&] { e->spawn(&physics, world.get(), &player, 1, 0, 0, 19, 19); });
        e->body.kind = kind;
        return e;
    }

    void placePlayer(const VXVec4& p)
    {
        player.position = p;
        player.physicsObject->position = p;
    }

    const KTExplosion* explosionOf(int count) const
    {
        for (const KTExplosion& e : world->particles.explosions) {
            if (e.active && e.count == count) {
                return &e;
            }
        }
        return nullptr;
    }

    std::vector<int> soundIds() const
    {
        std::vector<int> ids;
        for (const RecordingSoundTable::Played& p : sounds.played) {
            ids.push_back(p.id);
        }
        return ids;
    }
};

} // namespace

TEST_F(Collisions, GreyMissileBreaksARedBlockAndChainsItsNeighbours)
{
    KTBlock* red = block(5, 1, 5, 0);
    KTBlock* neighbour = block(6, 1, 5, 0);
    KTBlock* tough = block(5, 1, 10, 0);
    tough->hitPoints = 2;
    const int redId = red->objectId;
    const VXQuat east = VXQuat::fromAngleAxis(1.5707964f, 0, 1, 0);
    KTBlockMissile* shots[2];
    for (int i = 0; i < 2; ++i) {
        shots[i] = new KTBlockMissile();
        shots[i]->missileType = 1;
        shots[i]->position = VXVec4(120, 45, i == 0 ? 165 : 315, 1);
        shots[i]->orientation = east;
        world->addObject(shots[i]);
    }
    const int firstShot = shots[0]->objectId;
    const int secondShot = shots[1]->objectId;

    // The third pass brings both into contact.
    run(3);
    EXPECT_EQ(soundIds(), (std::vector<int>{KTSoundId::BlueBlockHit, KTSoundId::BlockExplode,
                                            KTSoundId::BlockExplode}));
    EXPECT_EQ(sounds.played[1].position.x(), 165.0f);
    EXPECT_FALSE(inWorld(redId));
    EXPECT_FALSE(inWorld(firstShot));
    EXPECT_TRUE(neighbour->destroyed);
    EXPECT_EQ(world->chainQueue, (std::vector<int>{neighbour->objectId}));
    EXPECT_NE(explosionOf(60), nullptr);

    // A block with hit points left stops the missile without a sound.
    EXPECT_FALSE(inWorld(secondShot));
    EXPECT_TRUE(inWorld(tough->objectId));
    EXPECT_EQ(tough->hitPoints, 1);
    EXPECT_FALSE(tough->destroyed);
}

TEST_F(Collisions, SameColourPairsHaveNoRuleBeyondTheFlags)
{
    KTBlock* red = block(5, 1, 5, 0);
    KTBlock* blue = block(7, 1, 5, 1);
    KTBlockMissile* redShot = missile(0, 4, 1, 5);
    KTBlockMissile* greyShot = missile(1, 8, 1, 5);
    contact(redShot, red, 0);
    contact(blue, greyShot, 2);
    EXPECT_TRUE(sounds.played.empty());
    EXPECT_TRUE(world->removalList.empty());
    EXPECT_TRUE(redShot->touched && red->touched && greyShot->touched && blue->touched);
    EXPECT_EQ(red->hitPoints, 1);
}

TEST_F(Collisions, DestroyMissileOnAPlainBlockActsOnlyFromTheSide)
{
    KTBlock* plain = block(5, 0, 5, 4);
    KTBlockMissile* shot = missile(9, 5, 1, 5);
    contact(shot, plain, 1);
    EXPECT_TRUE(sounds.played.empty());
    EXPECT_TRUE(world->removalList.empty());
    EXPECT_TRUE(shot->grounded);
    EXPECT_FALSE(plain->grounded);

    contact(plain, shot, 0);
    ASSERT_EQ(soundIds(), (std::vector<int>{KTSoundId::DestroyHit}));
    EXPECT_EQ(sounds.played[0].position.y(), shot->position.y());
    EXPECT_TRUE(queued(shot));
    EXPECT_FALSE(queued(plain));
}

TEST_F(Collisions, DestroyedBlockStopsNoColourMissileButADestroyMissileStillTakesIt)
{
    KTBlock* red = block(5, 1, 5, 0);
    red->destroyed = true;
    KTBlockMissile* grey = missile(1, 4, 1, 5);
    contact(grey, red, 0);
    EXPECT_TRUE(world->removalList.empty());
    EXPECT_TRUE(sounds.played.empty());

    KTBlockMissile* destroy = missile(9, 6, 1, 5);
    contact(red, destroy, 0);
    EXPECT_EQ(soundIds(), (std::vector<int>{KTSoundId::BlockDestroy}));
    EXPECT_TRUE(queued(red) && queued(destroy));
}

TEST_F(Collisions, RedAndGreyMissilesBurstAtTheRecordsB)
{
    // Each missile has a red block beside it that the other's blast misses.
    KTBlockMissile* grey = missile(1, 10, 1, 10);
    KTBlockMissile* red = missile(0, 11, 1, 10);
    KTBlock* byGrey = block(9, 1, 10, 0);
    KTBlock* byRed = block(12, 1, 10, 0);
    physics.resolveCollisions();
    contact(grey, red, 0);
    EXPECT_TRUE(byRed->destroyed);
    EXPECT_FALSE(byGrey->destroyed);
    EXPECT_EQ(soundIds(), (std::vector<int>{KTSoundId::BlueBlockHit, KTSoundId::RedBlockHit, KTSoundId::BlockExplode,
                                            KTSoundId::BlockExplode}));
    EXPECT_EQ(sounds.played[0].position.x(), grey->position.x());
    EXPECT_EQ(sounds.played[1].position.x(), red->position.x());
    EXPECT_TRUE(queued(grey) && queued(red));
    ASSERT_NE(explosionOf(60), nullptr);
    EXPECT_EQ(explosionOf(60)->particles[0].position.x(), red->position.x());

    byRed->destroyed = false;
    contact(red, grey, 0);
    EXPECT_TRUE(byGrey->destroyed);
}

TEST_F(Collisions, PickupIsCollectedOnlyWhileItsCounterHasRoom)
{
    RWRedAmmoPickup* pickup = new RWRedAmmoPickup();
    pickup->position = cellCentre(5, 0, 5);
    world->addObject(pickup);
    player.redAmmo = 999;
    contact(&player, pickup, 0);
    EXPECT_TRUE(sounds.played.empty());
    EXPECT_FALSE(queued(pickup));
    EXPECT_EQ(player.redAmmo, 999);

    player.redAmmo = 0;
    contact(pickup, &player, 0);
    EXPECT_EQ(soundIds(), (std::vector<int>{KTSoundId::ItemUp}));
    EXPECT_TRUE(queued(pickup));
    EXPECT_EQ(player.redAmmo, 20);
}

TEST_F(Collisions, GoalIsReachedOnEveryFrameOfContact)
{
    block(5, 0, 5, 6);
    // Resting on the goal block: the only thing the player can touch.
    placePlayer(VXVec4(165, 44.9f, 165, 1));
    int contacts = 0;
    for (int frame = 1; frame <= 30; ++frame) {
        run(1);
        EXPECT_EQ(player.goalReached, player.touched) << "frame " << frame;
        contacts += player.touched ? 1 : 0;
        player.goalReached = false;
    }
    EXPECT_GE(contacts, 10);
    EXPECT_EQ(sounds.countOf(KTSoundId::Exit), contacts);
    EXPECT_FALSE(sounds.played[0].positional);
}

TEST_F(Collisions, LeapingZealotHurtsOnlyFromTheSideAndOnlySoundsOnAFreshHit)
{
    Dummy* zealot = enemy<Dummy>(11, 10, 1, 10);
    placePlayer(cellCentre(10, 0, 10));
    contact(zealot, &player, 1);
    EXPECT_TRUE(sounds.played.empty());
    EXPECT_EQ(player.health, 4);

    contact(&player, zealot, 2);
    EXPECT_EQ(soundIds(), (std::vector<int>{KTSoundId::ZealotHit, KTSoundId::PlayerPain}));
    EXPECT_EQ(player.health, 3);
    contact(zealot, &player, 0);
    EXPECT_EQ(sounds.played.size(), 2u);
    EXPECT_EQ(player.health, 3);
}

TEST_F(Collisions, AIEnemiesTakeDamageByTheirRules)
{
    struct Row {
        int attacker;
        int victim;
        int axis;
        int damage;
        int sounds;
    };
    const Row rows[] = {
        {1, 20, 1, 1, 0},  {21, 20, 0, 1, 0}, {11, 20, 1, 1, 0}, {13, 12, 0, 1, 0}, {13, 12, 1, 0, 0},
        {11, 12, 2, 1, 1}, {1, 10, 0, 1, 0},  {13, 11, 1, 0, 0}, {11, 17, 0, 1, 1}, {1, 17, 2, 1, 0},
        {1, 17, 1, 0, 0},  {200, 12, 1, 1, 1},
    };
    int cell = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "kinds " << row.attacker << ", " << row.victim << " axis " << row.axis);
        Dummy* victim = enemy<Dummy>(row.victim, 1 + cell % 18, 1, 1 + cell / 18 * 2);
        KTBlock* attacker = block(1 + cell % 18, 2, 1 + cell / 18 * 2, 4);
        attacker->body.kind = row.attacker;
        ++cell;
        sounds.played.clear();
        contact(attacker, victim, row.axis);
        EXPECT_EQ(victim->damageTaken, row.damage);
        EXPECT_EQ(static_cast<int>(sounds.played.size()), row.sounds);
        // Missiles that hit an AI enemy are not queued here.
        EXPECT_FALSE(queued(attacker));
    }

    // Two zealots: the sound at A, the damage to the walking one.
    Dummy* walking = enemy<Dummy>(10, 15, 1, 15);
    Dummy* leaping = enemy<Dummy>(11, 16, 1, 15);
    sounds.played.clear();
    contact(walking, leaping, 0);
    EXPECT_EQ(walking->damageTaken, 1);
    EXPECT_EQ(leaping->damageTaken, 0);
    ASSERT_EQ(sounds.played.size(), 1u);
    EXPECT_EQ(sounds.played[0].position.x(), walking->position.x());
    walking->body.kind = 11;
    contact(walking, leaping, 2);
    EXPECT_EQ(walking->damageTaken, 2);
    EXPECT_EQ(leaping->damageTaken, 1);
}

TEST_F(Collisions, AcidSpraysAFragmentBurnsThePlayerAndGoes)
{
    KTBlock* acid = block(5, 1, 5, 12);
    KTBlockMissile* shot = missile(0, 4, 1, 5);
    const int before = world->nextId;
    contact(shot, acid, 0);
    EXPECT_EQ(soundIds(), (std::vector<int>{KTSoundId::BlockAcidSpray}));
    EXPECT_TRUE(queued(acid) && queued(shot));
    KTBlockMissile* fragment = dynamic_cast<KTBlockMissile*>(world->findObject(before));
    ASSERT_NE(fragment, nullptr);
    EXPECT_EQ(fragment->missileType, 13);
    ASSERT_NE(explosionOf(60), nullptr);
    EXPECT_EQ(explosionOf(60)->particles[0].position.x(), shot->position.x());

    KTBlock* pool = block(8, 0, 8, 12);
    sounds.played.clear();
    contact(&player, pool, 1);
    EXPECT_EQ(soundIds(), (std::vector<int>{KTSoundId::BlockAcidTouch, KTSoundId::PlayerPain}));
    EXPECT_TRUE(queued(pool));
    EXPECT_EQ(player.health, 3);
}

TEST_F(Collisions, BlobDiesToAGreyMissileAndHitsThePlayer)
{
    KTEnemy* blob = new KTEnemy();
    blob->position = cellCentre(5, 0, 5);
    world->addEnemy(blob, KTEnemy::Blob);
    KTBlockMissile* shot = missile(1, 4, 0, 5);
    contact(blob, shot, 0);
    EXPECT_EQ(soundIds(), (std::vector<int>{KTSoundId::BlueBlockHit, KTSoundId::BlobDeath}));
    EXPECT_TRUE(queued(blob));
    EXPECT_FALSE(queued(shot));
    EXPECT_NE(explosionOf(30), nullptr);

    sounds.played.clear();
    contact(blob, &player, 1);
    EXPECT_EQ(soundIds(), (std::vector<int>{KTSoundId::BlobMelee, KTSoundId::PlayerPain}));
    // A spent player is not hurt again.
    player.health = 0;
    player.painTimer = 0;
    contact(blob, &player, 0);
    EXPECT_EQ(player.health, 0);
}

TEST_F(Collisions, MissilesGoWithTheCreepersLastHitAndThePlayerSetsItOff)
{
    ASSERT_TRUE(openTestWindow());
    RWCreeper* creeper = enemy<RWCreeper>(14, 10, 0, 10);
    KTBlockMissile* first = missile(1, 9, 0, 10);
    KTBlockMissile* second = missile(0, 11, 0, 10);
    contact(first, creeper, 1);
    EXPECT_EQ(creeper->hitPoints, 2);
    contact(first, creeper, 0);
    EXPECT_EQ(creeper->hitPoints, 1);
    EXPECT_FALSE(queued(first));
    contact(creeper, second, 2);
    EXPECT_EQ(creeper->hitPoints, 0);
    EXPECT_TRUE(queued(second));

    RWCreeper* other = enemy<RWCreeper>(14, 3, 0, 3);
    EXPECT_FALSE(other->charged);
    contact(&player, other, 1);
    EXPECT_TRUE(other->charged);
}

TEST_F(Collisions, UpperObjectOfAVerticalContactIsGroundedAndUnknownIdsAreIgnored)
{
    KTBlock* lower = block(5, 0, 5, 4);
    KTBlock* upper = block(5, 1, 5, 4);
    contact(upper, lower, 1);
    EXPECT_TRUE(upper->grounded);
    EXPECT_FALSE(lower->grounded);
    upper->grounded = false;
    // Level: the record's B.
    KTBlock* side = block(6, 1, 5, 4);
    contact(upper, side, 1);
    EXPECT_TRUE(side->grounded);
    EXPECT_FALSE(upper->grounded);

    KTBlock* alone = block(9, 0, 9, 4);
    physics.collisions.add(KTPhysicsCollision{100, alone->body.id, 100, 99999, 0});
    world->handleCollisions();
    EXPECT_FALSE(alone->touched);
}
