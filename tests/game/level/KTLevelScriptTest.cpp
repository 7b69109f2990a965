#include <gtest/gtest.h>

#include "engine/core/VXLog.h"
#include "support/TempDir.h"
#include "game/level/KTLevelFileReader.h"
#include "game/level/KTLevelReader.h"

namespace {

class LevelScript : public ::testing::Test {
protected:
    TempDir dir;
    KTLevelFileReader reader;

    void run(const std::string& script)
    {
        reader.parseFile(dir.write("level.txt", script));
    }

    std::string runCapturing(const std::string& script)
    {
        VXLogCapture logged;
        run(script);
        return logged.text();
    }
};

} // namespace

TEST_F(LevelScript, CursorArithmeticGroupsToTheRight)
{
    run("x 4\ny x+2\nz y-1\n");
    EXPECT_EQ(reader.cursorX, 4);
    EXPECT_EQ(reader.cursorY, 6);
    EXPECT_EQ(reader.cursorZ, 5);

    run("x 10\ny 3\nz x-y-2\n");
    EXPECT_EQ(reader.cursorZ, 9);
    run("x = 3\ny:2\nz,x+y\n");
    EXPECT_EQ(reader.cursorZ, 5);
    // No suffix on loop_count, and named integers are never read back.
    run("Store_Integer lives 3\nx lives\ny loop_count+1\n");
    EXPECT_EQ(reader.cursorX, 0);
    EXPECT_EQ(reader.cursorY, 0);
    EXPECT_EQ(reader.namedIntegers["lives"], 3);
    EXPECT_EQ(reader.evaluate("-3"), -3);
    EXPECT_EQ(reader.evaluate(""), 0);
}

TEST_F(LevelScript, ArithmeticWordsOfAnyLengthEvaluate)
{
    // Hundreds of thousands of terms in one word: no deeper stack and no
    // more work than the word is long.
    const int terms = 300000;
    std::string sum;
    std::string alternating;
    for (int i = 0; i < terms; ++i) {
        sum += "x+";
        alternating += "x-";
    }
    run("x 2\ny " + sum + "1\nz " + alternating + "y-5\n");
    EXPECT_EQ(reader.cursorY, 2 * terms + 1);
    // x - (x - (... - (y - 5))): the cursor x terms cancel in pairs.
    EXPECT_EQ(reader.cursorZ, 2 * terms + 1 - 5);

    reader.cursorX = 7;
    reader.cursorY = -4;
    reader.loopCount = 3;
    EXPECT_EQ(reader.evaluate("x-y-loop_count"), 7 - (-4 - 3));
    EXPECT_EQ(reader.evaluate("y+x-z"), -4 + (7 - reader.cursorZ));
    // Too short for a sum, or a letter that is not a cursor: plain numbers.
    EXPECT_EQ(reader.evaluate("x+"), 0);
    EXPECT_EQ(reader.evaluate("w+2"), 0);
    EXPECT_EQ(reader.evaluate("x+loop_count+1"), 7);
    EXPECT_EQ(reader.evaluate("z-"), 0);
}

TEST_F(LevelScript, LoopsRunTheirBodyLineWithAnExclusiveEnd)
{
    run("For 2 To 5\nx loop_count\n");
    EXPECT_EQ(reader.cursorX, 4);
    EXPECT_EQ(reader.loopCount, 4);

    run("x 3\nFor 0 to x\nIncrement_Counter 1\n");
    EXPECT_EQ(reader.counter, 3);
    // The start is a plain number, never the cursor.
    run("x 3\nFor x to 3\nIncrement_Counter 1\n");
    EXPECT_EQ(reader.counter, 3);
    // An empty range still consumes its body.
    run("For 5 To 5\nx 9\ny 7\n");
    EXPECT_EQ(reader.cursorX, 0);
    EXPECT_EQ(reader.cursorY, 7);
}

TEST_F(LevelScript, NestedLoopsConsumeOneLinePerRepetition)
{
    // The outer body is a loop line; it reads its own body from the file on
    // each of the outer loop's three repetitions.
    run("For 0 To 3\nFor 0 To 2\nIncrement_Counter 1\nIncrement_Counter 10\nIncrement_Counter 100\n");
    EXPECT_EQ(reader.counter, 222);
}

