// The level script's creating commands: blocks, columns and filled boxes,
// enemies, elevators, AI enemies, pickups, the player, walls and help signs.
#include "game/level/KTLevelFileReader.h"

#include <initializer_list>

#include "engine/core/VXLog.h"
#include "engine/text/VXTextConversions.h"
#include "engine/text/VXTokenizer.h"
#include "game/level/KTGridCell.h"
#include "game/level/KTLevelWorld.h"
#include "game/objects/KTBlock.h"
#include "game/objects/KTBlockType.h"
#include "game/objects/KTEnemy.h"
#include "game/objects/KTMainCharacter.h"
#include "game/objects/KTPickup.h"
#include "game/objects/QMZealot.h"
#include "game/objects/RWAnubis.h"
#include "game/objects/RWColossus.h"
#include "game/objects/RWCreeper.h"
#include "game/objects/RWReaper.h"
#include "game/start/KTAssets.h"

namespace {

const float HalfCell = KT_CELL_SIZE * 0.5f;
const int AISpawnFlag = 1;

bool isOneOf(const std::string& word, std::initializer_list<const char*> words)
{
    for (const char* w : words) {
        if (word == w) {
            return true;
        }
    }
    return false;
}

// What a stepped command keeps in a slot.
enum class SlotKind { Number, Word, Range };

struct StepKey {
    const char* word;
    int slot;
};

// The values of one stepped command, by slot. A range keeps its low end in
// `number` and its high end in `high`.
struct StepValues {
    static const int MaxSlots = 8;
    int number[MaxSlots] = {};
    int high[MaxSlots] = {};
    std::string word[MaxSlots];
};

struct SteppedCommand {
    int steps;
    std::initializer_list<StepKey> keys;
    std::initializer_list<SlotKind> slots;
};

void readRange(const KTLevelFileReader& reader, VXTokenizer& tokenizer, const std::string& lowWord, int& low,
               int& high)
{
    low = reader.evaluate(lowWord);
    std::string next = tokenizer.nextToken();
    if (next == "to" || next == "To") {
        next = tokenizer.nextToken();
    }
    high = reader.evaluate(next);
}

// Each step takes one word: a key reads its value from the words after it,
// the empty word (end of line) does nothing, and any other word is a bare
// value for the slot numbered like the step. Values not given keep what
// `values` holds on entry.
void readSteps(const KTLevelFileReader& reader, VXTokenizer& tokenizer, const SteppedCommand& command,
               StepValues& values)
{
    const int slotCount = static_cast<int>(command.slots.size());
    for (int step = 0; step < command.steps; ++step) {
        std::string word = tokenizer.nextToken();
        if (word.empty()) {
            continue;
        }
        int slot = step;
        std::string valueWord = word;
        for (const StepKey& key : command.keys) {
            if (word == key.word) {
                slot = key.slot;
                valueWord = tokenizer.nextToken();
                break;
            }
        }
        if (slot >= slotCount || slot >= StepValues::MaxSlots) {
            continue;
        }
        switch (command.slots.begin()[slot]) {
        case SlotKind::Number:
            values.number[slot] = reader.evaluate(valueWord);
            break;
        case SlotKind::Word:
            values.word[slot] = valueWord;
            break;
        case SlotKind::Range:
            readRange(reader, tokenizer, valueWord, values.number[slot], values.high[slot]);
            break;
        }
    }
}

// Values read one after the other, each evaluated; missing ones are 0.
void readInOrder(const KTLevelFileReader& reader, VXTokenizer& tokenizer, int* values, int count)
{
    for (int i = 0; i < count; ++i) {
        values[i] = reader.evaluate(tokenizer.nextToken());
    }
}

const SteppedCommand CreateBlockSteps{
    4, { { "color", 3 }, { "x", 0 }, { "y", 1 }, { "z", 2 } },
    { SlotKind::Number, SlotKind::Number, SlotKind::Number, SlotKind::Word } };

const SteppedCommand FillAreaSteps{
    4, { { "color", 3 }, { "x", 0 }, { "y", 1 }, { "z", 2 } },
    { SlotKind::Range, SlotKind::Range, SlotKind::Range, SlotKind::Word } };

const SteppedCommand CreateEnemySteps{
    4, { { "type", 3 }, { "x", 0 }, { "y", 1 }, { "z", 2 } },
    { SlotKind::Number, SlotKind::Number, SlotKind::Number, SlotKind::Word } };

const SteppedCommand CreatePetSteps{
    3, { { "x", 0 }, { "y", 1 }, { "z", 2 } }, { SlotKind::Number, SlotKind::Number, SlotKind::Number } };

const SteppedCommand CreateAISteps{
    8,
    { { "type", 3 }, { "x", 0 }, { "y", 1 }, { "z", 2 }, { "lower_x", 4 }, { "low_x", 4 }, { "lowerX", 4 },
      { "lower_y", 5 }, { "low_y", 5 }, { "lowerY", 5 }, { "upper_x", 6 }, { "up_x", 6 }, { "upperX", 6 },
      { "upper_y", 7 }, { "up_y", 7 }, { "upperY", 7 } },
    { SlotKind::Number, SlotKind::Number, SlotKind::Number, SlotKind::Word, SlotKind::Number, SlotKind::Number,
      SlotKind::Number, SlotKind::Number } };

const SteppedCommand CreateItemSteps = CreateEnemySteps;

const SteppedCommand ElevatorSteps{
    4, { { "x", 0 }, { "y", 1 }, { "z1", 2 }, { "z2", 3 } },
    { SlotKind::Number, SlotKind::Number, SlotKind::Number, SlotKind::Number } };

const SteppedCommand CreatePlayerSteps{
    9,
    { { "x", 0 }, { "y", 1 }, { "z", 2 }, { "grey", 3 }, { "num_grey", 3 }, { "grey_ammo", 3 }, { "greyAmmo", 3 },
      { "Grey", 3 }, { "Grey_Ammo", 3 }, { "gray", 3 }, { "num_gray", 3 }, { "gray_ammo", 3 }, { "grayAmmo", 3 },
      { "Gray", 3 }, { "Gray_Ammo", 3 }, { "destroy", 4 }, { "num_destroy", 4 }, { "destroy_ammo", 4 },
      { "destroyAmmo", 4 }, { "Destroy", 4 }, { "Destroy_Ammo", 4 } },
    { SlotKind::Number, SlotKind::Number, SlotKind::Number, SlotKind::Number, SlotKind::Number } };

int enemyKindOf(const std::string& word)
{
    if (isOneOf(word, { "shooter", "shoot", "basic_shooter" })) {
        return KTEnemy::Shooter;
    }
    if (isOneOf(word, { "blob", "Blob", "amoeba", "Amoeba", "bacteria", "Bacteria" })) {
        return KTEnemy::Blob;
    }
    return KTEnemy::Pet;
}

QMIntelligence* newAIEnemyOf(const std::string& word)
{
    if (isOneOf(word, { "zealot", "wraith", "wraithblade", "charger" })) {
        return new QMZealot();
    }
    if (isOneOf(word, { "anubis", "shooter" })) {
        return new RWAnubis();
    }
    if (isOneOf(word, { "creeper", "rolliepollie", "suicide" })) {
        return new RWCreeper();
    }
    if (isOneOf(word, { "reaper", "oni" })) {
        return new RWReaper();
    }
    if (isOneOf(word, { "colossus", "finalboss", "Colossus", "FinalBoss" })) {
        return new RWColossus();
    }
    return new RWAnubis();
}

KTPickup* newPickupOf(const std::string& word)
{
    if (isOneOf(word, { "destroy", "destroyammo" })) {
        return new RWDestroyAmmoPickup();
    }
    if (isOneOf(word, { "red", "redammo" })) {
        return new RWRedAmmoPickup();
    }
    return new RWGrayAmmoPickup();
}

// Script cells have z up; the world has y up. Floats, so that no cell
// number overflows on the way.
VXVec4 worldOfCell(int cx, int cy, int cz, float halfX, float halfY, float halfZ)
{
    return VXVec4(KT_CELL_SIZE * static_cast<float>(cx) + halfX, KT_CELL_SIZE * static_cast<float>(cz) + halfY,
                  KT_CELL_SIZE * static_cast<float>(cy) + halfZ, 1.0f);
}

// The creating commands, each reading the rest of its line. `command` is
// the word that named it.
using CommandRun = void (*)(KTLevelFileReader& reader, const std::string& command, VXTokenizer& tokenizer);

struct CreatingCommand {
    std::initializer_list<const char*> words;
    CommandRun run;
};

// Stepped values that start at the cursor cell.
StepValues atCursor(const KTLevelFileReader& reader)
{
    StepValues v;
    v.number[0] = reader.cursorX;
    v.number[1] = reader.cursorY;
    v.number[2] = reader.cursorZ;
    return v;
}

// A cell from the cursor on and a word, `word` until the line names one.
StepValues cellAndWord(const KTLevelFileReader& reader, VXTokenizer& tokenizer, const SteppedCommand& command,
                       const char* word)
{
    StepValues v = atCursor(reader);
    v.word[3] = word;
    readSteps(reader, tokenizer, command, v);
    return v;
}

void createBlockCommand(KTLevelFileReader& reader, const std::string&, VXTokenizer& tokenizer)
{
    const StepValues v = cellAndWord(reader, tokenizer, CreateBlockSteps, "grey");
    reader.createBlock(v.number[0], v.number[1], v.number[2], KTLevelFileReader::blockTypeOfColour(v.word[3]));
}

// A column of blocks of `Type`.
template <int Type>
void columnCommand(KTLevelFileReader& reader, const std::string&, VXTokenizer& tokenizer)
{
    reader.createColumn(tokenizer, Type);
}

void fillAreaCommand(KTLevelFileReader& reader, const std::string&, VXTokenizer& tokenizer)
{
    reader.fillArea(tokenizer);
}

void createEnemyCommand(KTLevelFileReader& reader, const std::string&, VXTokenizer& tokenizer)
{
    const StepValues v = cellAndWord(reader, tokenizer, CreateEnemySteps, "basic");
    reader.createEnemy(v.number[0], v.number[1], v.number[2], v.word[3]);
}

void createPetCommand(KTLevelFileReader& reader, const std::string&, VXTokenizer& tokenizer)
{
    StepValues v = atCursor(reader);
    readSteps(reader, tokenizer, CreatePetSteps, v);
    reader.createEnemy(v.number[0], v.number[1], v.number[2], "pet");
}

void createAICommand(KTLevelFileReader& reader, const std::string&, VXTokenizer& tokenizer)
{
    StepValues v = atCursor(reader);
    v.word[3] = "wraithblade";
    // The roaming rectangle: the whole level.
    v.number[4] = 0;
    v.number[5] = 0;
    v.number[6] = KT_LEVEL_CELLS_X;
    v.number[7] = KT_LEVEL_CELLS_Z;
    readSteps(reader, tokenizer, CreateAISteps, v);
    reader.createAIEnemy(v.number[0], v.number[1], v.number[2], v.word[3], v.number[4], v.number[5], v.number[6],
                         v.number[7]);
}

// An AI enemy named by the command itself, its values in order.
void namedAICommand(KTLevelFileReader& reader, const std::string& command, VXTokenizer& tokenizer)
{
    int v[7];
    readInOrder(reader, tokenizer, v, 7);
    reader.createAIEnemy(v[0], v[1], v[2], command, v[3], v[4], v[5], v[6]);
}

// A pickup named by the command itself, its cell in order.
void namedPickupCommand(KTLevelFileReader& reader, const std::string& command, VXTokenizer& tokenizer)
{
    int v[3];
    readInOrder(reader, tokenizer, v, 3);
    reader.createPickup(v[0], v[1], v[2], command);
}

void createItemCommand(KTLevelFileReader& reader, const std::string&, VXTokenizer& tokenizer)
{
    const StepValues v = cellAndWord(reader, tokenizer, CreateItemSteps, "gray");
    reader.createPickup(v.number[0], v.number[1], v.number[2], v.word[3]);
}

void elevatorCommand(KTLevelFileReader& reader, const std::string&, VXTokenizer& tokenizer)
{
    StepValues v = atCursor(reader);
    v.number[3] = reader.cursorZ;
    readSteps(reader, tokenizer, ElevatorSteps, v);
    reader.createElevator(v.number[0], v.number[1], v.number[2], v.number[3]);
}

// The player's cell and ammunition in order.
void heroCommand(KTLevelFileReader& reader, const std::string&, VXTokenizer& tokenizer)
{
    int v[7];
    readInOrder(reader, tokenizer, v, 7);
    // The fourth value is read and not used.
    reader.placePlayer(v[0], v[1], v[2], v[4], v[5], v[6]);
}

void createPlayerCommand(KTLevelFileReader& reader, const std::string&, VXTokenizer& tokenizer)
{
    StepValues v = atCursor(reader);
    readSteps(reader, tokenizer, CreatePlayerSteps, v);
    // There is no key for the red counter: it always starts empty.
    reader.placePlayer(v.number[0], v.number[1], v.number[2], v.number[3], v.number[4], 0);
}

void addWallsCommand(KTLevelFileReader& reader, const std::string&, VXTokenizer&)
{
    reader.addWalls();
}

void textureCommand(KTLevelFileReader& reader, const std::string&, VXTokenizer& tokenizer)
{
    reader.addHelpSign(tokenizer);
}

// In the order they are tried; the first that lists the word runs.
const CreatingCommand CreatingCommands[] = {
    { { "Create_Block", "create_block", "Create_block", "Block", "block" }, createBlockCommand },
    { { "redblock", "red" }, columnCommand<KTBlockType::Red> },
    { { "blueblock", "blue" }, columnCommand<KTBlockType::Blue> },
    { { "greenblock", "green" }, columnCommand<KTBlockType::Green> },
    { { "greyblock", "grayblock", "grey" }, columnCommand<KTBlockType::Grey> },
    { { "blackblock", "black" }, columnCommand<KTBlockType::Black> },
    { { "goalblock", "whiteblock", "goal" }, columnCommand<KTBlockType::Goal> },
    { { "acidblock", "acid" }, columnCommand<KTBlockType::Acid> },
    { { "targetblock", "target" }, columnCommand<KTBlockType::Target> },
    { { "Fill_Area", "fill_area", "Fill_area", "Fill", "fill", "Area", "area" }, fillAreaCommand },
    { { "Create_Enemy", "create_enemy", "Create_enemy", "Enemy", "enemy" }, createEnemyCommand },
    { { "Create_Pet", "create_pet", "Create_pet", "Pet", "pet" }, createPetCommand },
    { { "Create_AI", "create_AI", "create_ai", "AI", "ai" }, createAICommand },
    { { "anubis", "wraithblade", "creeper", "reaper" }, namedAICommand },
    { { "blueammo", "destroyammo", "redammo" }, namedPickupCommand },
    { { "Create_Item", "create_Item", "create_item", "Item", "item", "Create_Ammo", "create_Ammo", "create_ammo",
        "Ammo", "ammo" },
      createItemCommand },
    { { "Elevator", "elevator", "yellowblock", "create_elevator", "Create_Elevator", "Create_elevator",
        "yellowblocK" },
      elevatorCommand },
    { { "zelk", "hero" }, heroCommand },
    { { "Create_Player", "create_player", "Create_player", "Player", "player", "character", "main_character" },
      createPlayerCommand },
    { { "Add_Walls" }, addWallsCommand },
    { { "Texture" }, textureCommand },
};

} // namespace

