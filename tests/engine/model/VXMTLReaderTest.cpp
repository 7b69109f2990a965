#include "engine/model/VXMTLReader.h"

#include "support/VectorChecks.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

void readLines(VXMTLReader& reader, const std::string& text)
{
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        reader.parseLine(line);
    }
}

} // namespace

TEST(VXMTLReader, UnsetPropertiesKeepTheirInitialValues)
{
    VXMTLReader reader;
    readLines(reader, "newmtl red\nKd 1 0 0\n");
    ASSERT_EQ(1u, reader.materials.size());
    const VXOBJMaterial& red = reader.materials[0];
    EXPECT_EQ("red", red.name);
    expectVector(1, 0, 0, 1, red.diffuse);
    expectVector(1, 1, 1, 1, red.ambient);
    expectVector(1, 1, 1, 1, red.specular);
    EXPECT_EQ(0.0f, red.shininess);
    EXPECT_EQ(0u, red.textures[0].name);
    EXPECT_EQ(static_cast<GLenum>(GL_TEXTURE_2D), red.textures[3].target);
}

TEST(VXMTLReader, ColoursAreAssignedAsVectorsAndDissolveSetsAmbientW)
{
    VXMTLReader reader;
    readLines(reader, "newmtl glass\nKa 0.2 0.2 0.2 0.5\nKs 0.5 0.5 0.5 0\nNs 12.5\n");
    const VXOBJMaterial& glass = reader.materials[0];
    expectVector(0.2f, 0.2f, 0.2f, 1, glass.ambient);
    expectVector(0.5f, 0.5f, 0.5f, 1, glass.specular);
    EXPECT_FLOAT_EQ(12.5f, glass.shininess);

    readLines(reader, "d 0.25\n");
    EXPECT_FLOAT_EQ(0.25f, reader.materials[0].ambient[3]);
    readLines(reader, "Tr 0.75\n");
    EXPECT_FLOAT_EQ(0.75f, reader.materials[0].ambient[3]);
    readLines(reader, "Ka 0.1 0.1 0.1\n");
    EXPECT_FLOAT_EQ(1.0f, reader.materials[0].ambient[3]);
}

TEST(VXMTLReader, NamesAndFileNamesAreTakenWholeOrByFirstWordAsEachKeywordSays)
{
    VXMTLReader reader;
    readLines(reader, "newmtl  my mat \t\nmap_Ka my file.png\nmap_Kd my file.png\nmap_Ks spec map.png\n");
    const VXOBJMaterial& material = reader.materials[0];
    EXPECT_EQ("my mat", material.name);
    EXPECT_EQ("my file.png", material.ambientFileName);
    EXPECT_EQ("my", material.diffuseFileName);
    EXPECT_EQ("spec", material.specularFileName);
}

TEST(VXMTLReader, PropertiesBeforeTheFirstMaterialAndUnknownLinesAreIgnored)
{
    VXMTLReader reader;
    readLines(reader, "Kd 0 1 0\nd 0.5\nmap_Kd early.png\n\n# comment\nnewmtl a\nillum 2\nKe 1 1 1\nnewmtl b\nKd 0 1 0\n");
    ASSERT_EQ(2u, reader.materials.size());
    EXPECT_EQ(1, reader.current);
    expectVector(1, 1, 1, 1, reader.materials[0].diffuse);
    EXPECT_EQ("", reader.materials[0].diffuseFileName);
    expectVector(0, 1, 0, 1, reader.materials[1].diffuse);
}
