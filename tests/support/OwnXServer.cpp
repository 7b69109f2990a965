#include "support/OwnXServer.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "support/ProgramProcess.h"

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
