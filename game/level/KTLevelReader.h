#ifndef GAME_LEVEL_KTLEVELREADER_H
#define GAME_LEVEL_KTLEVELREADER_H

#include <string>
#include <vector>

#include "engine/text/VXCharacterClassTable.h"
#include "engine/text/VXTextFileStreamReader.h"

// The level list: one level script path per line, taken whole (blanks, tabs
// and commas are part of a name), in file order.
class KTLevelReader : public VXTextFileStreamReader {
public:
    VXCharacterClassTable characterClasses;
    std::vector<std::string> fileNames;

    KTLevelReader();

    void beginParse(std::string path) override;
    void parseLine(std::string line) override;
    void endParse() override;
};

#endif
