#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/TempDir.h"

namespace {

// Starts the game from the game directory (the test's working directory).
// The program itself runs from `programDir`, so its stdout.txt lands there.
pid_t startGame(const std::string& programDir, bool redirect, const std::string& terminalFile)
{
    const std::string gameDir = std::filesystem::current_path().string();
    std::filesystem::copy_file(gameDir + "/Vantorel", programDir + "/Vantorel",
                               std::filesystem::copy_options::overwrite_existing);
    const pid_t pid = fork();
    if (pid == 0) {
        if (redirect) {
            unsetenv("SDL_STDIO_REDIRECT");
        } else {
            setenv("SDL_STDIO_REDIRECT", "0", 1);
        }
        if (freopen(terminalFile.c_str(), "w", stdout) == nullptr) {
            _exit(127);
        }
        const std::string program = programDir + "/Vantorel";
        execl(program.c_str(), program.c_str(), "--ignored-argument", static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
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

// Other tests open and close windows on the same display at the same time: a
// window that disappears while we look at it is not an error here.
int ignoreXError(Display*, XErrorEvent*)
{
    return 0;
}

// Presses the window's close button as a window manager would: a
// WM_DELETE_WINDOW message to the top-level window that belongs to `pid`.
bool closeWindowOf(pid_t pid)
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return false;
    }
    XSetErrorHandler(ignoreXError);
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", True);
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    bool sent = false;
    Window root;
    Window parent;
    Window* children = nullptr;
    unsigned int count = 0;
    if (pidAtom != None && XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count && !sent; ++i) {
            Atom type;
            int format;
            unsigned long items;
            unsigned long after;
            unsigned char* value = nullptr;
            if (XGetWindowProperty(display, children[i], pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &items,
                                   &after, &value) == Success && value != nullptr) {
                const unsigned long owner = items == 1 ? *reinterpret_cast<unsigned long*>(value) : 0;
                XFree(value);
                if (owner == static_cast<unsigned long>(pid)) {
                    XEvent message = {};
                    message.xclient.type = ClientMessage;
                    message.xclient.window = children[i];
                    message.xclient.message_type = protocols;
                    message.xclient.format = 32;
                    message.xclient.data.l[0] = static_cast<long>(deleteWindow);
                    message.xclient.data.l[1] = CurrentTime;
                    XSendEvent(display, children[i], False, NoEventMask, &message);
                    XFlush(display);
                    sent = true;
                }
            }
        }
        XFree(children);
    }
    XCloseDisplay(display);
    return sent;
}

} // namespace

TEST(GameProgram, LogsIntoStdoutTxtOpensItsWindowAndClosesOnTheCloseButton)
{
    TempDir dir;
    const std::string terminal = dir.file("terminal.txt");
    const pid_t pid = startGame(dir.path(), true, terminal);
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
    const pid_t pid = startGame(dir.path(), false, terminal);
    ASSERT_GT(pid, 0);
    ASSERT_TRUE(waitForText(terminal, "INITIALIZED FIRST SCENE", 20000)) << readWholeFile(terminal);
    // SDL turns the termination signal into its quit event.
    kill(pid, SIGTERM);
    EXPECT_EQ(waitForExit(pid, 10000), 0);
    EXPECT_EQ(readWholeFile(terminal).rfind("HELLO WORLD\n", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(dir.file("stdout.txt")));
}

namespace {

// The lines of `log` that are exactly one of `wanted`, in the order printed.
std::vector<std::string> linesAmong(const std::string& log, const std::vector<std::string>& wanted)
{
    std::vector<std::string> found;
    std::istringstream lines(log);
    for (std::string line; std::getline(lines, line);) {
        if (std::find(wanted.begin(), wanted.end(), line) != wanted.end()) {
            found.push_back(line);
        }
    }
    return found;
}

const std::vector<std::string> START_UP_LINES = {
    "HELLO WORLD",
    "INITIALIZING",
    "INITIALIZED VX",
    "INITIALIZED ENV MODELS",
    "INITIALIZED KT REFERENCE",
    "INITIALIXED KT CHARACTER DATA",
    "INITIALIZED KT TEXTURE DATA",
    "INITIALIZED KT SOUND",
    "INITIALIZED KT PARTICLES",
    "INITIALIZED FIRST SCENE",
};

} // namespace

TEST(GameProgram, EveryStartUpStepPrintsItsLineOnceAndInOrder)
{
    TempDir dir;
    const std::string terminal = dir.file("terminal.txt");
    const pid_t pid = startGame(dir.path(), false, terminal);
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
    const pid_t pid = startGame(dir.path(), false, terminal);
    if (display != nullptr) {
        setenv("DISPLAY", savedDisplay.c_str(), 1);
    }
    ASSERT_GT(pid, 0);
    EXPECT_EQ(waitForExit(pid, 10000), 0);
    EXPECT_EQ(readWholeFile(terminal), "HELLO WORLD\nFAILED TO INIT SDL\n");
}
