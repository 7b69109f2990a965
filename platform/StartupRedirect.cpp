// Before main runs, standard output and standard error go into "stdout.txt"
// and "stderr.txt" beside the program, as the game has always logged. Setting
// SDL_STDIO_REDIRECT to 0 keeps them where they are.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
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

// Moves `stream` (on `descriptor`) into the file at `path` when that file can
// be made. Otherwise the stream stays where it was and says so there once, so
// no line is lost and the descriptor is never left closed.
void redirectInto(std::FILE* stream, int descriptor, const std::string& path, int buffering)
{
    const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    const bool moved = file >= 0 && dup2(file, descriptor) >= 0;
    const int error = errno;
    if (file >= 0) {
        close(file);
    }
    if (!moved) {
        std::fprintf(stream, "UNABLE TO CREATE %s: %s; THE LOG STAYS HERE\n", path.c_str(), std::strerror(error));
        std::fflush(stream);
        return;
    }
    // Nothing has been written to it yet, so its buffering may still be set.
    std::setvbuf(stream, nullptr, buffering, buffering == _IONBF ? 0 : BUFSIZ);
}

void redirectStandardStreams()
{
    const char* setting = std::getenv("SDL_STDIO_REDIRECT");
    if (setting != nullptr && std::strcmp(setting, "0") == 0) {
        return;
    }
    const std::string directory = programDirectory();
    redirectInto(stdout, STDOUT_FILENO, directory + "/stdout.txt", _IOLBF);
    redirectInto(stderr, STDERR_FILENO, directory + "/stderr.txt", _IONBF);
}

struct StartupRedirect {
    StartupRedirect() { redirectStandardStreams(); }
};

// Runs during static initialisation, before main.
const StartupRedirect startupRedirect;

} // namespace
