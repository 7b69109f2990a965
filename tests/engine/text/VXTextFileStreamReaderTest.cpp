#include "engine/core/VXLog.h"
#include "engine/text/VXTextFileStreamReader.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

class RecordingReader : public VXTextFileStreamReader {
public:
    void beginParse(std::string path) override { calls.push_back("begin " + path); }
    void parseLine(std::string line) override { calls.push_back("line " + line); }
    void endParse() override { calls.push_back("end"); }

    Lines calls;
};

Lines linesOf(const std::string& contents)
{
    TempDir dir;
    RecordingReader reader;
    reader.parseFile(dir.write("file.txt", contents));
    return Lines(reader.calls.begin() + 1, reader.calls.end() - 1);
}

} // namespace

TEST(VXTextFileStreamReader, FinalNewlineDeliversOneEmptyLine)
{
    EXPECT_EQ(linesOf("a\nb\n"), Lines({"line a", "line b", "line "}));
    EXPECT_EQ(linesOf("a\nb"), Lines({"line a", "line b"}));
    EXPECT_EQ(linesOf(""), Lines({"line "}));
}

TEST(VXTextFileStreamReader, OneCarriageReturnBeforeEachLineEndIsDropped)
{
    EXPECT_EQ(linesOf("a\r\n"), Lines({"line a", "line "}));
    EXPECT_EQ(linesOf("a b\r\n\r\nc\r\n"), Lines({"line a b", "line ", "line c", "line "}));
    // Only one, and only before a line end: inner ones and one that ends the
    // file without a newline stay.
    EXPECT_EQ(linesOf("a\r\r\nb\rc\nd\r"), Lines({"line a\r", "line b\rc", "line d\r"}));
}

TEST(VXTextFileStreamReader, UnreadableFileGivesNoLinesAndOneMessage)
{
    TempDir dir;
    // A missing file never opens; a directory opens but fails on reading.
    for (const std::string& path : {dir.file("missing.txt"), dir.path()}) {
        RecordingReader reader;
        VXLogCapture logged;
        reader.parseFile(path);
        const std::string output = logged.text();
        EXPECT_EQ(reader.calls, Lines({"begin " + path, "end"}));
        EXPECT_NE(output.find(path), std::string::npos);
        EXPECT_EQ(output.find('\n'), output.size() - 1);
        // The same reader reads again afterwards (levels are reloaded this way).
        reader.parseFile(dir.write("f.txt", "x"));
        EXPECT_EQ(reader.calls.at(3), "line x");
    }
}

TEST(VXTextFileStreamReader, OpensDataPathsThroughTheHost)
{
    TempDir dir;
    dir.write("Data/Level A.txt", "x");
    RecordingReader reader;
    reader.parseFile(dir.path() + "\\DATA\\level a.TXT");
    EXPECT_EQ(reader.calls.at(1), "line x");
}

TEST(VXTextFileStreamReader, SurvivesBinaryAndHugeLines)
{
    EXPECT_EQ(linesOf(std::string("\0\xff\x80\r\n\xc8\0", 7)),
        Lines({std::string("line \0\xff\x80", 8), std::string("line \xc8\0", 7)}));
    const std::string huge(5 << 20, 'q');
    EXPECT_EQ(linesOf(huge + "\nend"), Lines({"line " + huge, "line end"}));
}
