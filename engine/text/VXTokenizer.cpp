#include "engine/text/VXTokenizer.h"

void VXTokenizer::setTable(const VXCharacterClassTable* newTable)
{
    table = newTable;
}

void VXTokenizer::setText(std::string* newText)
{
    text = newText;
    position = 0;
    if (text != nullptr) {
        text->push_back('\n');
    }
}

int VXTokenizer::classAt(int index) const
{
    if (text == nullptr || table == nullptr || index < 0 || static_cast<std::size_t>(index) >= text->size()) {
        return VXCharacterClassTable::End;
    }
    return table->classOf[static_cast<unsigned char>((*text)[index])];
}

void VXTokenizer::skipDelimiters()
{
    while (classAt(position) == VXCharacterClassTable::Delimiter) {
        ++position;
    }
}

std::string VXTokenizer::nextToken()
{
    skipDelimiters();
    const int start = position;
    bool valid = true;
    for (;;) {
        const int characterClass = classAt(position);
        if (characterClass == VXCharacterClassTable::Delimiter || characterClass == VXCharacterClassTable::End) {
            break;
        }
        if (characterClass == VXCharacterClassTable::Invalid) {
            valid = false;
        }
        ++position;
    }
    if (!valid || position == start) {
        return std::string();
    }
    return text->substr(start, position - start);
}

std::string VXTokenizer::restOfLine()
{
    skipDelimiters();
    const int start = position;
    int last = start;
    for (;;) {
        const int characterClass = classAt(position);
        if (characterClass == VXCharacterClassTable::End) {
            break;
        }
        if (characterClass != VXCharacterClassTable::Delimiter) {
            last = position + 1;
        }
        ++position;
    }
    if (last == start) {
        return std::string();
    }
    return text->substr(start, last - start);
}
