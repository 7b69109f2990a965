#include "engine/text/VXFilePath.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// directory|fileName|baseName|extension
std::string split(const std::string& path)
{
    VXFilePath filePath;
    filePath.set("old\\dir\\old.name");
    filePath.set(path);
    EXPECT_EQ(filePath.path, path);
    return filePath.directory + "|" + filePath.fileName + "|" + filePath.baseName + "|" + filePath.extension;
}

} // namespace

TEST(VXFilePath, SplitsAtBackslashesOnly)
{
    EXPECT_EQ(split("Data\\Models\\Block.obj"), "Data\\Models\\|Block.obj|Block|.obj");
    EXPECT_EQ(split("Data/Models/Block.obj"), "|Data/Models/Block.obj|Data/Models/Block|.obj");
    EXPECT_EQ(split("\\Data\\\\My Models\\a b.obj"), "Data\\My Models\\|a b.obj|a b|.obj");
    EXPECT_EQ(split("Data\\Models\\"), "Data\\|Models|Models|.");
}

TEST(VXFilePath, BaseNameEndsAtTheFirstDot)
{
    EXPECT_EQ(split("model.low.obj"), "|model.low.obj|model|.low");
    EXPECT_EQ(split("README"), "|README|README|.");
    EXPECT_EQ(split("."), "|.||.");
    EXPECT_EQ(split(""), "|||.");
}
