#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "WorldFixture.h"
#include "engine/core/VXLog.h"
#include "support/TempDir.h"
#include "engine/render/VXTexture.h"
#include "game/level/KTLevelFileReader.h"
#include "game/objects/KTEnemy.h"
#include "game/objects/KTPickup.h"
#include "game/objects/KTPhysicsKind.h"
#include "game/objects/QMZealot.h"
#include "game/objects/RWAnubis.h"
#include "game/objects/RWColossus.h"
#include "game/objects/RWCreeper.h"
#include "game/objects/RWReaper.h"
#include "game/start/KTAssets.h"

namespace {

// Scripts run by the world's own reader into a real world.
class ScriptCommands : public LevelWorldTest {
protected:
    TempDir dir;

    std::string script(const std::string& text)
    {
        VXLogCapture logged;
        world->scriptReader->parseFile(dir.write("level.txt", text));
        return logged.text();
    }

    // The objects the script made, in id order (the player excluded).
    std::vector<KTGameObject*> made() const
    {
        std::vector<KTGameObject*> objects;
        for (auto& entry : world->objectMap) {
            if (entry.second != &player) {
                objects.push_back(entry.second);
            }
        }
        return objects;
    }

    template <class T> T* only()
    {
        std::vector<KTGameObject*> objects = made();
        EXPECT_EQ(objects.size(), 1u);
        return objects.empty() ? nullptr : dynamic_cast<T*>(objects[0]);
    }

    static void expectAt(const KTGameObject* object, float x, float y, float z)
    {
        ASSERT_NE(object, nullptr);
        EXPECT_FLOAT_EQ(object->position.x(), x);
        EXPECT_FLOAT_EQ(object->position.y(), y);
        EXPECT_FLOAT_EQ(object->position.z(), z);
    }
};

} // namespace

TEST_F(ScriptCommands, BlocksTakeColourKeysAndTheCursor)
{
    script("x 2\ny 3\nz 1\nCreate_Block\n");
    KTBlock* grey = only<KTBlock>();
    ASSERT_NE(grey, nullptr);
    EXPECT_EQ(grey->blockType, 4);
    // Cell centre of script cell (2, 3, 1): y is up in the world.
    expectAt(grey, 75, 45, 105);

    world->clear();
    script("Create_Block 1 2 3 blue\n");
    KTBlock* blue = only<KTBlock>();
    ASSERT_NE(blue, nullptr);
    EXPECT_EQ(blue->blockType, 1);
    expectAt(blue, 45, 105, 75);

    // "red" in the first place is a number (0), not a colour.
    world->clear();
    script("Create_Block red\n");
    ASSERT_NE(only<KTBlock>(), nullptr);
    EXPECT_EQ(only<KTBlock>()->blockType, 4);

    // A CR LF line keeps its last word clean: blue, not acid.
    world->clear();
    script("Create_Block 1 2 3 blue\r\n");
    EXPECT_EQ(only<KTBlock>()->blockType, 1);

    world->clear();
    script("block color target\n");
    EXPECT_EQ(only<KTBlock>()->blockType, 12);
    world->clear();
    script("target 1 2 0 0\n");
    EXPECT_EQ(only<KTBlock>()->blockType, 7);
    expectAt(only<KTBlock>(), 45, 15, 75);
}

