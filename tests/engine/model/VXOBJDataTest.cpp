#include "engine/model/VXOBJData.h"
#include "engine/model/VXOBJParsing.h"

#include "support/DataPath.h"
#include "support/TempDir.h"
#include "support/VectorChecks.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

// Parses without a GL context: everything but the buffer upload at the end.
class ParsedModel : public VXOBJData {
public:
    void endParse() override {}
};

class VXOBJDataParse : public testing::Test {
protected:
    void parse(const std::string& obj)
    {
        model.parseFile(dataPathOf(directory.write("model.obj", obj)));
    }

    void writeLibrary(const std::string& mtl) { directory.write("model.mtl", mtl); }

    const std::vector<int>& indicesOf(int block) { return model.dataSet.blocks.at(block).indices; }

    TempDir directory;
    ParsedModel model;
};

const char* twoMaterials = "newmtl red\nKd 1 0 0\nnewmtl blue\nKd 0 0 1\n";

} // namespace

TEST(VXOBJParsing, NumbersFillMissingComponentsWithZeroAndWOne)
{
    expectVector(1, 2, 3, 1, parseNumbers("1 2 3"));
    expectVector(0.5f, 0.25f, 0, 1, parseNumbers("0.5 0.25"));
    expectVector(1, 2, 3, 4, parseNumbers("1 2 3 4 5"));
    expectVector(1, 2, 0, 1, parseNumbers("1/2"));
}

TEST(VXOBJParsing, CornerFieldsAreTakenByPosition)
{
    const VXOBJFaceKey normalOnly = parseCorner("7//3");
    EXPECT_EQ(6, normalOnly.vertex);
    EXPECT_EQ(-1, normalOnly.textureCoordinate);
    EXPECT_EQ(2, normalOnly.normal);
    const VXOBJFaceKey all = parseCorner("7/5/3");
    EXPECT_EQ(6, all.vertex);
    EXPECT_EQ(4, all.textureCoordinate);
    EXPECT_EQ(2, all.normal);
    const VXOBJFaceKey texture = parseCorner("7/5");
    EXPECT_EQ(4, texture.textureCoordinate);
    EXPECT_EQ(-1, texture.normal);
    const VXOBJFaceKey alone = parseCorner("7");
    EXPECT_EQ(6, alone.vertex);
    EXPECT_EQ(-1, alone.textureCoordinate);
    EXPECT_EQ(-1, alone.normal);
}

TEST_F(VXOBJDataParse, CornersWrittenAlikeShareOneVertex)
{
    writeLibrary(twoMaterials);
    parse("# two triangles sharing an edge\nmtllib model.mtl\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\n"
          "usemtl red\nf 1 2 3\nf 1 3 4\n");
    EXPECT_EQ(4u, model.dataSet.vertices.size());
    EXPECT_EQ(4, model.dataSet.nextVertex);
    EXPECT_EQ((std::vector<int>{0, 1, 2, 0, 2, 3}), indicesOf(0));
    expectVector(1, 1, 0, 1, model.dataSet.vertices[2].position);
    // A corner without normal keeps the default normal.
    expectVector(0, 0, 1, 1, model.dataSet.vertices[2].normal);
}

TEST_F(VXOBJDataParse, CornersDifferingInAnyFieldAreDifferentVertices)
{
    writeLibrary(twoMaterials);
    parse("mtllib model.mtl\nv 1 2 3\nv 4 5 6\nv 7 8 9\nvt 0.5 0.5\nvn 0 1 0\nusemtl red\n"
          "f 3 3//1 3/1\nf 3/1/1 3//1 3\n");
    EXPECT_EQ(4u, model.dataSet.vertices.size());
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 1, 0}), indicesOf(0));
    expectVector(0, 1, 0, 1, model.dataSet.vertices[1].normal);
    expectVector(0, 0, 0, 1, model.dataSet.vertices[1].textureCoordinate);
    expectVector(0.5f, 0.5f, 0, 1, model.dataSet.vertices[2].textureCoordinate);
}

