#include "support/DataPath.h"

#include <filesystem>

std::string slashed(std::string dataPath)
{
    for (char& c : dataPath) {
        if (c == '\\') {
            c = '/';
        }
    }
    return dataPath;
}

std::string backslashed(std::string path)
{
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path;
}

std::string dataPathOf(const std::string& hostPath)
{
    return backslashed(std::filesystem::relative(hostPath).string());
}
