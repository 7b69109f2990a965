#include "platform/HostPath.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <climits>
#include <vector>

namespace {

bool exists(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

// The entry of `directory` whose name equals `name` without regard to case,
// or `name` itself when there is none.
std::string matchEntry(const std::string& directory, const std::string& name)
{
    if (name.empty() || name == "." || name == "..") {
        return name;
    }
    DIR* dir = opendir(directory.empty() ? "." : directory.c_str());
    if (dir == nullptr) {
        return name;
    }
    std::string found = name;
    while (dirent* entry = readdir(dir)) {
        if (strcasecmp(entry->d_name, name.c_str()) == 0) {
            found = entry->d_name;
            break;
        }
    }
    closedir(dir);
    return found;
}

} // namespace

std::string hostPath(const std::string& dataPath)
{
    std::string path = dataPath;
    for (char& c : path) {
        if (c == '\\') {
            c = '/';
        }
    }
    // The host opens no longer path, and matching grows with the square of
    // the number of components: such a path names nothing.
    if (path.size() > PATH_MAX || path.empty() || exists(path)) {
        return path;
    }

    std::vector<std::string> components;
    std::string::size_type start = 0;
    while (start <= path.size()) {
        std::string::size_type slash = path.find('/', start);
        if (slash == std::string::npos) {
            slash = path.size();
        }
        components.push_back(path.substr(start, slash - start));
        start = slash + 1;
    }

    std::string resolved = path[0] == '/' ? "/" : "";
    for (const std::string& component : components) {
        if (component.empty()) {
            continue;
        }
        const std::string directory = resolved.empty() ? "." : resolved;
        std::string prefix = resolved;
        if (!prefix.empty() && prefix.back() != '/') {
            prefix += '/';
        }
        const bool asWritten = exists(prefix + component);
        resolved = prefix + (asWritten ? component : matchEntry(directory, component));
    }
    if (path.back() == '/' && !resolved.empty() && resolved.back() != '/') {
        resolved += '/';
    }
    return resolved;
}
