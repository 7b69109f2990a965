#include "engine/core/VXLog.h"
#include "engine/text/VXSource.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

Lines load(const std::string& path)
{
    VXSource source;
    source.loadSourceText(path);
    return source.lines;
}

} // namespace

TEST(VXSource, IncludeLinesAreReplacedInPlaceRecursively)
{
    TempDir dir;
    const std::string inner = dir.write("inner.glsl", "i1");
    const std::string common = dir.write("common.glsl", "c1\n  #include\t " + inner + "  \nc2");
    const std::string main =
        dir.write("main.glsl", "m1\n#define X\n#include " + common + "\n// #include " + common + "\nm4\n");
    EXPECT_EQ(load(main), Lines({"m1", "#define X", "c1", "i1", "c2", "// #include " + common, "m4", ""}));
    EXPECT_EQ(load(dir.write("twice.glsl", "#include " + inner + "\n#include " + inner)), Lines({"i1", "i1"}));
}

TEST(VXSource, CarriageReturnsBeforeLineEndsAreDroppedAndIncludesStillFound)
{
    TempDir dir;
    const std::string inner = dir.write("inner.glsl", "i1\r\ni2\r\n");
    const std::string main = dir.write("main.glsl", "m1\r\n#include " + inner + "\r\nm2\r\n");
    EXPECT_EQ(load(main), Lines({"m1", "i1", "i2", "", "m2", ""}));
}

TEST(VXSource, MissingOrQuotedIncludesAddNothing)
{
    TempDir dir;
    EXPECT_EQ(load(dir.file("missing.glsl")), Lines());
    EXPECT_EQ(load(dir.path()), Lines());
    const std::string b = dir.write("b.glsl", "b");
    EXPECT_EQ(load(dir.write("a.glsl", "a\n#include \"" + b + "\"\n#include <" + b + ">\nc")), Lines({"a", "c"}));
    EXPECT_EQ(classifyDirective("#include\r").kind, VXDirective::Other);
}

TEST(VXSource, IncludePathsAreRelativeToTheWorkingDirectory)
{
    TempDir dir;
    dir.write("lib.glsl", "top");
    dir.write("shaders/lib.glsl", "beside");
    const std::string main = dir.write("shaders/main.glsl", "#include lib.glsl");
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof(previous)), nullptr);
    ASSERT_EQ(chdir(dir.path().c_str()), 0);
    const Lines lines = load(main);
    ASSERT_EQ(chdir(previous), 0);
    EXPECT_EQ(lines, Lines({"top"}));
}

TEST(VXSource, IncludeCycleIsRefusedWithOneLineAndLoadingGoesOn)
{
    TempDir dir;
    const std::string a = dir.file("a.glsl");
    const std::string b = dir.write("b.glsl", "b1\n#include " + a + "\nb2");
    dir.write("a.glsl", "a1\n#include " + b + "\na2");
    VXLogCapture logged;
    EXPECT_EQ(load(a), Lines({"a1", "b1", "b2", "a2"}));
    const std::string output = logged.text();
    EXPECT_NE(output.find(a), std::string::npos);
    EXPECT_EQ(output.find('\n'), output.size() - 1);

    const std::string self = dir.write("self.glsl", "s\n#include " + dir.file("self.glsl"));
    {
        VXLogCapture quiet;
        EXPECT_EQ(load(self), Lines({"s"}));
    }
}

TEST(VXSource, IncludesNestedTooDeepAreRefusedWithOneLineAndLoadingGoesOn)
{
    // file0 includes file1, which includes file2, and so on to file99.
    TempDir dir;
    const int files = 100;
    for (int i = 0; i < files; ++i) {
        const std::string next = dir.file("file" + std::to_string(i + 1) + ".glsl");
        dir.write("file" + std::to_string(i) + ".glsl",
                  "in" + std::to_string(i) + (i + 1 < files ? "\n#include " + next : "") + "\nout" + std::to_string(i));
    }
    VXLogCapture logged;
    const Lines lines = load(dir.file("file0.glsl"));
    const std::string output = logged.text();

    // The outermost file and 64 levels of includes below it.
    Lines expected;
    for (int i = 0; i <= VXSource::MaxIncludeDepth; ++i) {
        expected.push_back("in" + std::to_string(i));
    }
    for (int i = VXSource::MaxIncludeDepth; i >= 0; --i) {
        expected.push_back("out" + std::to_string(i));
    }
    EXPECT_EQ(lines, expected);
    EXPECT_NE(output.find(dir.file("file65.glsl")), std::string::npos) << output;
    EXPECT_EQ(output.find(dir.file("file66.glsl")), std::string::npos) << output;
    EXPECT_EQ(output.find('\n'), output.size() - 1) << output;
}
