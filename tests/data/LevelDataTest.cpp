#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "GameFiles.h"
#include "engine/text/VXTextConversions.h"
#include "engine/text/VXTokenizer.h"
#include "game/level/KTLevelFileReader.h"
#include "game/level/KTLevelReader.h"

namespace {

const char* const LEVEL_LIST = "Data/Level List.txt";

const std::set<std::string> HELP_NAMES = {"movement", "blueblocks", "camera", "destroy", "elevators", "shift", "pet",
                                          "anubis", "beware", "creepers", "goal", "help", "red_blue", "stuck",
                                          "wraithblade", "x", "z", "c", "ammo"};

// Block types by colour word; only these words are meant (any other word
// makes an acid block).
const std::map<std::string, int> COLOURS = {{"red", 0},   {"blue", 1},  {"green", 2}, {"yellow", 3},
                                            {"grey", 4},  {"gray", 4},  {"black", 5}, {"goal", 6},
                                            {"white", 6}, {"acid", 12}};

const std::map<std::string, int> COLUMNS = {
    {"redblock", 0},  {"red", 0},       {"blueblock", 1},  {"blue", 1},       {"greenblock", 2}, {"green", 2},
    {"greyblock", 4}, {"grayblock", 4}, {"grey", 4},       {"blackblock", 5}, {"black", 5},      {"goalblock", 6},
    {"whiteblock", 6}, {"goal", 6},     {"acidblock", 12}, {"acid", 12},      {"targetblock", 7}, {"target", 7}};

// AI type words by enemy class, with each class's hit points.
const std::map<std::string, std::string> AI_CLASSES = {
    {"zealot", "zealot"},   {"wraith", "zealot"},     {"wraithblade", "zealot"},  {"charger", "zealot"},
    {"anubis", "anubis"},   {"shooter", "anubis"},    {"creeper", "creeper"},     {"rolliepollie", "creeper"},
    {"suicide", "creeper"}, {"reaper", "reaper"},     {"oni", "reaper"},          {"colossus", "colossus"},
    {"finalboss", "colossus"}, {"Colossus", "colossus"}, {"FinalBoss", "colossus"}};
const std::map<std::string, int> HIT_POINTS = {
    {"zealot", 5}, {"anubis", 10}, {"creeper", 2}, {"reaper", 8}, {"colossus", 50}};

const std::map<std::string, int> ENEMY_KINDS = {
    {"shooter", 1}, {"shoot", 1},  {"basic_shooter", 1}, {"blob", 3},      {"Blob", 3},     {"amoeba", 3},
    {"Amoeba", 3},  {"bacteria", 3}, {"Bacteria", 3},    {"basic", 0},     {"pet", 0}};

const std::map<std::string, std::string> PICKUPS = {
    {"destroy", "destroy"}, {"destroyammo", "destroy"}, {"red", "red"},   {"redammo", "red"},
    {"grey", "grey"},       {"gray", "grey"},           {"blue", "grey"}, {"blueammo", "grey"}};

struct Cell {
    int x, y, z;
    bool operator<(const Cell& o) const { return std::tie(x, y, z) < std::tie(o.x, o.y, o.z); }
};

// A help sign where the world has it: world units, y up.
struct SignPlace {
    std::string name;
    float x, y, z, radius;
};

// What one level script builds, read line by line with the script's own
// word splitting and value rules, without a level world.
struct LevelScan {
    std::string path;
    std::vector<std::string> problems;
    std::map<Cell, int> blocks;                // cell -> block type
    std::vector<std::pair<Cell, int>> elevators;  // bottom cell, top layer
    std::vector<Cell> enemies;                 // scripted enemies and AI enemies
    std::set<int> enemyKinds;
    std::map<std::string, int> aiCount;        // by class
    std::map<std::string, int> pickups;        // by counter
    std::set<std::string> signs;
    std::vector<SignPlace> signPlaces;
    int placements = 0;
    std::set<std::string> placementWords;
    int grey = 0, destroy = 0, red = 0;
    bool walls = false;
    bool extentsSet[3] = {false, false, false};

    void problem(const std::string& text) { problems.push_back(text); }

    void checkCell(const Cell& c, const std::string& what)
    {
        if (c.x < 0 || c.x > 19 || c.y < 0 || c.y > 19 || c.z < 0 || c.z > 4) {
            problem(what + " outside the 20 x 20 x 5 world at " + std::to_string(c.x) + " " + std::to_string(c.y) +
                    " " + std::to_string(c.z));
        }
    }

