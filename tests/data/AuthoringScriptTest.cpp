#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "MediaFiles.h"
#include "support/TempDir.h"

// The committed models and characters are the output of the authoring
// script: run again it writes every file byte for byte, and no committed file
// in the folders it writes is left over from an older version.
TEST(AuthoringScript, WritesExactlyTheCommittedModelsAndCharacters)
{
#ifndef VANTOREL_PYTHON
    GTEST_SKIP() << "no Python interpreter";
#else
    const std::string source = VANTOREL_DATA_SOURCE_DIR;
    TempDir out;
    const std::string command =
        "'" VANTOREL_PYTHON "' '" + source + "/authoring/write_data.py' '" + out.path() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const std::vector<std::string> written = filesBelow(out.path() + "/Data");
    ASSERT_GT(written.size(), 100u);
    std::set<std::string> folders;
    for (const std::string& relative : written) {
        EXPECT_EQ(readWholeFile(out.path() + "/Data/" + relative), readWholeFile(source + "/Data/" + relative))
            << relative << " differs from what the script writes";
        folders.insert(relative.substr(0, relative.rfind('/')));
    }
    const std::set<std::string> expected(written.begin(), written.end());
    for (const std::string& relative : filesBelow(source + "/Data")) {
        const std::string folder = relative.substr(0, relative.rfind('/'));
        if (folders.count(folder)) {
            EXPECT_TRUE(expected.count(relative)) << relative << " is no longer written by the script";
        }
    }
#endif
}
