#include "game/level/KTLevelFileReader.h"

// The script language is being filled in; for now every line is ignored.
KTLevelFileReader::KTLevelFileReader()
    : levelWorld(nullptr), length(30), width(30), height(5), counter(0),
      cursorX(0), cursorY(0), cursorZ(0), loopCount(0)
{
}

void KTLevelFileReader::beginParse(std::string path)
{
    (void)path;
}

void KTLevelFileReader::parseLine(std::string line)
{
    (void)line;
}

void KTLevelFileReader::print(std::string prefix)
{
    (void)prefix;
}

void KTLevelFileReader::endParse()
{
}

int KTLevelFileReader::evaluate(const std::string& word) const
{
    (void)word;
    return 0;
}