    void block(const Cell& c, int type)
    {
        checkCell(c, "block");
        if (!blocks.emplace(c, type).second) {
            problem("two blocks in cell " + std::to_string(c.x) + " " + std::to_string(c.y) + " " +
                    std::to_string(c.z));
        }
    }

    int colour(const std::string& word)
    {
        auto found = COLOURS.find(word);
        if (found == COLOURS.end()) {
            problem("colour word '" + word + "' would make an acid block");
            return 12;
        }
        return found->second;
    }
};

class ScriptReader {
public:
    explicit ScriptReader(LevelScan& scan) : scan(scan) {}

    void read(const std::vector<std::string>& fileLines)
    {
        lines = fileLines;
        for (next = 0; next < lines.size();) {
            carryOut(lines[next++]);
        }
    }

private:
    LevelScan& scan;
    KTLevelFileReader values;  // the cursor, the loop count and the value rules
    std::vector<std::string> lines;
    size_t next = 0;
    VXTokenizer* words = nullptr;

    std::string word() { return words->nextToken(); }
    int value() { return values.evaluate(word()); }
    Cell cursor() const { return Cell{values.cursorX, values.cursorY, values.cursorZ}; }

    // Reads `steps` words or keyed values: a key hands the word after it to
    // its slot, any other word fills the slot of its step.
    void stepped(int steps, const std::map<std::string, int>& keys, const std::function<void(int, std::string)>& slot)
    {
        for (int step = 0; step < steps; ++step) {
            const std::string w = word();
            if (w.empty()) {
                continue;
            }
            auto key = keys.find(w);
            if (key != keys.end()) {
                slot(key->second, word());
            } else {
                slot(step, w);
            }
        }
    }

    // The raw words a stepped command leaves in its slots; "" where none.
    std::vector<std::string> slots(int steps, const std::map<std::string, int>& keys)
    {
        std::vector<std::string> words(steps);
        stepped(steps, keys, [&words](int slot, const std::string& w) {
            if (slot < static_cast<int>(words.size())) {
                words[slot] = w;
            }
        });
        return words;
    }

    // Slots 0 to 2 as a cell, the cursor where a slot is empty.
    Cell cellOf(const std::vector<std::string>& s) const
    {
        return Cell{s[0].empty() ? values.cursorX : values.evaluate(s[0]),
                    s[1].empty() ? values.cursorY : values.evaluate(s[1]),
                    s[2].empty() ? values.cursorZ : values.evaluate(s[2])};
    }

    static std::string orDefault(const std::string& w, const char* fallback) { return w.empty() ? fallback : w; }

    // The second half of a range: "lo to hi" or "lo hi".
    int rangeEnd()
    {
        const std::string t = word();
        return values.evaluate(t == "to" || t == "To" ? word() : t);
    }

    void carryOut(std::string line)
    {
        VXTokenizer tokenizer;
        tokenizer.setTable(&values.characterClasses);
        tokenizer.setText(&line);
        VXTokenizer* outer = words;
        words = &tokenizer;
        const std::string command = word();
        dispatch(command);
        words = outer;
    }

