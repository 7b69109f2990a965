#include "game/level/KTLevelFileReader.h"

#include <iostream>

#include "engine/text/VXTextConversions.h"
#include "engine/text/VXTokenizer.h"

namespace {

// Blank, tab, comma, '=' and ':' separate words, so "x = 5", "x:5" and
// "x,5" all read as x and 5.
VXCharacterClassTable scriptClasses()
{
    VXCharacterClassTable table = VXCharacterClassTable::makeBlankDelimited();
    for (char c : { ',', '=', ':' }) {
        table.classOf[static_cast<unsigned char>(c)] = VXCharacterClassTable::Delimiter;
    }
    return table;
}

// Before the first Height line of the first file: the world's height in cells.
const int DefaultHeight = 5;

} // namespace

KTLevelFileReader::KTLevelFileReader()
    : characterClasses(scriptClasses()), levelWorld(nullptr), length(30), width(30),
      height(DefaultHeight), counter(0), cursorX(0), cursorY(0), cursorZ(0), loopCount(0),
      loopDepth(0), loopRepetitions(0), loopBodyBytes(0), loopLimitReported(false), createdObjects(0),
      objectLimitReported(false), movingObjects(0), movingLimitReported(false)
{
}

void KTLevelFileReader::beginParse(std::string path)
{
    (void)path;
    characterClasses = scriptClasses();
    cursorX = cursorY = cursorZ = 0;
    loopCount = 0;
    counter = 0;
    length = 30;
    width = 30;
    loopDepth = 0;
    loopRepetitions = 0;
    loopBodyBytes = 0;
    loopLimitReported = false;
    createdObjects = 0;
    objectLimitReported = false;
    movingObjects = 0;
    movingLimitReported = false;
}

int KTLevelFileReader::evaluate(const std::string& word) const
{
    // A run of cursor terms, each followed by '+' or '-', before a last word:
    // x-y-2 is x - (y - 2), the rest grouping to the right. Folded from the
    // right in one pass, so that a long sum costs no more than its length.
    size_t terms = 0;
    while (word.size() - 2 * terms > 2) {
        const char axis = word[2 * terms];
        const char sign = word[2 * terms + 1];
        if ((axis != 'x' && axis != 'y' && axis != 'z') || (sign != '-' && sign != '+')) {
            break;
        }
        ++terms;
    }
    const std::string last = word.substr(2 * terms);
    int value;
    if (last == "loop_count") {
        value = loopCount;
    } else if (last == "x") {
        value = cursorX;
    } else if (last == "y") {
        value = cursorY;
    } else if (last == "z") {
        value = cursorZ;
    } else {
        value = parseInt(last);
    }
    for (size_t i = terms; i-- > 0;) {
        const char axis = word[2 * i];
        const long long base = axis == 'x' ? cursorX : (axis == 'y' ? cursorY : cursorZ);
        // Wrap rather than overflow on absurd values.
        const long long sum = word[2 * i + 1] == '-' ? base - value : base + value;
        value = static_cast<int>(static_cast<unsigned int>(sum));
    }
    return value;
}

void KTLevelFileReader::echo(const std::string& textWithNewline)
{
    std::cout << textWithNewline << "\n" << std::flush;
}

void KTLevelFileReader::parseLine(std::string line)
{
    VXTokenizer tokenizer;
    tokenizer.setTable(&characterClasses);
    tokenizer.setText(&line);
    std::string command = tokenizer.nextToken();

    if (command == "Level") {
        levelName = tokenizer.restOfLine();
    } else if (command == "Length" || command == "length") {
        length = parseInt(tokenizer.nextToken());
    } else if (command == "Width" || command == "width") {
        width = parseInt(tokenizer.nextToken());
    } else if (command == "Height" || command == "height") {
        height = parseInt(tokenizer.nextToken());
    } else if (command == "x") {
        cursorX = evaluate(tokenizer.nextToken());
    } else if (command == "y") {
        cursorY = evaluate(tokenizer.nextToken());
    } else if (command == "z") {
        cursorZ = evaluate(tokenizer.nextToken());
    } else if (command == "For" || command == "for") {
        runLoop(tokenizer);
    } else if (command == "Increment_Counter") {
        counter += parseInt(tokenizer.nextToken());
    } else if (command == "Store_Integer") {
        std::string name = tokenizer.nextToken();
        namedIntegers[name] = parseInt(tokenizer.nextToken());
    } else if (runCreatingCommand(command, tokenizer)) {
        return;
    } else {
        // setText appended the newline, so every echoed line is followed by
        // an empty one.
        echo(line);
    }
}

void KTLevelFileReader::runLoop(VXTokenizer& tokenizer)
{
    int start = parseInt(tokenizer.nextToken());
    std::string word = tokenizer.nextToken();
    if (word == "To" || word == "to") {
        word = tokenizer.nextToken();
    }
    int end = evaluate(word);
    // The body is the next line of the file, consumed whatever the bounds.
    std::string body = readLine();
    if (loopDepth >= MaxLoopDepth) {
        std::cout << "LOOP NESTED TOO DEEPLY: " << body << std::endl;
        return;
    }
    ++loopDepth;
    // The body and the line end it was read with.
    const long bodyBytes = static_cast<long>(body.size()) + 1;
    for (long long i = start; i < end; ++i) {
        const bool tooMany = loopRepetitions >= MaxLoopRepetitions;
        if (tooMany || loopBodyBytes > MaxLoopBodyBytes - bodyBytes) {
            if (!loopLimitReported) {
                std::cout << (tooMany ? "TOO MANY LOOP REPETITIONS IN LEVEL " : "TOO MUCH LOOP TEXT IN LEVEL ")
                          << levelName << std::endl;
                loopLimitReported = true;
            }
            break;
        }
        ++loopRepetitions;
        loopBodyBytes += bodyBytes;
        loopCount = static_cast<int>(i);
        parseLine(body);
    }
    --loopDepth;
}

void KTLevelFileReader::print(std::string prefix)
{
    std::cout << prefix << "Level: " << levelName << std::endl;
    std::cout << prefix << "\tLength: " << length << std::endl;
    std::cout << prefix << "\tWidth: " << width << std::endl;
    std::cout << prefix << "\tCounter: " << counter << std::endl;
}

void KTLevelFileReader::endParse()
{
}
