#include "GameFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/HostPath.h"

void expectExactFile(const std::string& dataPath)
{
    const std::string resolved = hostPath(dataPath);
    EXPECT_TRUE(std::filesystem::is_regular_file(resolved)) << dataPath;
    EXPECT_EQ(resolved, slashed(dataPath));
}

std::string readGameFile(const std::string& dataPath)
{
    std::ifstream in(hostPath(dataPath), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

std::string unexpectedOutput(const std::string& captured)
{
    std::string rest;
    for (const std::string& line : splitLines(captured)) {
        if (line != "Finished Parsing File") {
            rest += line + "\n";
        }
    }
    return rest;
}
