#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "vantorel-XXXXXX").string();
    if (mkdtemp(&pattern[0]) != nullptr) {
        root = pattern;
    }
}

TempDir::~TempDir()
{
    if (!root.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
}

std::string TempDir::file(const std::string& relative) const
{
    return root + "/" + relative;
}

std::string TempDir::write(const std::string& relative, const std::string& contents) const
{
    const std::filesystem::path path = file(relative);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << contents;
    return path.string();
}

std::string readWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}