TEST_F(ScriptCommands, ColumnsAndFilledBoxes)
{
    script("red 2 3 0 4\n");
    std::vector<KTGameObject*> column = made();
    ASSERT_EQ(column.size(), 5u);
    for (size_t i = 0; i < column.size(); ++i) {
        EXPECT_EQ(dynamic_cast<KTBlock*>(column[i])->blockType, 0);
        expectAt(column[i], 75, 15 + 30.0f * i, 105);
    }

    world->clear();
    script("Fill_Area x 0 to 2 y 0 1 z 0 0 color black\n");
    std::vector<KTGameObject*> box = made();
    ASSERT_EQ(box.size(), 6u);
    // x outermost, z innermost.
    expectAt(box[0], 15, 15, 15);
    expectAt(box[1], 15, 15, 45);
    expectAt(box[2], 45, 15, 15);
    for (KTGameObject* object : box) {
        EXPECT_EQ(dynamic_cast<KTBlock*>(object)->blockType, 5);
    }

    world->clear();
    script("Fill_Area x 3 1\n");
    EXPECT_TRUE(made().empty());
    // Bare ranges: the step's own word is the low end.
    script("fill 1 to 1 2 2 0 0 green\n");
    ASSERT_EQ(made().size(), 1u);
    EXPECT_EQ(dynamic_cast<KTBlock*>(made()[0])->blockType, 2);
    expectAt(made()[0], 45, 15, 75);
}

TEST_F(ScriptCommands, AIEnemiesByWordWithTheirRoamingRectangle)
{
    script("Create_AI\n");
    QMZealot* zealot = only<QMZealot>();
    ASSERT_NE(zealot, nullptr);
    EXPECT_EQ(zealot->spawnFlag, 1);
    EXPECT_EQ(zealot->roamMinX, 0);
    EXPECT_EQ(zealot->roamMinZ, 0);
    EXPECT_EQ(zealot->roamMaxX, 20);
    EXPECT_EQ(zealot->roamMaxZ, 20);

    world->clear();
    script("Create_AI type oni\n");
    EXPECT_NE(only<RWReaper>(), nullptr);
    world->clear();
    script("AI type dragon\n");
    EXPECT_NE(only<RWAnubis>(), nullptr);
    world->clear();
    script("ai type finalboss\n");
    EXPECT_NE(only<RWColossus>(), nullptr);
    world->clear();
    script("creeper 1 1 0 0 0 5 5\n");
    EXPECT_NE(only<RWCreeper>(), nullptr);

    world->clear();
    script("anubis 3 4 0 0 0 19 19\n");
    RWAnubis* anubis = only<RWAnubis>();
    ASSERT_NE(anubis, nullptr);
    // No half cell on the world's z axis.
    expectAt(anubis, 105, 15, 120);
    EXPECT_EQ(anubis->roamMaxX, 19);
    EXPECT_EQ(anubis->roamMaxZ, 19);
}

TEST_F(ScriptCommands, EnemiesElevatorsAndPickups)
{
    script("Create_Enemy 2 2 0\n");
    KTEnemy* pet = only<KTEnemy>();
    ASSERT_NE(pet, nullptr);
    EXPECT_EQ(pet->enemyKind, 0);

    world->clear();
    script("x 4\ny 1\nCreate_Enemy type blob\n");
    ASSERT_NE(only<KTEnemy>(), nullptr);
    EXPECT_EQ(only<KTEnemy>()->enemyKind, 3);

    for (const char* command : { "Elevator 5 5 0 3\n", "yellowblock 5 5 0 3\n" }) {
        world->clear();
        script(command);
        KTEnemy* elevator = only<KTEnemy>();
        ASSERT_NE(elevator, nullptr);
        EXPECT_EQ(elevator->enemyKind, 2);
        EXPECT_EQ(elevator->topCell, 3);
        EXPECT_FLOAT_EQ(elevator->home.x(), 165);
        EXPECT_FLOAT_EQ(elevator->home.y(), 15);
        EXPECT_FLOAT_EQ(elevator->home.z(), 165);
    }

    world->clear();
    script("blueammo 1 1 0 0\n");
    expectAt(only<RWGrayAmmoPickup>(), 45, 15, 45);
    world->clear();
    script("Create_Item 2 2 0 destroy\n");
    EXPECT_NE(only<RWDestroyAmmoPickup>(), nullptr);
    world->clear();
    script("ammo type redammo\n");
    EXPECT_NE(only<RWRedAmmoPickup>(), nullptr);
    world->clear();
    script("item type purple\n");
    EXPECT_NE(only<RWGrayAmmoPickup>(), nullptr);
}

