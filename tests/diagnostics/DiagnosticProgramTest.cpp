#include <gtest/gtest.h>

#include <signal.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/ProgramLog.h"
#include "support/ProgramProcess.h"
#include "support/TempDir.h"

namespace {

const std::string dash(100, '-');
const std::string zero(100, '0');

// Runs a program of the game directory until its scene stands, then asks it
// to quit; its standard output, or "" when it did not start or end cleanly.
std::string runUntilFirstScene(const std::string& name)
{
    TempDir dir;
    const std::string terminal = dir.file("terminal.txt");
    const std::string gameDir = std::filesystem::current_path().string();
    const pid_t pid = startProgram(gameDir + "/" + name, gameDir, false, terminal);
    if (pid < 0) {
        return "";
    }
    const bool started = waitForText(terminal, "INITIALIZED FIRST SCENE", 20000);
    // SDL turns the termination signal into its quit event.
    kill(pid, started ? SIGTERM : SIGKILL);
    const bool clean = waitForExit(pid, 10000) == 0;
    return started && clean ? readWholeFile(terminal) : "";
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream stream(text);
    std::string line;
    while (std::getline(stream, line)) {
        result.push_back(line);
    }
    return result;
}

bool startsWith(const std::string& text, const std::string& prefix)
{
    return text.rfind(prefix, 0) == 0;
}

bool isHeading(const std::string& line)
{
    return startsWith(line, "PROGRAM INFO LOG FOR PROGRAM : ") || startsWith(line, "PRINTING PROGRAM INFO FOR ") ||
           startsWith(line, "SHADER INFO LOG FOR SHADER : ") || startsWith(line, "PRINTING SHADER INFO FOR ");
}

} // namespace

TEST(DiagnosticProgram, ReportsTheLibrarysShadersAndProgramsInFramedBlocksWhileItStarts)
{
    const std::string output = runUntilFirstScene("VantorelDiagnostic");
    ASSERT_FALSE(output.empty()) << "the diagnostic build did not start and quit cleanly";
    const std::vector<std::string> all = lines(output);

    std::vector<std::string> headings;
    std::size_t firstHeading = all.size();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (!isHeading(all[i])) {
            continue;
        }
        ASSERT_GE(i, 4u);
        EXPECT_EQ(all[i - 4], "") << "block " << all[i];
        EXPECT_EQ(all[i - 3], dash) << "block " << all[i];
        EXPECT_EQ(all[i - 2], zero) << "block " << all[i];
        EXPECT_EQ(all[i - 1], dash) << "block " << all[i];
        firstHeading = std::min(firstHeading, i);
        headings.push_back(all[i]);
    }
    ASSERT_EQ(headings.size(), 12u) << output;
    // The lit program in full, then the six program logs in the order built.
    const std::string lit = headings[0].substr(headings[0].rfind(' ') + 1);
    EXPECT_EQ(headings[1], "PRINTING PROGRAM INFO FOR " + lit);
    EXPECT_TRUE(startsWith(headings[2], "SHADER INFO LOG FOR SHADER : "));
    EXPECT_TRUE(startsWith(headings[3], "SHADER INFO LOG FOR SHADER : "));
    EXPECT_EQ(headings[4], "PRINTING SHADER INFO FOR " + headings[2].substr(headings[2].rfind(' ') + 1));
    EXPECT_EQ(headings[5], "PRINTING SHADER INFO FOR " + headings[3].substr(headings[3].rfind(' ') + 1));
    for (int i = 6; i < 12; ++i) {
        EXPECT_TRUE(startsWith(headings[i], "PROGRAM INFO LOG FOR PROGRAM : ")) << headings[i];
    }
    EXPECT_EQ(headings[10], headings[0]);

    // After the library's first line, before its models load.
    EXPECT_EQ(all[firstHeading - 5], "INITIALIZING");
    EXPECT_LT(output.find("LINK STATUS"), output.find("Finished Parsing File"));

    EXPECT_EQ(occurrences(output, "COMPILE TYPE: SUCCESSFULLY COMPILED\n"), 2) << output;
    EXPECT_NE(output.find("SHADER TYPE: VERTEX SHADER\n"), std::string::npos);
    EXPECT_LT(output.find("SHADER TYPE: VERTEX SHADER\n"), output.find("SHADER TYPE: FRAGMENT SHADER\n"));
    EXPECT_NE(output.find("LINK STATUS: SUCCESSFULLY LINKED\n"), std::string::npos) << output;
    EXPECT_NE(output.find("shadow_map\n\tSIZE: 1\n\tGL TYPE: UNRECOGNIZED TYPE\n"), std::string::npos) << output;
    EXPECT_NE(output.find("vx_model_view_matrix\n\tSIZE: 1\n\tGL TYPE: GL MAT 4\n"), std::string::npos) << output;
}

TEST(DiagnosticProgram, TheNormalBuildPrintsNoneOfIt)
{
    const std::string output = runUntilFirstScene("Vantorel");
    ASSERT_FALSE(output.empty()) << "the game did not start and quit cleanly";
    EXPECT_EQ(output.find(dash), std::string::npos) << output;
    EXPECT_EQ(output.find(zero), std::string::npos) << output;
    EXPECT_EQ(output.find("INFO"), std::string::npos) << output;
    EXPECT_EQ(output.find("COMPILE"), std::string::npos) << output;
}
