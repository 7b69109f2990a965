#include "tests/game/start/GameProcess.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>
#include <sstream>
#include <thread>

#include "support/TempDir.h"

namespace {

// Other tests open and close windows on the same display at the same time: a
// window that disappears while we look at it is not an error here.
int ignoreXError(Display*, XErrorEvent*)
{
    return 0;
}

// The top-level window whose _NET_WM_PID is `pid`; None when there is none.
Window windowOfProcess(Display* display, pid_t pid)
{
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", True);
    if (pidAtom == None) {
        return None;
    }
    Window found = None;
    Window root;
    Window parent;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) == 0) {
        return None;
    }
    for (unsigned int i = 0; i < count && found == None; ++i) {
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
                found = children[i];
            }
        }
    }
    XFree(children);
    return found;
}

// The display named (the test's own when empty) with errors ignored; null
// without one.
Display* openDisplay(const std::string& name)
{
    Display* display = XOpenDisplay(name.empty() ? nullptr : name.c_str());
    if (display != nullptr) {
        XSetErrorHandler(ignoreXError);
    }
    return display;
}

// Key events carry times of their own, each later than the last: SDL takes a
// release followed by a press of the same key at the same time for the
// keyboard's auto-repeat and drops both.
Time nextKeyTime()
{
    static Time time = 1000;
    time += 50;
    return time;
}

void sendKeyEvent(Display* display, Window window, int type, KeyCode code)
{
    XEvent event = {};
    event.xkey.type = type;
    event.xkey.display = display;
    event.xkey.window = window;
    event.xkey.root = DefaultRootWindow(display);
    event.xkey.subwindow = None;
    event.xkey.time = nextKeyTime();
    event.xkey.x = 1;
    event.xkey.y = 1;
    event.xkey.x_root = 1;
    event.xkey.y_root = 1;
    event.xkey.keycode = code;
    event.xkey.same_screen = True;
    XSendEvent(display, window, True, type == KeyPress ? KeyPressMask : KeyReleaseMask, &event);
}

// One colour channel of an image pixel, scaled to 0..255.
unsigned char channel(unsigned long pixel, unsigned long mask)
{
    if (mask == 0) {
        return 0;
    }
    int shift = 0;
    while ((mask & 1) == 0) {
        mask >>= 1;
        ++shift;
    }
    return static_cast<unsigned char>(((pixel >> shift) & mask) * 255 / mask);
}

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

OwnXServer::OwnXServer()
{
    int fds[2];
    if (pipe(fds) != 0) {
        return;
    }
    server = fork();
    if (server == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        close(fds[0]);
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, STDERR_FILENO);
        dup2(devNull, STDOUT_FILENO);
        const std::string fd = std::to_string(fds[1]);
        // -noreset: SDL opens and closes the display during its start-up,
        // and a server that resets when its last client leaves refuses the
        // next one for a moment.
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-noreset", "-nolisten",
               "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    if (server < 0) {
        close(fds[0]);
        return;
    }
    // The server writes its display number once it listens; a server that
    // cannot start closes the pipe without a word.
    std::string number;
    char buffer[16];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;) {
        number.append(buffer, static_cast<size_t>(n));
        if (number.find('\n') != std::string::npos) {
            break;
        }
    }
    close(fds[0]);
    number.erase(std::remove_if(number.begin(), number.end(), [](char c) { return c < '0' || c > '9'; }),
                 number.end());
    if (number.empty()) {
        return;
    }
    const std::string candidate = ":" + number;
    for (int waited = 0; waited < 20000; waited += 50) {
        if (Display* display = XOpenDisplay(candidate.c_str())) {
            XCloseDisplay(display);
            name = candidate;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

OwnXServer::~OwnXServer()
{
    if (server > 0) {
        kill(server, SIGTERM);
        // A server that does not end in time is killed.
        waitForExit(server, 5000);
    }
}

bool closeWindowOf(pid_t pid, const std::string& name)
{
    Display* display = openDisplay(name);
    if (display == nullptr) {
        return false;
    }
    const Window window = windowOfProcess(display, pid);
    if (window != None) {
        const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
        const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
        XEvent message = {};
        message.xclient.type = ClientMessage;
        message.xclient.window = window;
        message.xclient.message_type = protocols;
        message.xclient.format = 32;
        message.xclient.data.l[0] = static_cast<long>(deleteWindow);
        message.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, window, False, NoEventMask, &message);
        XFlush(display);
    }
    XCloseDisplay(display);
    return window != None;
}

bool pressKeyIn(pid_t pid, KeySym keysym, const std::string& name)
{
    Display* display = openDisplay(name);
    if (display == nullptr) {
        return false;
    }
    const Window window = windowOfProcess(display, pid);
    if (window != None) {
        const KeyCode code = XKeysymToKeycode(display, keysym);
        sendKeyEvent(display, window, KeyPress, code);
        sendKeyEvent(display, window, KeyRelease, code);
        XSync(display, False);
    }
    XCloseDisplay(display);
    return window != None;
}

std::vector<unsigned char> windowPicture(pid_t pid, int& width, int& height, const std::string& name)
{
    std::vector<unsigned char> rgb;
    width = 0;
    height = 0;
    Display* display = openDisplay(name);
    if (display == nullptr) {
        return rgb;
    }
    const Window window = windowOfProcess(display, pid);
    XWindowAttributes attributes;
    if (window != None && XGetWindowAttributes(display, window, &attributes) != 0) {
        XRaiseWindow(display, window);
        XSync(display, False);
        // The program redraws every frame; give it a few to fill what the
        // windows above had covered.
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        XImage* image = XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
        if (image != nullptr) {
            width = attributes.width;
            height = attributes.height;
            rgb.resize(static_cast<size_t>(width) * height * 3);
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    const unsigned long pixel = XGetPixel(image, x, y);
                    unsigned char* out = &rgb[(static_cast<size_t>(y) * width + x) * 3];
                    out[0] = channel(pixel, image->red_mask);
                    out[1] = channel(pixel, image->green_mask);
                    out[2] = channel(pixel, image->blue_mask);
                }
            }
            XDestroyImage(image);
        }
    }
    XCloseDisplay(display);
    return rgb;
}

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
