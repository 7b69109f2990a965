// Every shipped level read by the real script reader into a real level
// world, as the level scene loads it.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <typeinfo>

#include "GameFiles.h"
#include "ShippedLevel.h"
#include "engine/core/VXLog.h"
#include "game/level/KTLevelFileReader.h"
#include "game/level/KTLevelWorld.h"
#include "game/objects/KTBlock.h"
#include "game/objects/KTEnemy.h"
#include "game/objects/KTGameObject.h"
#include "game/objects/KTMainCharacter.h"
#include "game/objects/KTPickup.h"
#include "game/objects/QMIntelligence.h"

namespace {

const float WorldSide = 600.0f;
const float WorldTop = 150.0f;

// The lines a script echoed: anything but its comments is a line it did
// not understand.
std::string unknownLines(const std::string& output)
{
    std::istringstream in(unexpectedOutput(output));
    std::string line;
    std::string unknown;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#' || line.rfind("READ FILE ", 0) == 0) {
            continue;
        }
        unknown += line + "\n";
    }
    return unknown;
}

bool inside(const VXVec4& p, float top)
{
    return p.x() >= 0 && p.x() <= WorldSide && p.z() >= 0 && p.z() <= WorldSide && p.y() >= 0 && p.y() < top;
}

} // namespace

TEST(ShippedLevels, EveryLevelBuildsAPlayableWorld)
{
    const std::vector<std::string> levels = shippedLevelNames();
    ASSERT_GE(levels.size(), 8u);
    std::set<std::string> kindsSeen;
    for (const std::string& level : levels) {
        SCOPED_TRACE(level);
        ShippedLevel shipped(level);
        KTMainCharacter& player = shipped.player;
        std::unique_ptr<KTLevelWorld>& world = shipped.world;
        EXPECT_EQ(unknownLines(shipped.output), "");
        EXPECT_FALSE(world->scriptReader->levelName.empty());

        EXPECT_TRUE(inside(player.position, WorldTop)) << player.position.x() << " " << player.position.y() << " "
                                                       << player.position.z();
        int goals = 0;
        for (auto& entry : world->objectMap) {
            KTGameObject* object = entry.second;
            if (object == &player) {
                continue;
            }
            // Elevators ride above the top layer when they carry the player.
            EXPECT_TRUE(inside(object->position, WorldSide)) << typeid(*object).name() << " at "
                                                              << object->position.x() << " "
                                                              << object->position.y() << " "
                                                              << object->position.z();
            KTBlock* block = dynamic_cast<KTBlock*>(object);
            if (block != nullptr) {
                goals += block->blockType == 6 ? 1 : 0;
                kindsSeen.insert("block " + std::to_string(block->blockType));
            } else {
                kindsSeen.insert(typeid(*object).name());
            }
        }
        EXPECT_GE(goals, 1);

        // A few seconds of play must leave the world sound.
        {
            VXLogCapture quiet;
            for (int frame = 0; frame < 300; ++frame) {
                world->update();
            }
        }
        EXPECT_TRUE(world->findObject(player.objectId) == &player);
    }
    // Together the levels use every block the script can make and every
    // kind of object.
    for (int type : { 0, 1, 2, 4, 5, 6, 7, 12 }) {
        EXPECT_TRUE(kindsSeen.count("block " + std::to_string(type))) << "block type " << type;
    }
    for (const char* name : { "KTEnemy", "QMZealot", "RWAnubis", "RWReaper", "RWColossus", "RWCreeper",
                              "RWGrayAmmoPickup", "RWRedAmmoPickup", "RWDestroyAmmoPickup" }) {
        bool found = false;
        for (const std::string& seen : kindsSeen) {
            found = found || seen.find(name) != std::string::npos;
        }
        EXPECT_TRUE(found) << name;
    }
}