    void dispatch(const std::string& c)
    {
        auto is = [&c](std::initializer_list<const char*> names) {
            for (const char* n : names) {
                if (c == n) {
                    return true;
                }
            }
            return false;
        };
        if (c == "Level") {
        } else if (is({"Length", "length"})) {
            scan.extentsSet[0] = parseInt(word()) == 20;
        } else if (is({"Width", "width"})) {
            scan.extentsSet[1] = parseInt(word()) == 20;
        } else if (is({"Height", "height"})) {
            const int h = parseInt(word());
            scan.extentsSet[2] = h >= 1 && h <= 5;
        } else if (c == "x") {
            values.cursorX = value();
        } else if (c == "y") {
            values.cursorY = value();
        } else if (c == "z") {
            values.cursorZ = value();
        } else if (is({"For", "for"})) {
            const int start = parseInt(word());
            const int end = rangeEnd();
            if (next >= lines.size()) {
                scan.problem("a loop without a body line");
                return;
            }
            const std::string body = lines[next++];
            for (int i = start; i < end; ++i) {
                values.loopCount = i;
                carryOut(body);
            }
        } else if (is({"Increment_Counter", "Store_Integer"})) {
        } else if (is({"Create_Block", "create_block", "Create_block", "Block", "block"})) {
            const std::vector<std::string> s = slots(4, {{"x", 0}, {"y", 1}, {"z", 2}, {"color", 3}});
            scan.block(cellOf(s), scan.colour(orDefault(s[3], "grey")));
        } else if (COLUMNS.count(c)) {
            const int x = value(), y = value(), low = value(), high = value();
            if (low > high) {
                scan.problem("a column that builds nothing");
            }
            for (int z = low; z <= high; ++z) {
                scan.block(Cell{x, y, z}, COLUMNS.at(c));
            }
        } else if (is({"Fill_Area", "fill_area", "Fill_area", "Fill", "fill", "Area", "area"})) {
            const Cell at = cursor();
            int lo[3] = {at.x, at.y, at.z}, hi[3] = {at.x, at.y, at.z};
            std::string colour = "grey";
            auto range = [&](int slot, const std::string& w) {
                if (slot == 3) {
                    colour = w;
                } else if (slot < 3) {
                    lo[slot] = values.evaluate(w);
                    hi[slot] = rangeEnd();
                }
            };
            stepped(4, {{"x", 0}, {"y", 1}, {"z", 2}, {"color", 3}}, range);
            const int type = scan.colour(colour);
            for (int x = lo[0]; x <= hi[0]; ++x)
                for (int y = lo[1]; y <= hi[1]; ++y)
                    for (int z = lo[2]; z <= hi[2]; ++z)
                        scan.block(Cell{x, y, z}, type);
        } else if (is({"Create_Enemy", "create_enemy", "Create_enemy", "Enemy", "enemy", "Create_Pet", "create_pet",
                       "Create_pet", "Pet", "pet"})) {
            const bool pet = is({"Create_Pet", "create_pet", "Create_pet", "Pet", "pet"});
            const std::vector<std::string> s =
                pet ? slots(3, {{"x", 0}, {"y", 1}, {"z", 2}}) : slots(4, {{"x", 0}, {"y", 1}, {"z", 2}, {"type", 3}});
            const Cell cell = cellOf(s);
            const std::string type = pet ? "pet" : orDefault(s[3], "basic");
            scan.checkCell(cell, "enemy");
            scan.enemies.push_back(cell);
            auto kind = ENEMY_KINDS.find(type);
            if (kind == ENEMY_KINDS.end()) {
                scan.problem("enemy type '" + type + "' would make a pet");
            } else {
                scan.enemyKinds.insert(kind->second);
            }
        } else if (is({"Create_AI", "create_AI", "create_ai", "AI", "ai", "anubis", "wraithblade", "creeper",
                       "reaper"})) {
            Cell cell = cursor();
            std::string type = "wraithblade";
            int rect[4] = {0, 0, 20, 20};
            if (is({"anubis", "wraithblade", "creeper", "reaper"})) {
                type = c;
                cell = Cell{value(), value(), value()};
                for (int& r : rect) {
                    r = value();
                }
            } else {
                const std::vector<std::string> s =
                    slots(8, {{"x", 0}, {"y", 1}, {"z", 2}, {"type", 3}, {"lower_x", 4}, {"low_x", 4}, {"lowerX", 4},
                              {"lower_y", 5}, {"low_y", 5}, {"lowerY", 5}, {"upper_x", 6}, {"up_x", 6}, {"upperX", 6},
                              {"upper_y", 7}, {"up_y", 7}, {"upperY", 7}});
                cell = cellOf(s);
                type = orDefault(s[3], "wraithblade");
                for (int i = 0; i < 4; ++i) {
                    if (!s[4 + i].empty()) {
                        rect[i] = values.evaluate(s[4 + i]);
                    }
                }
            }
            scan.checkCell(cell, "AI enemy");
            scan.enemies.push_back(cell);
            if (rect[0] > rect[2] || rect[1] > rect[3] || rect[0] < 0 || rect[1] < 0 || rect[2] > 20 || rect[3] > 20) {
                scan.problem("AI roaming rectangle out of order or outside the level");
            }
            auto found = AI_CLASSES.find(type);
            if (found == AI_CLASSES.end()) {
                scan.problem("AI type '" + type + "' would make an Anubis");
            } else {
                ++scan.aiCount[found->second];
            }
        } else if (is({"blueammo", "destroyammo", "redammo", "Create_Item", "create_Item", "create_item", "Item",
                       "item", "Create_Ammo", "create_Ammo", "create_ammo", "Ammo", "ammo"})) {
            Cell cell = cursor();
            std::string type = "gray";
            if (is({"blueammo", "destroyammo", "redammo"})) {
                type = c;
                cell = Cell{value(), value(), value()};
            } else {
                const std::vector<std::string> s = slots(4, {{"x", 0}, {"y", 1}, {"z", 2}, {"type", 3}});
                cell = cellOf(s);
                type = orDefault(s[3], "gray");
            }
            scan.checkCell(cell, "pickup");
            auto found = PICKUPS.find(type);
            if (found == PICKUPS.end()) {
                scan.problem("pickup type '" + type + "' would make a grey pickup");
            } else {
                ++scan.pickups[found->second];
            }
        } else if (is({"Elevator", "elevator", "yellowblock", "create_elevator", "Create_Elevator", "Create_elevator",
                       "yellowblocK"})) {
            const std::vector<std::string> s = slots(4, {{"x", 0}, {"y", 1}, {"z1", 2}, {"z2", 3}});
            const Cell cell = cellOf(s);
            const int top = s[3].empty() ? values.cursorZ : values.evaluate(s[3]);
            scan.checkCell(cell, "elevator");
            scan.checkCell(Cell{cell.x, cell.y, top}, "elevator top");
            scan.elevators.emplace_back(cell, top);
            scan.enemyKinds.insert(2);
        } else if (is({"zelk", "hero"})) {
            const Cell cell{value(), value(), value()};
            word();
            scan.grey = value();
            scan.destroy = value();
            scan.red = value();
            place(cell, c);
        } else if (is({"Create_Player", "create_player", "Create_player", "Player", "player", "character",
                       "main_character"})) {
            std::map<std::string, int> keys = {{"x", 0}, {"y", 1}, {"z", 2}};
            for (const char* k : {"grey", "num_grey", "grey_ammo", "greyAmmo", "Grey", "Grey_Ammo", "gray", "num_gray",
                                  "gray_ammo", "grayAmmo", "Gray", "Gray_Ammo"}) {
                keys[k] = 3;
            }
            for (const char* k : {"destroy", "num_destroy", "destroy_ammo", "destroyAmmo", "Destroy", "Destroy_Ammo"}) {
                keys[k] = 4;
            }
            const std::vector<std::string> s = slots(9, keys);
            const Cell cell = cellOf(s);
            scan.grey = s[3].empty() ? 0 : values.evaluate(s[3]);
            scan.destroy = s[4].empty() ? 0 : values.evaluate(s[4]);
            scan.red = 0;
            place(cell, "Create_Player");
        } else if (c == "Add_Walls") {
            if (!(scan.extentsSet[0] && scan.extentsSet[1] && scan.extentsSet[2])) {
                scan.problem("Add_Walls before Length, Width and Height are set");
            }
            scan.walls = true;
        } else if (c == "Texture") {
            const float a = parseFloat(word()), b = parseFloat(word()), h = parseFloat(word());
            const float radius = parseFloat(word());
            const std::string name = word();
            if (a < 0 || a > 20 || b < 0 || b > 20 || h < 0 || h > 5 || radius <= 0) {
                scan.problem("help sign " + name + " outside the level or without a radius");
            }
            if (!HELP_NAMES.count(name)) {
                scan.problem("help sign '" + name + "' names no help image");
            }
            scan.signs.insert(name);
            scan.signPlaces.push_back(SignPlace{name, 30 * a, 30 * h, 30 * b, radius});
        } else if (c.empty()) {
            scan.problem("an empty line");
        } else if (c[0] != '#') {
            scan.problem("unknown command '" + c + "'");
        }
    }