TEST_F(ScriptCommands, PlayerPlacementAndItsCounters)
{
    script("Create_Player 2 3 0 10 5\n");
    EXPECT_FLOAT_EQ(player.position.x(), 75);
    EXPECT_FLOAT_EQ(player.position.y(), 15);
    EXPECT_FLOAT_EQ(player.position.z(), 105);
    EXPECT_EQ(player.greyAmmo, 10);
    EXPECT_EQ(player.destroyAmmo, 5);
    EXPECT_EQ(player.redAmmo, 0);

    script("x 4\ny 5\nz 1\nCreate_Player grey 10 x 2\n");
    EXPECT_FLOAT_EQ(player.position.x(), 75);
    EXPECT_FLOAT_EQ(player.position.y(), 45);
    EXPECT_FLOAT_EQ(player.position.z(), 165);
    EXPECT_EQ(player.greyAmmo, 10);

    // A key in step 0, then a bare value in step 1.
    script("Create_Player z 1 7\n");
    EXPECT_FLOAT_EQ(player.position.y(), 45);
    EXPECT_FLOAT_EQ(player.position.z(), 225);

    script("zelk 2 3 0 0 10 5 1\n");
    EXPECT_FLOAT_EQ(player.position.x(), 75);
    EXPECT_EQ(player.greyAmmo, 10);
    EXPECT_EQ(player.destroyAmmo, 5);
    EXPECT_EQ(player.redAmmo, 1);
    script("hero 2 3 0 10 5 1\n");
    EXPECT_EQ(player.greyAmmo, 5);
    EXPECT_EQ(player.destroyAmmo, 1);
    EXPECT_EQ(player.redAmmo, 0);
    EXPECT_TRUE(made().empty());
}

TEST_F(ScriptCommands, HelpSignsFindTheirImageByName)
{
    VXTexture goal;
    assets().helpImages["goal"] = &goal;
    std::string out = script("Texture 2 3 1 40 goal\nTexture 0.5 0 0 10 nothing\n");
    assets().helpImages.clear();
    EXPECT_NE(out.find("READ FILE goal\n"), std::string::npos);
    ASSERT_EQ(world->helpSigns.size(), 2u);
    const KTHelpSign& sign = world->helpSigns[0];
    EXPECT_TRUE(sign.active);
    EXPECT_FLOAT_EQ(sign.position.x(), 60);
    EXPECT_FLOAT_EQ(sign.position.y(), 30);
    EXPECT_FLOAT_EQ(sign.position.z(), 90);
    EXPECT_FLOAT_EQ(sign.radius, 40);
    EXPECT_EQ(sign.texture, &goal);
    EXPECT_FLOAT_EQ(world->helpSigns[1].position.x(), 15);
    EXPECT_EQ(world->helpSigns[1].texture, nullptr);
}

TEST_F(ScriptCommands, WallsLineTheBorderOnceAndResetTheCursor)
{
    script("Length 4\nWidth 3\nHeight 2\nx 2\nAdd_Walls\n");
    KTLevelFileReader& reader = *world->scriptReader;
    EXPECT_EQ(reader.cursorX, 0);
    EXPECT_EQ(reader.cursorY, 0);
    EXPECT_EQ(reader.cursorZ, 0);
    // Border of a 4 x 3 floor: 10 cells per layer, two layers.
    std::vector<KTGameObject*> walls = made();
    ASSERT_EQ(walls.size(), 20u);
    std::set<std::tuple<int, int, int>> cells;
    for (KTGameObject* wall : walls) {
        EXPECT_EQ(dynamic_cast<KTBlock*>(wall)->blockType, 4);
        int cx = static_cast<int>(wall->position.x()) / 30;
        int cz = static_cast<int>(wall->position.y()) / 30;
        int cy = static_cast<int>(wall->position.z()) / 30;
        EXPECT_TRUE(cx == 0 || cx == 3 || cy == 0 || cy == 2);
        cells.insert(std::make_tuple(cx, cy, cz));
    }
    EXPECT_EQ(cells.size(), 20u);
}

