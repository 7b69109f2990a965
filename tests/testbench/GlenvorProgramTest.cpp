#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "support/TempDir.h"

namespace {

// The exit status, or -1 when the program did not end in time (it is then killed).
int waitForExit(pid_t pid, int milliseconds)
{
    for (int waited = 0; waited < milliseconds; waited += 20) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return -1;
}

} // namespace

TEST(GlenvorProgram, RunsFromTheGameDirectoryUntilItIsAskedToQuit)
{
    TempDir dir;
    const std::string terminal = dir.file("terminal.txt");
    const std::string program = std::filesystem::current_path().string() + "/Glenvor";
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        setenv("SDL_STDIO_REDIRECT", "0", 1);
        if (freopen(terminal.c_str(), "w", stdout) == nullptr) {
            _exit(127);
        }
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }

    bool started = false;
    for (int waited = 0; waited < 20000 && !started; waited += 50) {
        started = readWholeFile(terminal).find("INITIALIZING") != std::string::npos;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ASSERT_TRUE(started) << readWholeFile(terminal);
    // A second of frames: shadow pass, blur, lit pass and swap, every 16 ms.
    std::this_thread::sleep_for(std::chrono::milliseconds(1000));
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, WNOHANG), 0) << "Glenvor ended by itself";

    // SDL turns the termination signal into its quit event.
    kill(pid, SIGTERM);
    EXPECT_EQ(waitForExit(pid, 10000), 0);
    const std::string output = readWholeFile(terminal);
    EXPECT_EQ(output.rfind("INITIALIZING\n", 0), 0u) << output;
    EXPECT_EQ(output.find("INITIALIZED"), std::string::npos) << output;
}
