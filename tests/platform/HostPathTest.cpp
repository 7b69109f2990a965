#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <filesystem>
#include <fstream>

#include "platform/HostPath.h"
#include "support/DataPath.h"
#include "support/TempDir.h"

TEST(HostPath, BackslashesBecomeSlashes)
{
    TempDir dir;
    dir.write("VXLibrary/GLSL/a.vs", "x");
    EXPECT_EQ(hostPath(dir.path() + "\\VXLibrary\\GLSL\\a.vs"), dir.file("VXLibrary/GLSL/a.vs"));
}

TEST(HostPath, LetterCaseIsMatchedAtEveryDepth)
{
    TempDir dir;
    dir.write("Data/Music/Track One.wav", "x");
    dir.write("Data/Block/Models/cube.OBJ", "x");
    EXPECT_EQ(hostPath(dir.path() + "/data/music/track one.WAV"), dir.file("Data/Music/Track One.wav"));
    EXPECT_EQ(hostPath(dir.path() + "\\DATA\\block\\MODELS\\Cube.obj"), dir.file("Data/Block/Models/cube.OBJ"));
}

TEST(HostPath, ExistingPathIsReturnedAsWritten)
{
    TempDir dir;
    dir.write("a/b.txt", "x");
    EXPECT_EQ(hostPath(dir.file("a/b.txt")), dir.file("a/b.txt"));
    EXPECT_EQ(hostPath(""), "");
}

TEST(HostPath, MissingFileKeepsItsNameUnderTheResolvedFolder)
{
    TempDir dir;
    dir.write("Data/Stances/keep.txt", "x");
    const std::string resolved = hostPath(dir.path() + "\\data\\stances\\New_Stance.vxc");
    EXPECT_EQ(resolved, dir.file("Data/Stances/New_Stance.vxc"));

    // A file written through the resolved path lands in the existing folder.
    std::ofstream(resolved) << "written";
    EXPECT_EQ(readWholeFile(dir.file("Data/Stances/New_Stance.vxc")), "written");
}

TEST(HostPath, MissingFolderStopsMatchingButKeepsTheRest)
{
    TempDir dir;
    dir.write("Data/x.txt", "x");
    EXPECT_EQ(hostPath(dir.path() + "/data/Nowhere/Deeper/file.txt"), dir.file("Data/Nowhere/Deeper/file.txt"));
}

TEST(HostPath, RelativePathsResolveAgainstTheWorkingDirectory)
{
    TempDir dir;
    dir.write("Data/Level List.txt", "x");
    const std::string previous = std::filesystem::current_path().string();
    std::filesystem::current_path(dir.path());
    EXPECT_EQ(hostPath("data\\level list.txt"), "Data/Level List.txt");
    EXPECT_EQ(hostPath("./DATA/Level List.txt"), "./Data/Level List.txt");
    std::filesystem::current_path(previous);
}

TEST(HostPath, PathLongerThanTheHostOpensIsNotFoundAtOnce)
{
    TempDir dir;
    dir.write("Data/x.txt", "x");
    // Four hundred thousand components that match nothing, with backslashes:
    // matched one by one, they would take minutes.
    std::string many = dir.path();
    for (int i = 0; i < 400000; ++i) {
        many += "\\d";
    }
    many += "\\X.TXT";
    const std::string expected = slashed(many);
    const std::string longName = std::string(10 * 1024 * 1024, 'a') + "/b";
    const auto start = std::chrono::steady_clock::now();
    const std::string resolved = hostPath(many);
    const std::string huge = hostPath(longName);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // Component by component this took minutes; the bound only tells the two
    // apart, with room for a loaded machine.
    EXPECT_LT(seconds, 20.0);
    EXPECT_EQ(resolved, expected);
    EXPECT_FALSE(std::ifstream(resolved).is_open());
    EXPECT_EQ(huge, longName);

    // Below the limit, letter case is still matched through every component.
    std::string dots = dir.path();
    while (dots.size() + 20 < PATH_MAX) {
        dots += "/.";
    }
    EXPECT_EQ(hostPath(dots + "/DATA/X.TXT"), dots + "/Data/x.txt");
}