int KTLevelFileReader::blockTypeOfColour(const std::string& word)
{
    if (word == "red") {
        return KTBlockType::Red;
    }
    if (word == "blue") {
        return KTBlockType::Blue;
    }
    if (word == "green") {
        return KTBlockType::Green;
    }
    if (word == "yellow") {
        return KTBlockType::Yellow;
    }
    if (word == "grey" || word == "gray") {
        return KTBlockType::Grey;
    }
    if (word == "black") {
        return KTBlockType::Black;
    }
    if (word == "goal" || word == "white") {
        return KTBlockType::Goal;
    }
    return KTBlockType::Acid;
}

bool KTLevelFileReader::belowLimit(int count, int limit, bool& reported, const char* message) const
{
    if (count < limit) {
        return true;
    }
    if (!reported) {
        VXLog() << message << levelName;
        reported = true;
    }
    return false;
}

bool KTLevelFileReader::mayCreate()
{
    if (levelWorld == nullptr ||
        !belowLimit(createdObjects, MaxCreatedObjects, objectLimitReported, "TOO MANY OBJECTS IN LEVEL ")) {
        return false;
    }
    ++createdObjects;
    return true;
}

bool KTLevelFileReader::mayCreateAIEnemy()
{
    if (levelWorld == nullptr ||
        !belowLimit(aiEnemies, MaxAIEnemies, aiEnemyLimitReported, "TOO MANY AI ENEMIES IN LEVEL ") ||
        !mayCreate()) {
        return false;
    }
    ++aiEnemies;
    return true;
}