    void place(const Cell& cell, const std::string& form)
    {
        scan.checkCell(cell, "player");
        ++scan.placements;
        scan.placementWords.insert(form);
    }
};

std::vector<std::string> levelNames()
{
    KTLevelReader reader;
    testing::internal::CaptureStdout();
    reader.parseFile(LEVEL_LIST);
    testing::internal::GetCapturedStdout();
    return reader.fileNames;
}

LevelScan scanLevel(const std::string& path)
{
    LevelScan scan;
    scan.path = path;
    const std::string text = readGameFile(path);
    const std::vector<std::string> lines = splitLines(text);
    // The reader echoes every comment into the log, where a player reads
    // it: the way through a level is kept with its replay plan.
    std::string lower = text;
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (lower.find("solution") != std::string::npos) {
        scan.problem("solution text");
    }
    if (text.find('\r') != std::string::npos) {
        scan.problem("a carriage return");
    }
    ScriptReader(scan).read(lines);
    return scan;
}

std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
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

    const std::vector<std::string> names = levelNames();
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
    for (const std::string& path : levelNames()) {
        const LevelScan scan = scanLevel(path);
        EXPECT_EQ(joined(scan.problems), "") << path;
        EXPECT_EQ(scan.placements, 1) << path << ": one player placement";
        int goals = 0;
        for (const auto& block : scan.blocks) {
            goals += block.second == 6;
        }
        EXPECT_GE(goals, 1) << path << ": no goal block";
        for (const auto& elevator : scan.elevators) {
            const Cell& cell = elevator.first;
            EXPECT_GE(elevator.second, cell.z) << path;
            for (int z = cell.z; z <= elevator.second; ++z) {
                EXPECT_EQ(scan.blocks.count(Cell{cell.x, cell.y, z}), 0u) << path << ": a block in an elevator shaft";
            }
        }
        for (const Cell& enemy : scan.enemies) {
            EXPECT_EQ(scan.blocks.count(enemy), 0u) << path << ": an enemy inside a block";
        }
    }
}

