#include "support/ProgramLog.h"

#include <algorithm>
#include <sstream>

int occurrences(const std::string& text, const std::string& part)
{
    int found = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++found;
    }
    return found;
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
