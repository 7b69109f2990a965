#include "FuzzFiles.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

const size_t MaxFiles = 16;
const size_t MaxNameLength = 64;
const std::string Marker = "==> ";

std::string folder;

void removeFolder()
{
    if (!folder.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
}

// A relative path inside the folder, or "" when nothing of the name is left.
std::string safeName(const std::string& written)
{
    std::string name;
    std::string component;
    auto endComponent = [&]() {
        if (!component.empty() && component != "." && component != "..") {
            name += (name.empty() ? "" : "/") + component;
        }
        component.clear();
    };
    for (char c : written.substr(0, MaxNameLength)) {
        if (c == '/' || c == '\\') {
            endComponent();
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ' ||
                   c == '.' || c == '_' || c == '-') {
            component += c;
        }
    }
    endComponent();
    return name;
}

void writeFile(const std::string& name, const std::string& contents)
{
    const std::filesystem::path path = std::filesystem::path(folder) / name;
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    std::ofstream(path, std::ios::binary) << contents;
}

} // namespace

void enterFuzzFolder()
{
    const char* temporary = std::getenv("TMPDIR");
    std::string pattern = std::string(temporary != nullptr && *temporary != '\0' ? temporary : "/tmp") +
                          "/vantorel-fuzz-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr || chdir(buffer.data()) != 0) {
        std::perror("vantorel fuzz folder");
        std::exit(1);
    }
    folder = buffer.data();
    std::atexit(removeFolder);
    if (std::freopen("/dev/null", "w", stdout) == nullptr) {
        std::perror("/dev/null");
    }
}

void writeFuzzFiles(const uint8_t* data, size_t size, const std::string& mainFile)
{
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
        std::filesystem::remove_all(entry.path(), ignored);
    }

    const std::string input(reinterpret_cast<const char*>(data), size);
    std::string name = mainFile;
    std::string contents;
    size_t files = 0;
    auto flush = [&]() {
        if (!name.empty() && files < MaxFiles) {
            writeFile(name, contents);
            ++files;
        }
        contents.clear();
    };
    size_t start = 0;
    while (start < input.size()) {
        size_t end = input.find('\n', start);
        end = end == std::string::npos ? input.size() : end + 1;
        const std::string line = input.substr(start, end - start);
        if (line.compare(0, Marker.size(), Marker) == 0) {
            flush();
            const size_t nameEnd = line.find_first_of("\r\n");
            name = safeName(line.substr(Marker.size(), nameEnd == std::string::npos ? std::string::npos
                                                                                     : nameEnd - Marker.size()));
        } else {
            contents += line;
        }
        start = end;
    }
    flush();
}