TEST_F(VXOBJDataParse, TextureCoordinateIsNamedByTheSecondField)
{
    writeLibrary(twoMaterials);
    parse("mtllib model.mtl\nv 1 2 3 9\nvt 0 0\nvt 0.25 0.75\nvn 0 0 -1\nusemtl red\nf 1/2/1 1/1/1 1/2\n");
    ASSERT_EQ(3u, model.dataSet.vertices.size());
    const VXOBJVertexData& vertex = model.dataSet.vertices[0];
    expectVector(0.25f, 0.75f, 0, 1, vertex.textureCoordinate);
    expectVector(0, 0, -1, 1, vertex.normal);
    // Vector assignment makes every w 1, whatever the file says.
    expectVector(1, 2, 3, 1, vertex.position);
    expectVector(1, 2, 3, 9, model.dataSet.positions[0]);
}

TEST_F(VXOBJDataParse, EachMaterialGetsItsBlockAndUnknownNamesSelectBlockZero)
{
    writeLibrary(twoMaterials);
    parse("mtllib model.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nv 1 1 0\n"
          "usemtl blue\nf 1 2 3\nusemtl red\nf 2 4 3\nusemtl no such material\nf 4 1 2\n");
    ASSERT_EQ(2u, model.dataSet.blocks.size());
    EXPECT_EQ(2, model.dataSet.blockCount);
    EXPECT_EQ("red", model.dataSet.blocks[0].material.name);
    expectVector(1, 0, 0, 1, model.dataSet.blocks[0].material.diffuse);
    expectVector(0, 0, 1, 1, model.dataSet.blocks[1].material.diffuse);
    EXPECT_EQ((std::vector<int>{0, 1, 2}), indicesOf(1));
    EXPECT_EQ((std::vector<int>{1, 3, 2, 3, 0, 1}), indicesOf(0));
    EXPECT_EQ(0, model.dataSet.blockIndexByName.at("no such material"));
}

TEST_F(VXOBJDataParse, LibraryIsReadBesideTheModel)
{
    directory.write("models/lib.mtl", "newmtl only\nKa 0.2 0.2 0.2 0.5\nd 0.25\n");
    model.parseFile(dataPathOf(directory.write("models/m.obj", "mtllib lib.mtl\n")));
    ASSERT_EQ(1u, model.dataSet.blocks.size());
    // The block holds its material by assignment: the "d" value does not reach it.
    expectVector(0.2f, 0.2f, 0.2f, 1, model.dataSet.blocks[0].material.ambient);
    EXPECT_EQ(0, model.dataSet.blockIndexByName.at("only"));
}

TEST_F(VXOBJDataParse, CornersWithoutAMaterialGoToADefaultBlock)
{
    parse("v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\nusemtl nothing defined\nf 3 2 1\n");
    ASSERT_EQ(1u, model.dataSet.blocks.size());
    EXPECT_EQ((std::vector<int>{0, 1, 2, 2, 1, 0}), indicesOf(0));
    expectVector(1, 1, 1, 1, model.dataSet.blocks[0].material.diffuse);
}

TEST_F(VXOBJDataParse, FaceNamingDataNotYetReadIsDroppedWhole)
{
    parse("v 0 0 0\nv 1 0 0\nf 1 2 3\nv 0 1 0\nf 1 2 3\nf 1/1 2 3\nf 1//2 2 3\nf 1 2 3\n");
    ASSERT_EQ(1u, model.dataSet.blocks.size());
    EXPECT_EQ((std::vector<int>{0, 1, 2, 0, 1, 2}), indicesOf(0));
    EXPECT_EQ(3u, model.dataSet.vertices.size());
}

TEST(VXOBJParsing, CornerFieldsAtTheEndsOfTheIntRangeDoNotWrapAround)
{
    // The conversion clamps to the int range; one below the lowest int must
    // not wrap around to a large index that a long model could reach.
    EXPECT_LT(parseCorner("-2147483648").vertex, -1);
    EXPECT_LT(parseCorner("1/-99999999999/1").textureCoordinate, -1);
    EXPECT_EQ(0, parseCorner("1/-99999999999/1").normal);
    EXPECT_EQ(2147483646, parseCorner("2147483647").vertex);
    EXPECT_EQ(2147483646, parseCorner("99999999999").vertex);
}

