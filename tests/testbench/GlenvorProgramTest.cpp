#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "support/ProgramProcess.h"
#include "support/TempDir.h"

TEST(GlenvorProgram, RunsFromTheGameDirectoryUntilItIsAskedToQuit)
{
    TempDir dir;
    const std::string terminal = dir.file("terminal.txt");
    const std::string gameDir = std::filesystem::current_path().string();
    const pid_t pid = startProgram(gameDir + "/Glenvor", gameDir, false, terminal);
    ASSERT_GE(pid, 0);

    ASSERT_TRUE(waitForText(terminal, "INITIALIZING", 20000)) << readWholeFile(terminal);
    // A second of frames: shadow pass, blur, lit pass and swap, every 16 ms.
    std::this_thread::sleep_for(std::chrono::milliseconds(1000));
    ASSERT_TRUE(stillRunning(pid)) << "Glenvor ended by itself";

    // SDL turns the termination signal into its quit event.
    kill(pid, SIGTERM);
    EXPECT_EQ(waitForExit(pid, 10000), 0);
    const std::string output = readWholeFile(terminal);
    EXPECT_EQ(output.rfind("INITIALIZING\n", 0), 0u) << output;
    EXPECT_EQ(output.find("INITIALIZED"), std::string::npos) << output;
}
