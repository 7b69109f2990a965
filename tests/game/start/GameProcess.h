#ifndef TESTS_GAME_START_GAMEPROCESS_H
#define TESTS_GAME_START_GAMEPROCESS_H

#include <X11/Xlib.h>
#include <sys/types.h>

#include <string>
#include <vector>

// The real game program seen from outside, as a player's desktop sees it:
// started as its own process, watched through its log, driven through its
// window on the X display of the test.

// Every call that takes a `display` names the X display to use; an empty
// name means the test's own (DISPLAY).

// Starts `program` with `workingDirectory` as its working directory and its
// standard output in `terminalFile`. With `redirect` the program writes its
// log into stdout.txt and stderr.txt beside itself, as the game does.
pid_t startProgram(const std::string& program, const std::string& workingDirectory, bool redirect,
                   const std::string& terminalFile, const std::string& display = "");

// An X server of the test's own (Xvfb on a display it picks itself, 1024x768
// at 24 bits), so that no other test's window covers the program's window
// while the test looks at it. Stopped when the object goes.
class OwnXServer {
public:
    OwnXServer();
    ~OwnXServer();
    OwnXServer(const OwnXServer&) = delete;
    OwnXServer& operator=(const OwnXServer&) = delete;

    // ":N" once a client could open it; empty when no server could be started.
    const std::string& display() const { return name; }

private:
    pid_t server = -1;
    std::string name;
};

// True once the file holds `text`; false when it did not within the time.
bool waitForText(const std::string& path, const std::string& text, int milliseconds);

// The exit status, 128 + the signal for a program that a signal ended, or
// -1 when the program did not end in time (it is then killed). A program
// that stillRunning() already saw end gives the status it ended with.
int waitForExit(pid_t pid, int milliseconds);

// Whether the process is still running. One that has ended is reaped here,
// and its status kept for waitForExit().
bool stillRunning(pid_t pid);

// Presses the window's close button as a window manager would: a
// WM_DELETE_WINDOW message to the top-level window that belongs to `pid`.
bool closeWindowOf(pid_t pid, const std::string& display = "");

// Presses and releases `keysym` in the window of `pid`; false when the
// program has no window (yet). The server has taken both events when this
// returns.
bool pressKeyIn(pid_t pid, KeySym keysym, const std::string& display = "");

// The window of `pid` as RGB bytes, rows top first, after raising it over
// the windows of other tests; empty when it has none.
std::vector<unsigned char> windowPicture(pid_t pid, int& width, int& height, const std::string& display = "");

// The lines of `log` that are exactly one of `wanted`, in the order printed.
std::vector<std::string> linesAmong(const std::string& log, const std::vector<std::string>& wanted);

// The progress lines of a whole start-up, in order.
extern const std::vector<std::string> START_UP_LINES;

#endif
