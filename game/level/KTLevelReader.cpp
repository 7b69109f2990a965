#include "game/level/KTLevelReader.h"

#include "engine/text/VXTokenizer.h"

namespace {

// Only NUL and newline end a name; nothing delimits.
VXCharacterClassTable wholeLineClasses()
{
    VXCharacterClassTable table = VXCharacterClassTable::makeBlankDelimited();
    table.classOf[static_cast<unsigned char>(' ')] = VXCharacterClassTable::Token;
    table.classOf[static_cast<unsigned char>('\t')] = VXCharacterClassTable::Token;
    return table;
}

} // namespace

KTLevelReader::KTLevelReader()
    : characterClasses(wholeLineClasses())
{
}

void KTLevelReader::beginParse(std::string path)
{
    (void)path;
    characterClasses = wholeLineClasses();
}

void KTLevelReader::parseLine(std::string line)
{
    VXTokenizer tokenizer;
    tokenizer.setTable(&characterClasses);
    tokenizer.setText(&line);
    std::string name = tokenizer.nextToken();
    // A list saved with CR LF line ends must still name files that open.
    if (!name.empty() && name.back() == '\r') {
        name.pop_back();
    }
    fileNames.push_back(name);
}

void KTLevelReader::endParse()
{
}