bool KTLevelFileReader::creationRefused() const
{
    return levelWorld == nullptr || objectLimitReported;
}

bool KTLevelFileReader::runCreatingCommand(const std::string& command, VXTokenizer& tokenizer)
{
    for (const CreatingCommand& entry : CreatingCommands) {
        if (isOneOf(command, entry.words)) {
            entry.run(*this, command, tokenizer);
            return true;
        }
    }
    return false;
}

void KTLevelFileReader::fillArea(VXTokenizer& tokenizer)
{
    StepValues v;
    for (int k = 0; k < 3; ++k) {
        const int cursor = k == 0 ? cursorX : (k == 1 ? cursorY : cursorZ);
        v.number[k] = cursor;
        v.high[k] = cursor;
    }
    v.word[3] = "grey";
    readSteps(*this, tokenizer, FillAreaSteps, v);
    const int type = blockTypeOfColour(v.word[3]);
    // An empty range makes an empty box: no need to walk the other ranges.
    for (int k = 0; k < 3; ++k) {
        if (v.number[k] > v.high[k]) {
            return;
        }
    }
    // 64-bit counters: a high end of INT_MAX must not wrap around.
    for (long long cx = v.number[0]; cx <= v.high[0]; ++cx) {
        for (long long cy = v.number[1]; cy <= v.high[1]; ++cy) {
            for (long long cz = v.number[2]; cz <= v.high[2]; ++cz) {
                if (creationRefused()) {
                    return;
                }
                createBlock(static_cast<int>(cx), static_cast<int>(cy), static_cast<int>(cz), type);
            }
        }
    }
}