TEST_F(LevelScript, ALoopAtTheEndOfTheFileEchoesAnEmptyBody)
{
    std::string out = runCapturing("For 0 To 2");
    EXPECT_EQ(out, "\n\n\n\n");
}

TEST_F(LevelScript, RunawayLoopsAreCutShort)
{
    std::string out = runCapturing("For 0 To 2000000000\nIncrement_Counter 1\n");
    EXPECT_EQ(reader.counter, KTLevelFileReader::MaxLoopRepetitions);
    EXPECT_NE(out.find("TOO MANY LOOP REPETITIONS"), std::string::npos);

    std::string deep;
    for (int i = 0; i < 5000; ++i) {
        deep += "For 0 To 1\n";
    }
    deep += "Increment_Counter 1\n";
    VXLogCapture logged;
    run(deep);
    std::string deepOut = logged.text();
    // Past the depth limit a loop line is skipped with its body; the rest of
    // the file reads on as ordinary lines.
    EXPECT_NE(deepOut.find("LOOP NESTED TOO DEEPLY"), std::string::npos);
    EXPECT_LE(reader.counter, 1);
}

TEST_F(LevelScript, AfterTheRepetitionCapLoopBodiesAreReadButNotRun)
{
    // The cap falls in the outer loop's third repetition: that repetition's
    // inner body, and those of the later loops (whose inner loop takes one
    // body line per repetition, the first none to run and the second a loop
    // of its own), are read as bodies and dropped, never run as lines.
    const std::string out = runCapturing("Level Capped\n"
                                         "For 0 To 3\nFor 0 To 9999\n"
                                         "Increment_Counter 1\nIncrement_Counter 1\nIncrement_Counter 1\n"
                                         "For 0 To 2\nFor 0 To loop_count\n"
                                         "Increment_Counter 100\nFor 0 To 4\nIncrement_Counter 100\n"
                                         "x 7\n");
    EXPECT_EQ(reader.counter, 2 * 9999);
    EXPECT_EQ(reader.cursorX, 7) << "the file reads on after the loops";
    const std::string line = "TOO MANY LOOP REPETITIONS IN LEVEL Capped\n";
    const std::size_t first = out.find(line);
    ASSERT_NE(first, std::string::npos) << out;
    EXPECT_EQ(out.find(line, first + 1), std::string::npos) << "said once";
}

TEST_F(LevelScript, CountersWrapAtThirtyTwoBits)
{
    run("Increment_Counter 2147483647\nIncrement_Counter 2147483647\n");
    EXPECT_EQ(reader.counter, -2);
    run("Increment_Counter -2147483648\nIncrement_Counter -1\n");
    EXPECT_EQ(reader.counter, 2147483647);
}

TEST_F(LevelScript, LongLoopBodiesAreCutShortByTheirText)
{
    // Few repetitions, but each carries out a long line: the text the loops
    // run in all is held too.
    const std::string body = "Increment_Counter 1 " + std::string(4000, 'a');
    std::string out = runCapturing("Level Long\nFor 0 To 2000000000\n" + body + "\nx 7\n");
    EXPECT_GT(reader.counter, 0);
    EXPECT_LE(static_cast<long>(reader.counter) * static_cast<long>(body.size() + 1),
              KTLevelFileReader::MaxLoopBodyBytes);
    EXPECT_GT(static_cast<long>(reader.counter + 1) * static_cast<long>(body.size() + 1),
              KTLevelFileReader::MaxLoopBodyBytes);
    EXPECT_NE(out.find("TOO MUCH LOOP TEXT IN LEVEL Long\n"), std::string::npos);
    // The file reads on after the loop.
    EXPECT_EQ(reader.cursorX, 7);
}

TEST_F(LevelScript, LongCursorSumsGroupToTheRight)
{
    std::string sum = "x";
    for (int i = 0; i < 3000; ++i) {
        sum += "+x";
    }
    run("x 2\ny " + sum + "+5\nz x-" + sum + "-1\n");
    EXPECT_EQ(reader.cursorY, 2 * 3001 + 5);
    // x - (x + ... + x - 1), with every other operator a plus.
    EXPECT_EQ(reader.cursorZ, 2 - (2 * 3001 - 1));
    // Sums past the int range wrap.
    run("x 2147483647\ny x+x+1\n");
    EXPECT_EQ(reader.cursorY, -1);
}