// A sign's panel shows when the player first comes within its radius and
// replaces the panel before it: no place reaches two signs at once, and
// between two signs lies at least a cell of walking.
TEST(LevelData, EveryHelpSignIsReachedOnItsOwn)
{
    const float Cell = 30.0f;
    for (const std::string& path : levelNames()) {
        const LevelScan scan = scanLevel(path);
        for (size_t i = 0; i < scan.signPlaces.size(); ++i) {
            for (size_t j = i + 1; j < scan.signPlaces.size(); ++j) {
                const SignPlace& a = scan.signPlaces[i];
                const SignPlace& b = scan.signPlaces[j];
                const float apart = std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) +
                                              (a.z - b.z) * (a.z - b.z));
                EXPECT_GE(apart - a.radius - b.radius, Cell) << path << ": the signs " << a.name << " and " << b.name;
            }
        }
    }
}

// Every AI enemy can be worn down with the grey missiles the level gives
// (each hit takes one point), with a margin for misses.
TEST(LevelData, EveryLevelGivesEnoughMissilesForItsEnemies)
{
    for (const std::string& path : levelNames()) {
        const LevelScan scan = scanLevel(path);
        int hitPoints = 0;
        for (const auto& ai : scan.aiCount) {
            hitPoints += HIT_POINTS.at(ai.first) * ai.second;
        }
        const int missiles = scan.grey + scan.red + 20 * (scan.pickups.count("grey") ? scan.pickups.at("grey") : 0);
        EXPECT_GE(missiles, hitPoints + hitPoints / 4) << path;
    }
}

TEST(LevelData, TheLevelsTogetherUseEveryBuildingBlockOfTheGame)
{
    std::set<int> blockTypes, enemyKinds;
    std::set<std::string> aiClasses, pickups, signs, placements;
    bool walls = false;
    for (const std::string& path : levelNames()) {
        const LevelScan scan = scanLevel(path);
        for (const auto& block : scan.blocks) {
            blockTypes.insert(block.second);
        }
        enemyKinds.insert(scan.enemyKinds.begin(), scan.enemyKinds.end());
        for (const auto& ai : scan.aiCount) {
            aiClasses.insert(ai.first);
        }
        for (const auto& pickup : scan.pickups) {
            pickups.insert(pickup.first);
        }
        signs.insert(scan.signs.begin(), scan.signs.end());
        placements.insert(scan.placementWords.begin(), scan.placementWords.end());
        walls = walls || scan.walls;
    }
    EXPECT_EQ(blockTypes, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 12}));
    EXPECT_EQ(enemyKinds, (std::set<int>{0, 1, 2, 3})) << "pet, shooter, elevator, blob";
    EXPECT_EQ(aiClasses, (std::set<std::string>{"anubis", "colossus", "creeper", "reaper", "zealot"}));
    EXPECT_EQ(pickups, (std::set<std::string>{"destroy", "grey", "red"}));
    EXPECT_EQ(signs, HELP_NAMES) << "every help image on at least one sign";
    EXPECT_TRUE(placements.count("Create_Player"));
    EXPECT_TRUE(placements.count("zelk") || placements.count("hero")) << "the only way to start with red missiles";
    EXPECT_TRUE(walls);
}