void KTLevelFileReader::createColumn(VXTokenizer tokenizer, int type)
{
    int v[4];
    readInOrder(*this, tokenizer, v, 4);
    for (long long cz = v[2]; cz <= v[3]; ++cz) {
        if (creationRefused()) {
            return;
        }
        createBlock(v[0], v[1], static_cast<int>(cz), type);
    }
}

// Grey walls around the level's border, each cell once: the rows at cy 0
// and width - 1 over every cx and cz, then the rows at cx 0 and length - 1
// over the cy between them. The cursor goes back to (0, 0, 0), also when the
// walls are cut short.
void KTLevelFileReader::addWalls()
{
    // The walls take their own cells, so the cursor can go back first; it
    // then ends at (0, 0, 0) even when the walls are cut short.
    cursorX = 0;
    cursorY = 0;
    cursorZ = 0;
    // A level without floor cells has no border.
    if (length <= 0 || width <= 0) {
        return;
    }
    for (long long cz = 0; cz < height; ++cz) {
        for (long long cx = 0; cx < length; ++cx) {
            if (creationRefused()) {
                return;
            }
            createBlock(static_cast<int>(cx), 0, static_cast<int>(cz), KTBlockType::Grey);
            if (width > 1) {
                createBlock(static_cast<int>(cx), width - 1, static_cast<int>(cz), KTBlockType::Grey);
            }
        }
        for (long long cy = 1; cy < static_cast<long long>(width) - 1; ++cy) {
            if (creationRefused()) {
                return;
            }
            createBlock(0, static_cast<int>(cy), static_cast<int>(cz), KTBlockType::Grey);
            if (length > 1) {
                createBlock(length - 1, static_cast<int>(cy), static_cast<int>(cz), KTBlockType::Grey);
            }
        }
    }
}