TEST_F(LevelScript, CreatingCommandsWithoutAWorldEndAtOnce)
{
    // Nothing is made without a world, so the creating loops must not run
    // through their whole ranges for nothing.
    std::string out = runCapturing("Fill_Area x 0 to 2000000000 y 0 to 2000000000 z 0 to 2000000000\n"
                                   "red 1 1 -2000000000 2000000000\n"
                                   "Length 2000000000\nWidth 2000000000\nHeight 2000000000\nx 4\nAdd_Walls\n"
                                   "Increment_Counter 1\n");
    EXPECT_EQ(reader.counter, 1);
    EXPECT_EQ(reader.cursorX, 0);
}

TEST_F(LevelScript, SizesNamesAndEchoes)
{
    std::string out = runCapturing("Level   Two  Words Here   \nWidth=12\nLength 12.5\nLENGTH 20\nheight 4\n");
    EXPECT_EQ(reader.levelName, "Two  Words Here");
    EXPECT_EQ(reader.width, 12);
    EXPECT_EQ(reader.length, 12);
    EXPECT_EQ(reader.height, 4);
    EXPECT_EQ(out, "LENGTH 20\n\n\n\n");

    // A second file starts from a fresh cursor and extent but keeps height
    // and name until it sets them.
    run("x 5\nIncrement_Counter 2\n");
    EXPECT_EQ(reader.cursorX, 5);
    run("y 1\n");
    EXPECT_EQ(reader.cursorX, 0);
    EXPECT_EQ(reader.counter, 0);
    EXPECT_EQ(reader.length, 30);
    EXPECT_EQ(reader.width, 30);
    EXPECT_EQ(reader.height, 4);
    EXPECT_EQ(reader.levelName, "Two  Words Here");
}

TEST(LevelScriptStart, HeightStartsAtTheWorldHeight)
{
    KTLevelFileReader reader;
    EXPECT_EQ(reader.height, 5);
}

TEST(LevelList, EveryLineIsOneNameTakenWhole)
{
    TempDir dir;
    KTLevelReader reader;
    reader.parseFile(dir.write("list.txt", " a b ,c\td \n\nlast\n"));
    ASSERT_EQ(reader.fileNames.size(), 4u);
    EXPECT_EQ(reader.fileNames[0], " a b ,c\td ");
    EXPECT_EQ(reader.fileNames[1], "");
    EXPECT_EQ(reader.fileNames[2], "last");
    EXPECT_EQ(reader.fileNames[3], "");

    KTLevelReader noNewline;
    noNewline.parseFile(dir.write("three.txt", "one\ntwo\r\nthree"));
    ASSERT_EQ(noNewline.fileNames.size(), 3u);
    EXPECT_EQ(noNewline.fileNames[1], "two");
    EXPECT_EQ(noNewline.fileNames[2], "three");
}

TEST(LevelList, AMissingListLeavesNoNames)
{
    KTLevelReader reader;
    VXLogCapture logged;
    reader.parseFile("no such folder/Level List.txt");
    EXPECT_NE(logged.text().find("Unable to open file: "), std::string::npos);
    EXPECT_TRUE(reader.fileNames.empty());
}

TEST_F(LevelScript, CarriageReturnsBeforeLineEndsLeaveNamesAndEchoesClean)
{
    const std::string out = runCapturing("Level First Steps\r\nLength 12\r\nx 4\r\nFor 0 to 3\r\nIncrement_Counter 2\r\n"
                                         "Unknown_Command a b\r\n");
    EXPECT_EQ(reader.levelName, "First Steps");
    EXPECT_EQ(reader.length, 12);
    EXPECT_EQ(reader.cursorX, 4);
    EXPECT_EQ(reader.counter, 6);
    EXPECT_EQ(out.find('\r'), std::string::npos);
    EXPECT_NE(out.find("Unknown_Command a b"), std::string::npos);
}
