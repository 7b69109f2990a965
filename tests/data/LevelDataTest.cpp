// The shipped levels as the game's own script reader builds them: their
// blocks, creatures, pickups, signs and the player's start, and each script
// line with what it made.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <typeinfo>
#include <vector>

#include "GameFiles.h"
#include "ShippedLevel.h"
#include "game/objects/KTBlock.h"
#include "game/objects/KTEnemy.h"
#include "game/objects/KTPickup.h"
#include "game/objects/QMZealot.h"
#include "game/objects/RWAnubis.h"
#include "game/objects/RWColossus.h"
#include "game/objects/RWCreeper.h"
#include "game/objects/RWReaper.h"
#include "game/start/KTAssetLoaders.h"
#include "support/game/EnemyHitPoints.h"

namespace {

const char* const LEVEL_LIST = "Data/Level List.txt";
const float CellSide = 30.0f;
const int GoalBlock = 6;
const int LevelSide = 20;
const int LevelLayers = 5;

// A script cell: x and y across the floor, z up.
struct Cell {
    int x, y, z;
    bool operator<(const Cell& o) const { return std::tie(x, y, z) < std::tie(o.x, o.y, o.z); }
    bool operator==(const Cell& o) const { return std::tie(x, y, z) == std::tie(o.x, o.y, o.z); }
};

std::ostream& operator<<(std::ostream& out, const Cell& c)
{
    return out << "cell " << c.x << " " << c.y << " " << c.z;
}

// The script cell holding a world position (y up).
Cell cellOf(const VXVec4& p)
{
    return Cell{static_cast<int>(std::floor(p.x() / CellSide)), static_cast<int>(std::floor(p.z() / CellSide)),
                static_cast<int>(std::floor(p.y() / CellSide))};
}

bool insideLevel(const Cell& c)
{
    return c.x >= 0 && c.x < LevelSide && c.y >= 0 && c.y < LevelSide && c.z >= 0 && c.z < LevelLayers;
}

// What the script's words can make, by family: the words that name each kind
// (commands included) and the kind a line makes that names none.
struct Family {
    const char* name;
    const char* unnamed;
    std::map<std::string, std::string> names;
};

// Block kinds are block types. Colour words and column commands name them; a
// colour word the reader does not know makes acid, "target" included.
const Family Blocks{"block",
                    "4",
                    {{"red", "0"}, {"blue", "1"}, {"green", "2"}, {"yellow", "3"}, {"grey", "4"}, {"gray", "4"},
                     {"black", "5"}, {"goal", "6"}, {"white", "6"}, {"acid", "12"},
                     {"redblock", "0"}, {"blueblock", "1"}, {"greenblock", "2"}, {"greyblock", "4"},
                     {"grayblock", "4"}, {"blackblock", "5"}, {"goalblock", "6"}, {"whiteblock", "6"},
                     {"acidblock", "12"}, {"targetblock", "7"}, {"target", "7"},
                     {"Add_Walls", "4"}}};

// Scripted creature kinds are enemy kinds; an unknown type word makes a pet.
const Family Creatures{"creature",
                       "0",
                       {{"basic", "0"}, {"pet", "0"}, {"Pet", "0"}, {"Create_Pet", "0"}, {"create_pet", "0"},
                        {"Create_pet", "0"},
                        {"shooter", "1"}, {"shoot", "1"}, {"basic_shooter", "1"},
                        {"Elevator", "2"}, {"elevator", "2"}, {"yellowblock", "2"}, {"yellowblocK", "2"},
                        {"create_elevator", "2"}, {"Create_Elevator", "2"}, {"Create_elevator", "2"},
                        {"blob", "3"}, {"Blob", "3"}, {"amoeba", "3"}, {"Amoeba", "3"}, {"bacteria", "3"},
                        {"Bacteria", "3"}}};

// An unknown AI type word makes an Anubis.
const Family AIEnemies{"AI enemy",
                       "zealot",
                       {{"zealot", "zealot"}, {"wraith", "zealot"}, {"wraithblade", "zealot"}, {"charger", "zealot"},
                        {"anubis", "anubis"}, {"shooter", "anubis"},
                        {"creeper", "creeper"}, {"rolliepollie", "creeper"}, {"suicide", "creeper"},
                        {"reaper", "reaper"}, {"oni", "reaper"},
                        {"colossus", "colossus"}, {"finalboss", "colossus"}, {"Colossus", "colossus"},
                        {"FinalBoss", "colossus"}}};

// An unknown pickup word makes a grey one.
const Family Pickups{"pickup",
                     "grey",
                     {{"destroy", "destroy"}, {"destroyammo", "destroy"},
                      {"red", "red"}, {"redammo", "red"},
                      {"grey", "grey"}, {"gray", "grey"}, {"blue", "grey"}, {"blueammo", "grey"}}};

// The words that hand the word after them to a slot, and the word between
// the ends of a range.
const std::set<std::string> KEYS = {"x", "y", "z", "color", "type", "z1", "z2",
                                    "lower_x", "low_x", "lowerX", "lower_y", "low_y", "lowerY",
                                    "upper_x", "up_x", "upperX", "upper_y", "up_y", "upperY",
                                    "to", "To"};

// Commands that set the reader's state and make nothing.
const std::set<std::string> SETTINGS = {"Level", "Length", "length", "Width", "width", "Height", "height",
                                        "x", "y", "z", "Increment_Counter", "Store_Integer"};

// A value the reader evaluates: a number, the loop count, or the cursor plus
// or minus such a value ("x+loop_count", "z-1").
bool isValue(const std::string& word)
{
    static const std::regex value("([xyz][+-])*(loop_count|[xyz]|[+-]?[0-9]+(\\.[0-9]*)?)");
    return std::regex_match(word, value);
}

template <class T>
bool isA(const KTGameObject* object)
{
    return dynamic_cast<const T*>(object) != nullptr;
}

// The kinds told apart by their class.
struct ClassKind {
    bool (*is)(const KTGameObject*);
    const Family* family;
    const char* kind;
};

const ClassKind CLASS_KINDS[] = {
    {isA<QMZealot>, &AIEnemies, "zealot"},
    {isA<RWAnubis>, &AIEnemies, "anubis"},
    {isA<RWCreeper>, &AIEnemies, "creeper"},
    {isA<RWReaper>, &AIEnemies, "reaper"},
    {isA<RWColossus>, &AIEnemies, "colossus"},
    {isA<RWGrayAmmoPickup>, &Pickups, "grey"},
    {isA<RWRedAmmoPickup>, &Pickups, "red"},
    {isA<RWDestroyAmmoPickup>, &Pickups, "destroy"}};

// The family and kind of a level object; no family for anything else.
struct Kind {
    const Family* family;
    std::string kind;
};

Kind kindOf(const KTGameObject* object)
{
    if (const KTBlock* block = dynamic_cast<const KTBlock*>(object)) {
        return Kind{&Blocks, std::to_string(block->blockType)};
    }
    if (const KTEnemy* creature = dynamic_cast<const KTEnemy*>(object)) {
        return Kind{&Creatures, std::to_string(creature->enemyKind)};
    }
    for (const ClassKind& c : CLASS_KINDS) {
        if (c.is(object)) {
            return Kind{c.family, c.kind};
        }
    }
    return Kind{nullptr, typeid(*object).name()};
}

bool isElevator(const KTGameObject* object)
{
    const KTEnemy* creature = dynamic_cast<const KTEnemy*>(object);
    return creature != nullptr && creature->enemyKind == KTEnemy::Elevator;
}

std::map<Cell, int> blockCells(const ShippedLevel& level)
{
    std::map<Cell, int> blocks;
    for (const auto& entry : level.world->objectMap) {
        if (const KTBlock* block = dynamic_cast<const KTBlock*>(entry.second)) {
            const Cell cell = cellOf(block->position);
            EXPECT_TRUE(blocks.emplace(cell, block->blockType).second) << "two blocks in " << cell;
        }
    }
    return blocks;
}

// The cells walls around the whole level take on layers 0 .. layers - 1.
std::set<Cell> border(int layers)
{
    std::set<Cell> cells;
    for (int z = 0; z < layers; ++z) {
        for (int a = 0; a < LevelSide; ++a) {
            for (const Cell& c : {Cell{a, 0, z}, Cell{a, LevelSide - 1, z}, Cell{0, a, z}, Cell{LevelSide - 1, a, z}}) {
                cells.insert(c);
            }
        }
    }
    return cells;
}

// Whether the line's blocks line the level's border, one to five layers high.
bool madeWalls(const ScriptLineRun& run)
{
    std::set<Cell> cells;
    for (const KTGameObject* object : run.made) {
        cells.insert(cellOf(object->position));
    }
    for (int layers = 1; layers <= LevelLayers; ++layers) {
        if (cells == border(layers) && run.made.size() == cells.size()) {
            return true;
        }
    }
    return false;
}

// Every word of a line that makes something is a value, a key or a word that
// names what the line makes, and what it makes is what its words name (or,
// where they name nothing, what such a line makes by default): a word the
// reader does not know would make an acid block, a pet, an Anubis or a grey
// pickup without a word.
void expectMadeAsNamed(const ScriptLineRun& run)
{
    for (const KTGameObject* object : run.made) {
        const Kind kind = kindOf(object);
        if (kind.family == nullptr) {
            ADD_FAILURE() << "'" << run.text << "' made a " << kind.kind;
            continue;
        }
        std::set<std::string> named;
        for (size_t i = 0; i < run.words.size(); ++i) {
            const std::string& word = run.words[i];
            auto found = kind.family->names.find(word);
            if (found != kind.family->names.end()) {
                named.insert(found->second);
            } else if (i > 0 && !isValue(word) && !KEYS.count(word)) {
                ADD_FAILURE() << "'" << run.text << "': '" << word << "' names no " << kind.family->name;
            }
        }
        if (named.empty()) {
            named.insert(kind.family->unnamed);
        }
        EXPECT_TRUE(named.count(kind.kind)) << "'" << run.text << "' made " << kind.family->name << " " << kind.kind;
    }
}

std::string lowerCase(std::string text)
{
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

} // namespace

// The list's driver hands every line over, a final empty one included, and
// every line becomes a level name: no blank lines, no blanks at the ends, no
// line end after the last name.
TEST(LevelData, LevelListNamesTheLevelsOneALine)
{
    expectExactFile(LEVEL_LIST);
    const std::string text = readGameFile(LEVEL_LIST);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');
    EXPECT_EQ(text.find('\r'), std::string::npos);

    const std::vector<std::string> names = shippedLevelNames();
    EXPECT_GE(names.size(), 8u);
    EXPECT_LE(names.size(), 32u) << "more than the level-select page can offer";
    std::set<std::string> distinct;
    for (const std::string& name : names) {
        ASSERT_FALSE(name.empty());
        EXPECT_NE(name.front(), ' ') << name;
        EXPECT_NE(name.back(), ' ') << name;
        EXPECT_NE(name.back(), '\t') << name;
        EXPECT_TRUE(distinct.insert(name).second) << name << " twice";
        expectExactFile(name);
    }
}

TEST(LevelData, EveryLevelBuildsInsideTheWorldWithAPlayerAndAGoal)
{
    for (const std::string& path : shippedLevelNames()) {
        SCOPED_TRACE(path);
        // The reader echoes every comment into the log, where a player reads
        // it: the way through a level is kept with its replay plan.
        const std::string text = readGameFile(path);
        EXPECT_EQ(lowerCase(text).find("solution"), std::string::npos) << "solution text";
        EXPECT_EQ(text.find('\r'), std::string::npos) << "a carriage return";

        const ShippedLevel level(path);
        int placements = 0;
        for (const ScriptLineRun& run : level.lines) {
            placements += run.placedPlayer ? 1 : 0;
        }
        EXPECT_EQ(placements, 1) << "one player placement";
        EXPECT_TRUE(insideLevel(cellOf(level.player.position))) << "player in " << cellOf(level.player.position);

        const std::map<Cell, int> blocks = blockCells(level);
        int goals = 0;
        for (const auto& block : blocks) {
            goals += block.second == GoalBlock ? 1 : 0;
        }
        EXPECT_GE(goals, 1) << "no goal block";

        for (const auto& entry : level.world->objectMap) {
            const KTGameObject* object = entry.second;
            if (object == &level.player) {
                continue;
            }
            const Cell cell = cellOf(object->position);
            EXPECT_TRUE(insideLevel(cell)) << typeid(*object).name() << " in " << cell;
            if (isElevator(object)) {
                const Cell bottom = cellOf(static_cast<const KTEnemy*>(object)->home);
                const int top = static_cast<const KTEnemy*>(object)->topCell;
                EXPECT_TRUE(insideLevel(Cell{bottom.x, bottom.y, top})) << "elevator top " << top;
                EXPECT_GE(top, bottom.z) << "elevator in " << bottom;
                for (int z = bottom.z; z <= top; ++z) {
                    EXPECT_EQ(blocks.count(Cell{bottom.x, bottom.y, z}), 0u)
                        << "a block in the elevator shaft of " << bottom;
                }
            } else if (dynamic_cast<const KTEnemy*>(object) != nullptr ||
                       dynamic_cast<const QMIntelligence*>(object) != nullptr) {
                EXPECT_EQ(blocks.count(cell), 0u) << "an enemy inside a block in " << cell;
            }
            if (const QMIntelligence* ai = dynamic_cast<const QMIntelligence*>(object)) {
                EXPECT_TRUE(ai->roamMinX <= ai->roamMaxX && ai->roamMinZ <= ai->roamMaxZ && ai->roamMinX >= 0 &&
                            ai->roamMinZ >= 0 && ai->roamMaxX <= LevelSide && ai->roamMaxZ <= LevelSide)
                    << "AI roaming rectangle out of order or outside the level in " << cell;
            }
        }

        for (size_t i = 0; i < level.world->helpSigns.size(); ++i) {
            const KTHelpSign& sign = level.world->helpSigns[i];
            const VXVec4& p = sign.position;
            EXPECT_TRUE(p.x() >= 0 && p.x() <= LevelSide * CellSide && p.z() >= 0 &&
                        p.z() <= LevelSide * CellSide && p.y() >= 0 && p.y() <= LevelLayers * CellSide &&
                        sign.radius > 0)
                << "help sign " << i << " outside the level or without a radius";
            EXPECT_NE(level.signName(i), "") << "help sign " << i << " names no help image";
        }
    }
}

// Each line the reader carries out is a comment, sets its state, or makes
// something; what it makes is what its words name, and a line of walls lines
// the level's border.
TEST(LevelData, EveryScriptLineMakesWhatItsWordsName)
{
    for (const std::string& path : shippedLevelNames()) {
        SCOPED_TRACE(path);
        const ShippedLevel level(path);
        ASSERT_FALSE(level.lines.empty());
        for (size_t i = 0; i < level.lines.size(); ++i) {
            const ScriptLineRun& run = level.lines[i];
            const std::string& command = run.command();
            if (command.empty()) {
                // Only the empty line after the file's last line end.
                EXPECT_TRUE(i + 1 == level.lines.size() && !run.loopBody && run.text.empty())
                    << "an empty line" << (run.loopBody ? " as a loop's body" : "");
                continue;
            }
            if (command[0] == '#' || SETTINGS.count(command)) {
                continue;
            }
            EXPECT_GT(run.effects, 0) << "'" << run.text << "' does nothing";
            expectMadeAsNamed(run);
            if (command == "Add_Walls") {
                EXPECT_TRUE(madeWalls(run)) << "walls before Length, Width and Height are set";
            }
        }
    }
}

// A sign's panel shows when the player first comes within its radius and
// replaces the panel before it: no place reaches two signs at once, and
// between two signs lies at least a cell of walking.
TEST(LevelData, EveryHelpSignIsReachedOnItsOwn)
{
    for (const std::string& path : shippedLevelNames()) {
        const ShippedLevel level(path);
        const std::vector<KTHelpSign>& signs = level.world->helpSigns;
        for (size_t i = 0; i < signs.size(); ++i) {
            for (size_t j = i + 1; j < signs.size(); ++j) {
                const VXVec4 d = signs[i].position - signs[j].position;
                const float apart = std::sqrt(d.x() * d.x() + d.y() * d.y() + d.z() * d.z());
                EXPECT_GE(apart - signs[i].radius - signs[j].radius, CellSide)
                    << path << ": the signs " << level.signName(i) << " and " << level.signName(j);
            }
        }
    }
}

// Every AI enemy can be worn down with the grey missiles the level gives
// (each hit takes one point), with a margin for misses.
TEST(LevelData, EveryLevelGivesEnoughMissilesForItsEnemies)
{
    for (const std::string& path : shippedLevelNames()) {
        ShippedLevel level(path);
        int hitPoints = 0;
        for (const auto& entry : level.world->objectMap) {
            KTGameObject* object = entry.second;
            if (const QMIntelligence* ai = dynamic_cast<const QMIntelligence*>(object)) {
                EXPECT_GT(enemyHitPoints(ai), 0) << path << ": " << typeid(*object).name();
                hitPoints += enemyHitPoints(ai);
            }
            if (RWGrayAmmoPickup* pickup = dynamic_cast<RWGrayAmmoPickup*>(object)) {
                EXPECT_TRUE(pickup->giveTo(&level.player)) << path;
            }
        }
        const int missiles = level.player.greyAmmo + level.player.redAmmo;
        EXPECT_GE(missiles, hitPoints + hitPoints / 4) << path;
    }
}

TEST(LevelData, TheLevelsTogetherUseEveryBuildingBlockOfTheGame)
{
    std::map<const Family*, std::set<std::string>> kinds;
    std::set<std::string> signs;
    std::set<std::string> placements;
    bool walls = false;
    for (const std::string& path : shippedLevelNames()) {
        const ShippedLevel level(path);
        for (const auto& entry : level.world->objectMap) {
            const Kind kind = kindOf(entry.second);
            kinds[kind.family].insert(kind.kind);
        }
        for (size_t i = 0; i < level.world->helpSigns.size(); ++i) {
            signs.insert(level.signName(i));
        }
        for (const ScriptLineRun& run : level.lines) {
            if (run.placedPlayer) {
                placements.insert(run.command());
            }
            walls = walls || (run.command() == "Add_Walls" && madeWalls(run));
        }
    }
    EXPECT_EQ(kinds[&Blocks], (std::set<std::string>{"0", "1", "2", "3", "4", "5", "6", "7", "12"}));
    EXPECT_EQ(kinds[&Creatures], (std::set<std::string>{"0", "1", "2", "3"})) << "pet, shooter, elevator, blob";
    EXPECT_EQ(kinds[&AIEnemies], (std::set<std::string>{"anubis", "colossus", "creeper", "reaper", "zealot"}));
    EXPECT_EQ(kinds[&Pickups], (std::set<std::string>{"destroy", "grey", "red"}));
    std::set<std::string> helpImages;
    for (int i = 0; i < KT_HELP_IMAGE_COUNT; ++i) {
        helpImages.insert(helpImageName(i));
    }
    EXPECT_EQ(signs, helpImages) << "every help image on at least one sign";
    EXPECT_TRUE(placements.count("zelk") || placements.count("hero")) << "the only way to start with red missiles";
    placements.erase("zelk");
    placements.erase("hero");
    EXPECT_FALSE(placements.empty()) << "the placement that sets grey and destroy missiles by name";
    EXPECT_TRUE(walls);
}
