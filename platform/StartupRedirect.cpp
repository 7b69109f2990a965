// Before main runs, standard output and standard error go into "stdout.txt"
// and "stderr.txt" beside the program, as the game has always logged. Setting
// SDL_STDIO_REDIRECT to 0 keeps them where they are.
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string programDirectory()
{
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
    if (length <= 0) {
        return ".";
    }
    buffer[length] = '\0';
    std::string path(buffer);
    const std::string::size_type slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

void redirectStandardStreams()
{
    const char* setting = std::getenv("SDL_STDIO_REDIRECT");
    if (setting != nullptr && std::strcmp(setting, "0") == 0) {
        return;
    }
    const std::string directory = programDirectory();
    if (std::freopen((directory + "/stdout.txt").c_str(), "w", stdout) != nullptr) {
        std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);
    }
    if (std::freopen((directory + "/stderr.txt").c_str(), "w", stderr) != nullptr) {
        std::setvbuf(stderr, nullptr, _IONBF, 0);
    }
}

struct StartupRedirect {
    StartupRedirect() { redirectStandardStreams(); }
};

// Runs during static initialisation, before main.
const StartupRedirect startupRedirect;

} // namespace
