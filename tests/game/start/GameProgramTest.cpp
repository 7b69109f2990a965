#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "support/ProgramLog.h"
#include "support/ProgramProcess.h"
#include "support/ProgramWindow.h"
#include "support/TempDir.h"

namespace {

// The game started as startProgramCopy does, with no display for the x11
// driver: the video mode cannot be set, so the program ends after its first
// lines.
pid_t startGameWithoutDisplay(const std::string& programDir, bool redirect, const std::string& terminalFile)
{
    const char* display = getenv("DISPLAY");
    const std::string savedDisplay = display != nullptr ? display : "";
    unsetenv("DISPLAY");
    setenv("SDL_VIDEODRIVER", "x11", 1);
    const pid_t pid = startProgramCopy("Vantorel", programDir, redirect, terminalFile);
    if (display != nullptr) {
        setenv("DISPLAY", savedDisplay.c_str(), 1);
    }
    return pid;
}

} // namespace

TEST(GameProgram, LogsIntoStdoutTxtOpensItsWindowAndClosesOnTheCloseButton)
{
    TempDir dir;
    const std::string terminal = dir.file("terminal.txt");
    const pid_t pid = startProgramCopy("Vantorel", dir.path(), true, terminal);
    ASSERT_GT(pid, 0);
    ASSERT_TRUE(waitForText(dir.file("stdout.txt"), "INITIALIZED FIRST SCENE", 20000))
        << readWholeFile(dir.file("stdout.txt"));

    bool closed = false;
    for (int attempt = 0; attempt < 50 && !closed; ++attempt) {
        closed = closeWindowOf(pid);
        if (!closed) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    EXPECT_TRUE(closed) << "no window of the game was found";
    if (!closed) {
        kill(pid, SIGTERM);
    }
    EXPECT_EQ(waitForExit(pid, 10000), 0);

    const std::string log = readWholeFile(dir.file("stdout.txt"));
    // The library's two default models each read an MTL library, whose reader reports its end.
    EXPECT_EQ(log.rfind("HELLO WORLD\nINITIALIZING\nFinished Parsing File\nFinished Parsing File\nINITIALIZED VX\n", 0),
              0u)
        << log;
    EXPECT_EQ(log.find("FAILED"), std::string::npos) << log;
    EXPECT_EQ(readWholeFile(terminal), "");
}

TEST(GameProgram, WithoutRedirectTheLinesReachTheTerminal)
{
    TempDir dir;
    const std::string terminal = dir.file("terminal.txt");
    const pid_t pid = startProgramCopy("Vantorel", dir.path(), false, terminal);
    ASSERT_GT(pid, 0);
    ASSERT_TRUE(waitForText(terminal, "INITIALIZED FIRST SCENE", 20000)) << readWholeFile(terminal);
    // SDL turns the termination signal into its quit event.
    kill(pid, SIGTERM);
    EXPECT_EQ(waitForExit(pid, 10000), 0);
    EXPECT_EQ(readWholeFile(terminal).rfind("HELLO WORLD\n", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(dir.file("stdout.txt")));
}

TEST(GameProgram, EveryStartUpStepPrintsItsLineOnceAndInOrder)
{
    TempDir dir;
    const std::string terminal = dir.file("terminal.txt");
    const pid_t pid = startProgramCopy("Vantorel", dir.path(), false, terminal);
    ASSERT_GT(pid, 0);
    ASSERT_TRUE(waitForText(terminal, "INITIALIZED FIRST SCENE\n", 20000)) << readWholeFile(terminal);
    kill(pid, SIGTERM);
    EXPECT_EQ(waitForExit(pid, 10000), 0);

    const std::string log = readWholeFile(terminal);
    EXPECT_EQ(linesAmong(log, START_UP_LINES), START_UP_LINES) << log;
    EXPECT_EQ(log.rfind("HELLO WORLD\n", 0), 0u) << log;
    // Every file the start-up reads is in the game directory.
    EXPECT_EQ(log.find("FAILED"), std::string::npos) << log;
    EXPECT_EQ(log.find("Unable to"), std::string::npos) << log;
}

TEST(GameProgram, WithoutAWindowNothingIsInitialized)
{
    TempDir dir;
    const std::string terminal = dir.file("terminal.txt");
    const pid_t pid = startGameWithoutDisplay(dir.path(), false, terminal);
    ASSERT_GT(pid, 0);
    EXPECT_EQ(waitForExit(pid, 10000), 0);
    EXPECT_EQ(readWholeFile(terminal), "HELLO WORLD\nFAILED TO INIT SDL\n");
}

TEST(GameProgram, ALogFileThatCannotBeMadeLeavesTheLinesOnTheirStream)
{
    TempDir dir;
    // Folders where the two log files would go: neither can be created.
    std::filesystem::create_directory(dir.file("stdout.txt"));
    std::filesystem::create_directory(dir.file("stderr.txt"));
    const std::string terminal = dir.file("terminal.txt");
    const std::string errors = dir.file("errors.txt");
    // The program's standard error is this test's, for as long as it starts.
    const int savedError = dup(STDERR_FILENO);
    const int errorFile = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(errorFile, 0);
    dup2(errorFile, STDERR_FILENO);
    close(errorFile);
    const pid_t pid = startGameWithoutDisplay(dir.path(), true, terminal);
    dup2(savedError, STDERR_FILENO);
    close(savedError);
    ASSERT_GT(pid, 0);
    EXPECT_EQ(waitForExit(pid, 10000), 0);
    // The program names the files by where it really lies.
    const std::string programDir = std::filesystem::canonical(dir.path()).string();
    EXPECT_EQ(readWholeFile(terminal), "UNABLE TO CREATE " + programDir +
                                           "/stdout.txt: Is a directory; THE LOG STAYS HERE\n"
                                           "HELLO WORLD\nFAILED TO INIT SDL\n");
    const std::string errorLog = readWholeFile(errors);
    EXPECT_EQ(errorLog.rfind("UNABLE TO CREATE " + programDir + "/stderr.txt: Is a directory; THE LOG STAYS HERE\n", 0),
              0u)
        << errorLog;
}
