#ifndef TESTS_GAME_OBJECTS_ENEMYWORLD_H
#define TESTS_GAME_OBJECTS_ENEMYWORLD_H

#include "tests/game/level/WorldFixture.h"

#include <string>

#include "game/level/KTPhysicsObject.h"
#include "game/objects/QMIntelligence.h"
#include "support/TempDir.h"

// A level world with the three enemy characters loaded from small files of
// our own: one bone each, every stance set the enemies name, with the
// priorities and successors the game's data has ("Death" leads to the
// looping "Dead", "Attack" to the looping "FlightAttack", "StandToLaser" to
// the looping "Laser"; one-shot sets last OneShotUpdates updates).
class EnemyWorldTest : public LevelWorldTest {
public:
    static constexpr int OneShotUpdates = 8;

protected:
    EnemyWorldTest();
    ~EnemyWorldTest() override;

    // Inserted into the world and spawned with the player as its target.
    template <typename Enemy>
    Enemy* spawn(const VXVec4& p, int minX = 0, int minZ = 0, int maxX = 19, int maxZ = 19)
    {
        Enemy* enemy = new Enemy();
        enemy->position = p;
        world->addObject(enemy, [&] { enemy->spawn(&physics, world.get(), &player, 1, minX, minZ, maxX, maxZ); });
        return enemy;
    }

    // The object's copy and the physics position.
    static void place(KTGameObject* object, const VXVec4& p)
    {
        object->position = p;
        object->physicsObject->position = p;
    }
    void placePlayer(const VXVec4& p) { place(&player, p); }

    // Objects of the map whose type is T.
    template <typename T>
    int countOf() const
    {
        int n = 0;
        for (const auto& entry : world->objectMap) {
            n += dynamic_cast<T*>(entry.second) != nullptr ? 1 : 0;
        }
        return n;
    }

    // Requests the stance and steps the skeleton until it shows (a request
    // of the same priority waits for the current track to restart).
    static void bringTo(VXSkeleton* skeleton, int stance);

    // The stance number of a name in a character's choreography.
    static int stance(const KTCharacterAssets& character, const std::string& name);

private:
    TempDir directory;
};

#endif
