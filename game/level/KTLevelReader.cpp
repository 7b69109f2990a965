#include "game/level/KTLevelReader.h"

#include "engine/text/VXTokenizer.h"

namespace {

// Only NUL and newline end a name; nothing delimits.
VXCharacterClassTable wholeLineClasses()
{
    VXCharacterClassTable table;
    for (int i = 0; i < 256; ++i) {
        table.classOf[i] = VXCharacterClassTable::Token;
    }
    table.classOf[0] = VXCharacterClassTable::End;
    table.classOf[static_cast<unsigned char>('\n')] = VXCharacterClassTable::End;
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