TEST_F(VXOBJDataParse, FaceWithANegativeIndexIsDroppedWhole)
{
    // Relative (negative) indices are not supported; such a face names nothing.
    parse("v 0 0 0\nv 1 0 0\nv 0 1 0\nf -2147483648\nf 1 -1 3\nf 1/-2 2 3\nf 1 2 3\n");
    ASSERT_EQ(1u, model.dataSet.blocks.size());
    EXPECT_EQ((std::vector<int>{0, 1, 2}), indicesOf(0));
    EXPECT_EQ(3u, model.dataSet.vertices.size());
}

TEST(VXOBJFaceKeyOrder, FarApartIndicesKeepAStrictOrder)
{
    const VXOBJFaceKey lowest{INT_MIN, -1, -1};
    const VXOBJFaceKey first{0, -1, -1};
    const VXOBJFaceKey highest{INT_MAX, -1, -1};
    EXPECT_TRUE(lowest < first);
    EXPECT_FALSE(first < lowest);
    EXPECT_TRUE(lowest < highest);
    EXPECT_FALSE(highest < lowest);
    // Lexicographic: a later field only decides between equal earlier ones.
    EXPECT_TRUE((VXOBJFaceKey{0, INT_MIN, INT_MAX}) < (VXOBJFaceKey{0, INT_MAX, INT_MIN}));
    EXPECT_FALSE((VXOBJFaceKey{0, INT_MAX, INT_MIN}) < (VXOBJFaceKey{0, INT_MIN, INT_MAX}));
    EXPECT_TRUE((VXOBJFaceKey{3, 2, INT_MIN}) < (VXOBJFaceKey{3, 2, INT_MAX}));
    EXPECT_FALSE(first < first);
}

TEST(VXOBJFaceKeyOrder, CornersFarApartAreStillSharedInTheMap)
{
    VXOBJClientVertexDataSet dataSet;
    dataSet.positions.push_back(VXVec4(1, 2, 3, 1));
    dataSet.normals.push_back(VXVec4(0, 1, 0, 1));
    dataSet.textureCoordinates.push_back(VXVec4(0.5f, 0.5f, 0, 1));
    // Every index that is not negative names the one element of its list.
    const VXOBJFaceKey keys[] = {{0, -1, -1}, {INT_MIN, -1, -1}, {0, 0, INT_MIN}, {0, INT_MIN, 0},
                                 {INT_MIN, 0, 0},  {0, 0, 0},        {-1, INT_MIN, 0}};
    for (int round = 0; round < 3; ++round) {
        for (const VXOBJFaceKey& key : keys) {
            dataSet.addCorner(key);
        }
    }
    EXPECT_EQ(7u, dataSet.vertices.size());
    EXPECT_EQ(7u, dataSet.vertexIndexByKey.size());
    const std::vector<int> once{0, 1, 2, 3, 4, 5, 6};
    std::vector<int> expected;
    for (int round = 0; round < 3; ++round) {
        expected.insert(expected.end(), once.begin(), once.end());
    }
    EXPECT_EQ(expected, dataSet.blocks.at(0).indices);
}

TEST_F(VXOBJDataParse, CarriageReturnsBeforeLineEndsStillNameTheLibraryAndItsMaterials)
{
    writeLibrary("newmtl red\r\nKd 1 0 0\r\nnewmtl blue\r\nKd 0 0 1\r\n");
    parse("mtllib model.mtl\r\nv 0 0 0\r\nv 1 0 0\r\nv 0 1 0\r\nusemtl blue\r\nf 1 2 3\r\n");
    ASSERT_EQ(2u, model.dataSet.blocks.size());
    EXPECT_EQ("red", model.dataSet.blocks[0].material.name);
    EXPECT_EQ("blue", model.dataSet.blocks[1].material.name);
    expectVector(0, 0, 1, 1, model.dataSet.blocks[1].material.diffuse);
    EXPECT_EQ((std::vector<int>{0, 1, 2}), indicesOf(1));
    EXPECT_EQ(1, model.dataSet.blockIndexByName.at("blue"));
}
