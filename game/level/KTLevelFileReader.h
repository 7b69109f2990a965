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

    // Guards against scripts that would stall the game: loops nested deeper
    // than this are not run, and a file carries out at most this many loop
    // repetitions in all.
    static constexpr int MaxLoopDepth = 64;
    static constexpr long MaxLoopRepetitions = 1000000;

private:
    void runLoop(struct VXTokenizer& tokenizer);
    void echo(const std::string& textWithNewline);

    int loopDepth;
    long loopRepetitions;
    bool loopLimitReported;
};

#endif