TEST_F(ScriptCommands, AWholeLevelFromOneScript)
{
    VXTexture help;
    assets().helpImages["help"] = &help;
    const std::string out = script("Level Courtyard\n"
                                   "Length 6\nWidth 6\nHeight 3\n"
                                   "# the floor row and a goal on it\n"
                                   "Fill_Area x 0 to 5 y 0 to 0 z 0 to 0 color grey\n"
                                   "For 1 to 3\n"
                                   "Create_Block loop_count 2 0 blue\n"
                                   "goal 5 5 0 0\n"
                                   "Create_Player 1 1 1 3 2\n"
                                   "Elevator 4 4 0 2\n"
                                   "redammo 2 4 0\n"
                                   "reaper 3 3 0 1 1 5 5\n"
                                   "x 2\ny 5\n"
                                   "Create_Enemy type shooter\n"
                                   "Pet 0 5 0\n"
                                   "Create_AI 4 1 0 creeper\n"
                                   "destroyammo 0 0 1\n"
                                   "Texture 1.5 2 0 25 help\n");
    assets().helpImages.clear();

    // Class, world position once set up, and physics kind, in creation order.
    enum Class { Block, Enemy, Reaper, Creeper, RedAmmo, DestroyAmmo };
    struct Expected {
        Class what;
        float x, y, z;
        int kind;
    };
    std::vector<Expected> expected;
    for (int cx = 0; cx < 6; ++cx) {
        expected.push_back({ Block, 15 + 30.0f * cx, 15, 15, KTPhysicsKind::PlainBlock });
    }
    expected.push_back({ Block, 45, 15, 75, KTPhysicsKind::BlueBlock });
    expected.push_back({ Block, 75, 15, 75, KTPhysicsKind::BlueBlock });
    expected.push_back({ Block, 165, 15, 165, KTPhysicsKind::GoalBlock });
    expected.push_back({ Enemy, 135, 15, 135, KTPhysicsKind::Elevator });
    expected.push_back({ RedAmmo, 75, 15, 135, KTPhysicsKind::Pickup });
    // AI enemies stand on the cell's edge along the world's z.
    expected.push_back({ Reaper, 105, 15, 90, KTPhysicsKind::Reaper });
    // Generic enemies keep the cell's corner.
    expected.push_back({ Enemy, 60, 0, 150, KTPhysicsKind::PetOrShooter });
    expected.push_back({ Enemy, 0, 0, 150, KTPhysicsKind::PetOrShooter });
    expected.push_back({ Creeper, 135, 15, 30, KTPhysicsKind::Creeper });
    expected.push_back({ DestroyAmmo, 15, 45, 15, KTPhysicsKind::Pickup });

    std::vector<KTGameObject*> objects = made();
    ASSERT_EQ(objects.size(), expected.size());
    for (size_t i = 0; i < objects.size(); ++i) {
        SCOPED_TRACE("object " + std::to_string(i));
        KTGameObject* object = objects[i];
        switch (expected[i].what) {
        case Block: EXPECT_NE(dynamic_cast<KTBlock*>(object), nullptr); break;
        case Enemy: EXPECT_NE(dynamic_cast<KTEnemy*>(object), nullptr); break;
        case Reaper: EXPECT_NE(dynamic_cast<RWReaper*>(object), nullptr); break;
        case Creeper: EXPECT_NE(dynamic_cast<RWCreeper*>(object), nullptr); break;
        case RedAmmo: EXPECT_NE(dynamic_cast<RWRedAmmoPickup*>(object), nullptr); break;
        case DestroyAmmo: EXPECT_NE(dynamic_cast<RWDestroyAmmoPickup*>(object), nullptr); break;
        }
        expectAt(object, expected[i].x, expected[i].y, expected[i].z);
        EXPECT_EQ(object->body.kind, expected[i].kind);
    }
    EXPECT_EQ(dynamic_cast<KTEnemy*>(objects[9])->topCell, 2);
    EXPECT_EQ(dynamic_cast<KTEnemy*>(objects[12])->enemyKind, 1);
    EXPECT_EQ(dynamic_cast<KTEnemy*>(objects[13])->enemyKind, 0);
    // Map keys and body ids advance together.
    for (auto& entry : world->objectMap) {
        EXPECT_EQ(entry.first, entry.second->objectId);
        EXPECT_EQ(entry.first, entry.second->body.id);
    }
    EXPECT_EQ(world->scriptReader->levelName, "Courtyard");
    EXPECT_FLOAT_EQ(player.position.x(), 45);
    EXPECT_FLOAT_EQ(player.position.y(), 45);
    EXPECT_FLOAT_EQ(player.position.z(), 45);
    EXPECT_EQ(player.greyAmmo, 3);
    EXPECT_EQ(player.destroyAmmo, 2);
    EXPECT_EQ(player.redAmmo, 0);
    ASSERT_EQ(world->helpSigns.size(), 1u);
    EXPECT_FLOAT_EQ(world->helpSigns[0].position.x(), 45);
    EXPECT_FLOAT_EQ(world->helpSigns[0].position.z(), 60);
    EXPECT_EQ(world->helpSigns[0].texture, &help);
    // Only the comment is echoed, with its empty line.
    EXPECT_NE(out.find("# the floor row and a goal on it\n\n"), std::string::npos) << out;
    EXPECT_NE(out.find("READ FILE help\n"), std::string::npos) << out;
}

