#include <gtest/gtest.h>

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
    // No display for the x11 driver: the video mode cannot be set.
    const char* display = getenv("DISPLAY");
    const std::string savedDisplay = display != nullptr ? display : "";
    unsetenv("DISPLAY");
    setenv("SDL_VIDEODRIVER", "x11", 1);
    const pid_t pid = startProgramCopy("Vantorel", dir.path(), false, terminal);
    if (display != nullptr) {
        setenv("DISPLAY", savedDisplay.c_str(), 1);
    }
    ASSERT_GT(pid, 0);
    EXPECT_EQ(waitForExit(pid, 10000), 0);
    EXPECT_EQ(readWholeFile(terminal), "HELLO WORLD\nFAILED TO INIT SDL\n");
}
