#include "engine/model/VXOBJData.h"

#include "support/TempDir.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class VXOBJDataGL : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(openTestWindow()); }
};

struct ShippedModel {
    const char* path;
    int vertexCount;
    std::vector<std::string> materials;
    std::vector<int> indexCounts;
};

} // namespace

TEST_F(VXOBJDataGL, EndOfParseUploadsPositionsNormalsAndTextureCoordinatesInBlocks)
{
    TempDir directory;
    VXOBJData model;
    model.parseFile(directory.write("plain.obj", "v 1 2 3\nv 4 5 6\nv 7 8 9\nvn 0 1 0\nvt 0.5 0.25\n"
                                                 "f 1/1/1 2//1 3\n"));
    ASSERT_EQ(3, model.vertexCount);
    EXPECT_EQ(nullptr, model.positionArray);
    EXPECT_EQ(0, model.positionAttribute);
    EXPECT_EQ(1, model.normalAttribute);
    EXPECT_EQ(2, model.textureCoordinateAttribute);
    EXPECT_EQ(3 * 32, model.vertexBuffer.totalBytes);
    ASSERT_NE(0u, model.vertexBuffer.buffer);

    std::vector<float> stored(24, -1.0f);
    glBindBuffer(GL_ARRAY_BUFFER, model.vertexBuffer.buffer);
    glGetBufferSubData(GL_ARRAY_BUFFER, 0, 96, stored.data());
    const std::vector<float> expected = {1, 2, 3, 4, 5, 6, 7, 8, 9,
                                         0, 1, 0, 0, 1, 0, 0, 0, 1,
                                         0.5f, 0.25f, 0, 0, 0, 0};
    EXPECT_EQ(expected, stored);

    ASSERT_EQ(1u, model.dataSet.blocks.size());
    const VXOBJVertexBlock& block = model.dataSet.blocks[0];
    ASSERT_EQ(3, block.indexCount);
    EXPECT_EQ(std::vector<int>(block.indexArray, block.indexArray + 3), block.indices);
}

// Read from the game directory, as the programs read them.
TEST_F(VXOBJDataGL, ShippedModelsAreTrianglesWithTheirOwnMaterials)
{
    const ShippedModel models[] = {
        {"VXLibrary\\Models\\vx_cube_background.obj", 24, {"vx_cube_background"}, {36}},
        {"VXLibrary\\Models\\vx_object_marker.obj", 24, {"vx_object_marker"}, {24}},
        {"test.obj", 28, {"backdrop", "block"}, {6, 36}},
    };
    for (const ShippedModel& shipped : models) {
        VXOBJData model;
        model.parseFile(shipped.path);
        EXPECT_EQ(shipped.vertexCount, model.vertexCount) << shipped.path;
        ASSERT_EQ(shipped.materials.size(), model.dataSet.blocks.size()) << shipped.path;
        for (size_t i = 0; i < shipped.materials.size(); ++i) {
            const VXOBJVertexBlock& block = model.dataSet.blocks[i];
            EXPECT_EQ(shipped.materials[i], block.material.name) << shipped.path;
            EXPECT_EQ(shipped.indexCounts[i], block.indexCount) << shipped.path;
        }
    }
}
