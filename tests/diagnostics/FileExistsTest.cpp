#include "diagnostics/DiagnosticBuild.h"
#include "diagnostics/FileExists.h"
#include "engine/animation/VXVXMStanceSetData.h"
#include "engine/text/VXTextFileStreamWriter.h"

#include "support/DataPath.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

TEST(FileExists, TellsWhetherTheHostHasTheDataPath)
{
    TempDir dir;
    dir.write("Sets/walk.vxm", "");
    EXPECT_TRUE(fileExists(dir.file("Sets/walk.vxm")));
    EXPECT_TRUE(fileExists(dir.file("Sets")));
    EXPECT_FALSE(fileExists(dir.file("Sets/run.vxm")));
    EXPECT_FALSE(fileExists(""));
    // Data paths use backslashes and any letter case.
    const std::string dataPath = dataPathOf(dir.path()) + "\\SETS\\Walk.VXM";
    EXPECT_TRUE(fileExists(dataPath)) << dataPath;
}

TEST(DiagnosticWriter, WritingAStanceSetToAMissingPathEndsTheProgramWithCodeOne)
{
    TempDir dir;
    const std::string missing = dir.file("missing.vxm");
    EXPECT_EXIT(
        {
            installDiagnostics();
            // The message goes to standard output; the check reads standard error.
            dup2(STDERR_FILENO, STDOUT_FILENO);
            VXVXMStanceSetData set;
            set.writeFile(missing);
        },
        testing::ExitedWithCode(1), "^File \"" + missing + "\" does not exist\\. EXITING\\.\n$");
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST(DiagnosticWriter, AnExistingFileIsWrittenAsUsual)
{
    TempDir dir;
    const std::string path = dir.write("walk.vxm", "old contents\n");
    installDiagnostics();
    VXVXMStanceSetData set;
    set.writeFile(path);
    writeFileCheck = nullptr;
    EXPECT_EQ(readWholeFile(path).find("old contents"), std::string::npos);
}

TEST(DiagnosticWriter, TheNormalWriterCreatesAMissingFile)
{
    TempDir dir;
    const std::string path = dir.file("new.vxm");
    VXVXMStanceSetData set;
    set.writeFile(path);
    EXPECT_TRUE(std::filesystem::exists(path));
}