void KTLevelFileReader::addHelpSign(VXTokenizer& tokenizer)
{
    const float a = parseFloat(tokenizer.nextToken());
    const float b = parseFloat(tokenizer.nextToken());
    const float c = parseFloat(tokenizer.nextToken());
    const float r = parseFloat(tokenizer.nextToken());
    const std::string name = tokenizer.nextToken();
    if (!mayCreate()) {
        return;
    }
    // The lookup enters a name it does not know, with no image.
    VXTexture* image = assets().helpImages[name];
    levelWorld->helpSigns.push_back(
        KTHelpSign(VXVec4(KT_CELL_SIZE * a, KT_CELL_SIZE * c, KT_CELL_SIZE * b, 1.0f), image, r));
    VXLog() << "READ FILE " << name;
}

void KTLevelFileReader::createBlock(int cx, int cy, int cz, int type)
{
    if (!mayCreate()) {
        return;
    }
    KTBlock* block = new KTBlock();
    block->position = worldOfCell(cx, cy, cz, 0.0f, 0.0f, 0.0f);
    levelWorld->addObject(block, [this, block, type] { block->setUp(levelWorld->physics, type, levelWorld); });
}

void KTLevelFileReader::createEnemy(int cx, int cy, int cz, const std::string& word)
{
    if (!mayCreate()) {
        return;
    }
    KTEnemy* enemy = new KTEnemy();
    enemy->position = worldOfCell(cx, cy, cz, 0.0f, 0.0f, 0.0f);
    levelWorld->addEnemy(enemy, enemyKindOf(word));
}

