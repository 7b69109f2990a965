#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/HostPath.h"
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
