#include "support/ProgramProcess.h"

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>
#include <thread>

#include "support/TempDir.h"

namespace {

// The statuses of programs that stillRunning() reaped, until waitForExit()
// asks for them. Once reaped, a process id may be reused by the system: it
// must never be waited for or signalled again.
std::mutex endedLock;
std::map<pid_t, int> endedPrograms;

int statusOf(int status)
{
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

bool takeEnded(pid_t pid, int& status)
{
    const std::lock_guard<std::mutex> hold(endedLock);
    const auto found = endedPrograms.find(pid);
    if (found == endedPrograms.end()) {
        return false;
    }
    status = found->second;
    endedPrograms.erase(found);
    return true;
}

} // namespace

pid_t startProgram(const std::string& program, const std::string& workingDirectory, bool redirect,
                   const std::string& terminalFile, const std::string& display)
{
    const pid_t pid = fork();
    if (pid == 0) {
        // A test that is stopped (a timeout) takes its program with it.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (!display.empty()) {
            setenv("DISPLAY", display.c_str(), 1);
        }
        if (redirect) {
            unsetenv("SDL_STDIO_REDIRECT");
        } else {
            setenv("SDL_STDIO_REDIRECT", "0", 1);
        }
        if (freopen(terminalFile.c_str(), "w", stdout) == nullptr || chdir(workingDirectory.c_str()) != 0) {
            _exit(127);
        }
        execl(program.c_str(), program.c_str(), "--ignored-argument", static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

pid_t startProgramCopy(const std::string& name, const std::string& programDir, bool redirect,
                       const std::string& terminalFile, const std::string& display)
{
    const std::string gameDir = std::filesystem::current_path().string();
    std::filesystem::copy_file(gameDir + "/" + name, programDir + "/" + name,
                               std::filesystem::copy_options::overwrite_existing);
    return startProgram(programDir + "/" + name, gameDir, redirect, terminalFile, display);
}

bool waitForText(const std::string& path, const std::string& text, int milliseconds)
{
    for (int waited = 0; waited < milliseconds; waited += 50) {
        if (readWholeFile(path).find(text) != std::string::npos) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

int waitForExit(pid_t pid, int milliseconds)
{
    int status = 0;
    if (takeEnded(pid, status)) {
        return status;
    }
    for (int waited = 0; waited < milliseconds; waited += 20) {
        const pid_t ended = waitpid(pid, &status, WNOHANG);
        if (ended == pid) {
            return statusOf(status);
        }
        if (ended < 0) {
            // Not a child of ours (any more): nothing to wait for or kill.
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return -1;
}

bool stillRunning(pid_t pid)
{
    int status = 0;
    const pid_t ended = waitpid(pid, &status, WNOHANG);
    if (ended == pid) {
        const std::lock_guard<std::mutex> hold(endedLock);
        endedPrograms[pid] = statusOf(status);
    }
    return ended == 0;
}