TEST_F(ScriptCommands, RunawayCreationIsCutShort)
{
    std::string out = script("Level Flood\nFill_Area x 0 to 2000000000 y 0 to 2000000000 z 0 to 5\n"
                             "Create_Block 1 1 1\n");
    EXPECT_EQ(made().size(), static_cast<size_t>(KTLevelFileReader::MaxCreatedObjects));
    EXPECT_NE(out.find("TOO MANY OBJECTS IN LEVEL Flood"), std::string::npos);
    // A new file starts counting again.
    world->clear();
    script("Create_Block 1 1 1\n");
    EXPECT_EQ(made().size(), 1u);
}

TEST_F(ScriptCommands, HugeEmptyBoxesAndFloorlessWallsMakeNothingAtOnce)
{
    // One empty range empties the whole box, however long the others are.
    script("Fill_Area x 0 to 2000000000 y 0 to 2000000000 z 1 0\n"
           "Fill_Area x 0 to 2000000000 y 5 0 z 0 to 2000000000\n");
    EXPECT_TRUE(made().empty());
    script("Length 0\nWidth 5\nHeight 2000000000\nAdd_Walls\n");
    EXPECT_TRUE(made().empty());

    // Walls cut short by the object limit still leave the cursor at the origin.
    const std::string out =
        script("Level Maze\nLength 2000000000\nWidth 2000000000\nHeight 5\nx 3\ny 4\nz 1\nAdd_Walls\n");
    EXPECT_EQ(made().size(), static_cast<size_t>(KTLevelFileReader::MaxCreatedObjects));
    EXPECT_NE(out.find("TOO MANY OBJECTS IN LEVEL Maze"), std::string::npos);
    const KTLevelFileReader& reader = *world->scriptReader;
    EXPECT_EQ(reader.cursorX, 0);
    EXPECT_EQ(reader.cursorY, 0);
    EXPECT_EQ(reader.cursorZ, 0);
}

