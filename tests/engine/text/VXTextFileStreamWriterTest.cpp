#include "engine/text/VXTextFileStreamWriter.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Writes `count` lines, counting down to -1 as writers do.
class CountingWriter : public VXTextFileStreamWriter {
public:
    explicit CountingWriter(int count) : remaining(count - 1) {}
    void writeLine() override { stream << "line " << remaining-- << "\n"; }
    void endWrite() override { ended = true; }
    int linesRemaining() override { return remaining; }

    int remaining;
    bool ended = false;
};

} // namespace

TEST(VXTextFileStreamWriter, WritesLinesUntilTheCountPassesZero)
{
    TempDir dir;
    CountingWriter writer(3);
    writer.writeFile(dir.file("out.txt"));
    EXPECT_EQ(readWholeFile(dir.file("out.txt")), "line 2\nline 1\nline 0\n");
    EXPECT_TRUE(writer.ended);
}

TEST(VXTextFileStreamWriter, NoLinesStillEmptiesTheFile)
{
    TempDir dir;
    const std::string path = dir.write("out.txt", "old contents");
    VXTextFileStreamWriter().writeFile(path);
    EXPECT_EQ(readWholeFile(path), "");
}

TEST(VXTextFileStreamWriter, CreatesDataPathsThroughTheHostOrFailsQuietly)
{
    TempDir dir;
    dir.write("Stances/keep.txt", "");
    CountingWriter writer(1);
    writer.writeFile(dir.path() + "\\stances\\New.vxc");
    EXPECT_EQ(readWholeFile(dir.file("Stances/New.vxc")), "line 0\n");

    CountingWriter nowhere(2);
    nowhere.writeFile(dir.file("no such folder/out.txt"));
    EXPECT_TRUE(nowhere.ended);
}