void KTLevelFileReader::createElevator(int cx, int cy, int cz, int topCz)
{
    if (!mayCreate()) {
        return;
    }
    KTEnemy* elevator = new KTEnemy();
    elevator->position = worldOfCell(cx, cy, cz, HalfCell, HalfCell, HalfCell);
    elevator->home = elevator->position;
    elevator->topCell = topCz;
    levelWorld->addEnemy(elevator, KTEnemy::Elevator);
}

void KTLevelFileReader::createAIEnemy(int cx, int cy, int cz, const std::string& word, int lowerX, int lowerY,
                                      int upperX, int upperY)
{
    if (!mayCreateAIEnemy()) {
        return;
    }
    QMIntelligence* enemy = newAIEnemyOf(word);
    enemy->position = worldOfCell(cx, cy, cz, HalfCell, HalfCell, 0.0f);
    levelWorld->addObject(enemy, [&] {
        enemy->spawn(levelWorld->physics, levelWorld, levelWorld->player, AISpawnFlag, lowerX, lowerY, upperX,
                     upperY);
    });
}

void KTLevelFileReader::createPickup(int cx, int cy, int cz, const std::string& word)
{
    if (!mayCreate()) {
        return;
    }
    KTPickup* pickup = newPickupOf(word);
    pickup->position = worldOfCell(cx, cy, cz, 0.0f, 0.0f, 0.0f);
    levelWorld->addObject(pickup);
}

void KTLevelFileReader::placePlayer(int cx, int cy, int cz, int gray, int destroy, int red)
{
    if (levelWorld == nullptr || levelWorld->player == nullptr) {
        return;
    }
    KTMainCharacter* player = levelWorld->player;
    player->position = worldOfCell(cx, cy, cz, HalfCell, HalfCell, HalfCell);
    player->greyAmmo = gray;
    player->destroyAmmo = destroy;
    player->redAmmo = red;
}