TEST(ScriptCommandsWithoutAWorld, CreatingCommandsMakeNothingAndReturn)
{
    TempDir dir;
    KTLevelFileReader reader;
    VXLogCapture logged;
    reader.parseFile(dir.write("level.txt",
                               "Fill_Area x 0 to 2000000000 y 0 to 2000000000 z 0 to 2000000000\n"
                               "red 0 0 -2000000000 2000000000\n"
                               "Length 2000000000\nWidth 2000000000\nHeight 2000000000\nAdd_Walls\n"
                               "Create_Player 1 1 1\nTexture 1 1 1 1 goal\nanubis 1 1 0 0 0 5 5\n"));
    const std::string out = logged.text();
    // Only the file's final empty line, echoed.
    EXPECT_EQ(out, "\n\n");
    EXPECT_EQ(reader.cursorX, 0);
}

TEST_F(ScriptCommands, EmptyRangesAndEmptyWallLayersMakeNothing)
{
    // The outer ranges are huge, the inner ones empty: no block in any of
    // them, and no time spent running through them.
    const auto start = std::chrono::steady_clock::now();
    script("Fill_Area x -2000000000 to 2000000000 y 1 to 0 z 0 to 0\n"
           "Fill_Area x 0 to 0 y -2000000000 to 2000000000 z 5 to 4\n"
           "Length 0\nWidth 2\nHeight 2000000000\nAdd_Walls\n"
           "Length -5\nWidth -5\nAdd_Walls\n"
           "Create_Block 1 1 1\n");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(made().size(), 1u);
}

TEST_F(ScriptCommands, WallsCutShortStillResetTheCursor)
{
    std::string out = script("Level Ring\nLength 2000000000\nWidth 2000000000\nHeight 3\nx 3\ny 4\nAdd_Walls\n");
    EXPECT_EQ(made().size(), static_cast<size_t>(KTLevelFileReader::MaxCreatedObjects));
    EXPECT_NE(out.find("TOO MANY OBJECTS IN LEVEL Ring"), std::string::npos);
    EXPECT_EQ(world->scriptReader->cursorX, 0);
    EXPECT_EQ(world->scriptReader->cursorY, 0);
}

TEST_F(ScriptCommands, AIEnemiesHaveALimitOfTheirOwn)
{
    std::string out = script("Level Crowd\nFor 0 To 130\nanubis 3 3 0 0 0 19 19\nFor 0 To 120\nCreate_Enemy 1 1 0\n"
                             "For 0 To 30\nElevator 2 2 0 3\nCreate_Pet 4 4 0\nCreate_Enemy type blob\n"
                             "Fill_Area x 0 to 9 y 0 to 9 z 0 to 0\nammo 5 5 0\n");
    size_t aiEnemies = 0;
    size_t scripted = 0;
    size_t blocks = 0;
    size_t pickups = 0;
    for (KTGameObject* object : made()) {
        aiEnemies += dynamic_cast<QMIntelligence*>(object) != nullptr;
        scripted += dynamic_cast<KTEnemy*>(object) != nullptr;
        blocks += dynamic_cast<KTBlock*>(object) != nullptr;
        pickups += dynamic_cast<KTPickup*>(object) != nullptr;
    }
    EXPECT_EQ(aiEnemies, static_cast<size_t>(KTLevelFileReader::MaxAIEnemies));
    // Reported once; scripted enemies, pets, blobs, elevators and what does
    // not move are all made.
    const std::string message = "TOO MANY AI ENEMIES IN LEVEL Crowd\n";
    ASSERT_NE(out.find(message), std::string::npos);
    EXPECT_EQ(out.find(message, out.find(message) + 1), std::string::npos);
    EXPECT_EQ(scripted, 152u);
    EXPECT_EQ(blocks, 100u);
    EXPECT_EQ(pickups, 1u);

    // A new file starts counting again.
    world->clear();
    script("anubis 3 3 0 0 0 19 19\n");
    EXPECT_EQ(made().size(), 1u);
}
