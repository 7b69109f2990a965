#include "game/level/KTLevelFileReader.h"

#include "engine/core/VXLog.h"
#include "engine/text/VXTextConversions.h"
#include "engine/text/VXTokenizer.h"
#include "game/level/KTGridCell.h"

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

// Before the first Height line of the first file: the level's height.
const int DefaultHeight = KT_LEVEL_CELLS_Y;
// Each file's length and width in cells until it states them.
const int DefaultExtent = 30;

} // namespace

KTLevelFileReader::KTLevelFileReader()
    : characterClasses(scriptClasses()), levelWorld(nullptr), length(DefaultExtent), width(DefaultExtent),
      height(DefaultHeight), counter(0), cursorX(0), cursorY(0), cursorZ(0), loopCount(0),
      loopDepth(0), loopRepetitions(0), loopBodyBytes(0), loopLimitReported(false), skippingLoopBodies(false),
      createdObjects(0), objectLimitReported(false), aiEnemies(0), aiEnemyLimitReported(false)
{
}

void KTLevelFileReader::beginParse(std::string path)
{
    (void)path;
    characterClasses = scriptClasses();
    cursorX = cursorY = cursorZ = 0;
    loopCount = 0;
    counter = 0;
    length = DefaultExtent;
    width = DefaultExtent;
    loopDepth = 0;
    loopRepetitions = 0;
    loopBodyBytes = 0;
    loopLimitReported = false;
    skippingLoopBodies = false;
    createdObjects = 0;
    objectLimitReported = false;
    aiEnemies = 0;
    aiEnemyLimitReported = false;
}

int KTLevelFileReader::evaluate(const std::string& word) const
{
    // x-y-2 is x - (y - 2): the words group to the right, so the value is
    // x + s0 * y + s0 * s1 * 2, where each sign is that of the operator
    // before the term. Summed in one pass from the left (no recursion, no
    // copies, however long the word), wrapping rather than overflowing on
    // absurd values.
    unsigned int sum = 0;
    unsigned int sign = 1;
    std::size_t start = 0;
    for (;;) {
        const std::size_t left = word.size() - start;
        const char letter = left > 0 ? word[start] : '\0';
        const bool cursorLetter = letter == 'x' || letter == 'y' || letter == 'z';
        if (word.compare(start, std::string::npos, "loop_count") == 0) {
            return static_cast<int>(sum + sign * static_cast<unsigned int>(loopCount));
        }
        const int cursor = letter == 'x' ? cursorX : (letter == 'y' ? cursorY : cursorZ);
        if (cursorLetter && left == 1) {
            return static_cast<int>(sum + sign * static_cast<unsigned int>(cursor));
        }
        if (!(cursorLetter && left > 2 && (word[start + 1] == '-' || word[start + 1] == '+'))) {
            break;
        }
        sum += sign * static_cast<unsigned int>(cursor);
        if (word[start + 1] == '-') {
            sign = 0u - sign;
        }
        start += 2;
    }
    return static_cast<int>(sum + sign * static_cast<unsigned int>(parseInt(word.substr(start))));
}

void KTLevelFileReader::echo(const std::string& textWithNewline)
{
    VXLog() << textWithNewline;
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
        runLoop(readLoopHead(tokenizer));
    } else if (command == "Increment_Counter") {
        // Wraps at 32 bits, as the cursor sums do.
        counter = static_cast<int>(static_cast<unsigned int>(counter)
                                   + static_cast<unsigned int>(parseInt(tokenizer.nextToken())));
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

KTLevelFileReader::LoopHead KTLevelFileReader::readLoopHead(VXTokenizer& tokenizer)
{
    LoopHead head;
    head.start = tokenizer.nextToken();
    head.end = tokenizer.nextToken();
    if (head.end == "To" || head.end == "to") {
        head.end = tokenizer.nextToken();
    }
    return head;
}

void KTLevelFileReader::runLoop(const LoopHead& head)
{
    const int start = parseInt(head.start);
    const int end = evaluate(head.end);
    // The body is the next line of the file, consumed whatever the bounds.
    std::string body = readLine();
    if (loopDepth >= MaxLoopDepth) {
        VXLog() << "LOOP NESTED TOO DEEPLY: " << body;
        return;
    }
    ++loopDepth;
    // The body and the line end it was read with.
    const long bodyBytes = static_cast<long>(body.size()) + 1;
    long long i = start;
    for (; i < end && !skippingLoopBodies; ++i) {
        const bool tooMany = loopRepetitions >= MaxLoopRepetitions;
        if (tooMany || loopBodyBytes > MaxLoopBodyBytes - bodyBytes) {
            if (!loopLimitReported) {
                VXLog() << (tooMany ? "TOO MANY LOOP REPETITIONS IN LEVEL " : "TOO MUCH LOOP TEXT IN LEVEL ")
                        << levelName;
                loopLimitReported = true;
            }
            break;
        }
        ++loopRepetitions;
        loopBodyBytes += bodyBytes;
        loopCount = static_cast<int>(i);
        parseLine(body);
    }
    if (i < end) {
        skipRepetitions(i, end, body);
    }
    --loopDepth;
}

void KTLevelFileReader::skipRepetitions(long long from, int end, std::string body)
{
    VXTokenizer tokenizer;
    tokenizer.setTable(&characterClasses);
    tokenizer.setText(&body);
    const std::string command = tokenizer.nextToken();
    if (command != "For" && command != "for") {
        return;
    }
    const LoopHead head = readLoopHead(tokenizer);
    const bool wasSkipping = skippingLoopBodies;
    skippingLoopBodies = true;
    // Each repetition reads a line, so the end of the file ends them.
    for (long long i = from; i < end && stream.good(); ++i) {
        loopCount = static_cast<int>(i);
        runLoop(head);
    }
    skippingLoopBodies = wasSkipping;
}

void KTLevelFileReader::print(std::string prefix)
{
    VXLog() << prefix << "Level: " << levelName;
    VXLog() << prefix << "\tLength: " << length;
    VXLog() << prefix << "\tWidth: " << width;
    VXLog() << prefix << "\tCounter: " << counter;
}

void KTLevelFileReader::endParse()
{
}
