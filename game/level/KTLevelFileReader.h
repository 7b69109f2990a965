#ifndef GAME_LEVEL_KTLEVELFILEREADER_H
#define GAME_LEVEL_KTLEVELFILEREADER_H

#include <map>
#include <string>

#include "engine/text/VXCharacterClassTable.h"
#include "engine/text/VXTextFileStreamReader.h"

class KTLevelWorld;

// Reads a level script and carries out each line at once: level name and
// extent, the cursor, one-line loops, counters, and the commands that create
// the level's objects in `levelWorld`. Script cells are (x, y, z) with z up.
class KTLevelFileReader : public VXTextFileStreamReader {
public:
    VXCharacterClassTable characterClasses;
    KTLevelWorld* levelWorld;
    std::string levelName;
    int length;
    int width;
    int height;
    int counter;
    int cursorX;
    int cursorY;
    int cursorZ;
    int loopCount;
    std::map<std::string, int> namedIntegers;

    KTLevelFileReader();

    void beginParse(std::string path) override;
    void parseLine(std::string line) override;
    void print(std::string prefix) override;
    void endParse() override;

    int evaluate(const std::string& word) const;

    // The creating commands' operations: each builds one object at the
    // world position of script cell (cx, cy, cz) and hands it to the world.
    void createBlock(int cx, int cy, int cz, int type);
    void createColumn(struct VXTokenizer tokenizer, int type);
    void createEnemy(int cx, int cy, int cz, const std::string& word);
    void createElevator(int cx, int cy, int cz, int topCz);
    void createAIEnemy(int cx, int cy, int cz, const std::string& word, int lowerX, int lowerY, int upperX,
                       int upperY);
    void createPickup(int cx, int cy, int cz, const std::string& word);
    void placePlayer(int cx, int cy, int cz, int gray, int destroy, int red);
    void fillArea(struct VXTokenizer& tokenizer);
    void addWalls();
    void addHelpSign(struct VXTokenizer& tokenizer);

    // The KTBlockType of a colour word, first match: red, blue, green,
    // yellow, grey/gray, black, goal/white; any other word Acid.
    static int blockTypeOfColour(const std::string& word);

    // Guards against scripts that would stall the game: loops nested deeper
    // than this are not run, and a file carries out at most this many loop
    // repetitions, and loop bodies of at most this many bytes, in all. A
    // whole level has 2000 cells and a file makes at most 10000 objects; the
    // shipped levels repeat a few dozen times. Past the repetition or text
    // limit, every loop's body is still read from the file and dropped.
    static constexpr int MaxLoopDepth = 64;
    static constexpr long MaxLoopRepetitions = 20000;
    static constexpr long MaxLoopBodyBytes = 1L << 20;
    // A file creates at most this many objects (five full levels); the rest
    // of its creating commands are refused.
    static constexpr int MaxCreatedObjects = 10000;
    // Of those, at most this many AI enemies: each looks for the player and
    // searches paths on every update, which keeps a hundred of them within a
    // fifth of a millisecond per update in a full level. The shipped levels
    // have a handful.
    static constexpr int MaxAIEnemies = 100;

private:
    // The words of a loop line after its command: the start and the end.
    struct LoopHead {
        std::string start;
        std::string end;
    };
    static LoopHead readLoopHead(struct VXTokenizer& tokenizer);
    void runLoop(const LoopHead& head);
    // Repetitions `from` up to `end` of a loop past a loop limit: none is
    // carried out, but a body that is itself a loop line still reads its own
    // body lines from the file as it would have, and drops them, so that no
    // line of a loop's body is ever run as an ordinary line.
    void skipRepetitions(long long from, int end, std::string body);
    void echo(const std::string& textWithNewline);
    // True when `command` is a creating command; it has then been carried out.
    bool runCreatingCommand(const std::string& command, struct VXTokenizer& tokenizer);
    // Whether `count` is below `limit`; the first time it is not, prints
    // `message` and the level's name.
    bool belowLimit(int count, int limit, bool& reported, const char* message) const;
    // Counts one more created object; false once the file has made too many.
    bool mayCreate();
    // The same for an AI enemy, which also counts against its own limit.
    bool mayCreateAIEnemy();
    // True when no further object can be made (no world, or the file has
    // made too many): the creating loops end at once.
    bool creationRefused() const;

    int loopDepth;
    long loopRepetitions;
    long loopBodyBytes;
    bool loopLimitReported;
    // Inside repetitions that skipRepetitions reads without running.
    bool skippingLoopBodies;
    int createdObjects;
    bool objectLimitReported;
    int aiEnemies;
    bool aiEnemyLimitReported;
};

#endif
