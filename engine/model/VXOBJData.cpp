#include "engine/model/VXOBJData.h"

#include "engine/core/VXLog.h"
#include "engine/model/VXMTLReader.h"
#include "engine/model/VXOBJParsing.h"
#include "engine/model/VXOBJShell.h"
#include "engine/text/VXCharacterClasses.h"
#include "engine/text/VXTokenizer.h"

#include <vector>

VXOBJData::VXOBJData()
    : vertexCount(0), positionArray(nullptr), normalArray(nullptr), textureCoordinateArray(nullptr),
      positionAttribute(0), normalAttribute(1), textureCoordinateAttribute(2), closed(false)
{
}

bool VXOBJData::cullClosedModels = true;

namespace {

// Around one model's draw calls; the state is left as it was found (off).
class BackFaceCulling {
public:
    explicit BackFaceCulling(bool on) : on(on)
    {
        if (on) {
            glEnable(GL_CULL_FACE);
        }
    }
    ~BackFaceCulling()
    {
        if (on) {
            glDisable(GL_CULL_FACE);
        }
    }
    BackFaceCulling(const BackFaceCulling&) = delete;
    BackFaceCulling& operator=(const BackFaceCulling&) = delete;

private:
    bool on;
};

} // namespace

void VXOBJData::beginParse(std::string path)
{
    filePath.set(path);
}

void VXOBJData::parseLine(std::string line)
{
    VXTokenizer tokenizer;
    tokenizer.setTable(&objWordCharacterClasses);
    tokenizer.setText(&line);
    const std::string keyword = tokenizer.nextToken();
    if (keyword == "usemtl") {
        dataSet.activeBlock = dataSet.blockIndexByName[tokenizer.restOfLine()];
    } else if (keyword == "mtllib") {
        readMaterialLibrary(tokenizer.restOfLine());
    } else if (keyword == "v") {
        dataSet.positions.push_back(parseNumbers(tokenizer.restOfLine()));
    } else if (keyword == "vn") {
        dataSet.normals.push_back(parseNumbers(tokenizer.restOfLine()));
    } else if (keyword == "vt") {
        dataSet.textureCoordinates.push_back(parseNumbers(tokenizer.restOfLine()));
    } else if (keyword == "f") {
        addFace(tokenizer);
    }
}

void VXOBJData::readMaterialLibrary(const std::string& name)
{
    VXMTLReader reader;
    reader.parseFile(filePath.directory + name);
    for (const VXOBJMaterial& material : reader.materials) {
        dataSet.blockIndexByName[material.name] = dataSet.addBlock(material);
    }
}

void VXOBJData::addFace(VXTokenizer& tokenizer)
{
    std::vector<VXOBJFaceKey> corners;
    for (std::string word = tokenizer.nextToken(); !word.empty(); word = tokenizer.nextToken()) {
        const VXOBJFaceKey key = parseCorner(word);
        if (!dataSet.isWithinLists(key)) {
            return;
        }
        corners.push_back(key);
    }
    for (const VXOBJFaceKey& key : corners) {
        dataSet.addCorner(key);
    }
}

void VXOBJData::endParse()
{
    for (VXOBJVertexBlock& block : dataSet.blocks) {
        block.buildIndexArray();
    }
    closed = isClosedOutwardShell(dataSet);
    vertexCount = static_cast<int>(dataSet.vertices.size());
    const int* counts = dataSet.componentCounts;
    positionArray = new float[vertexCount * counts[0]];
    normalArray = new float[vertexCount * counts[1]];
    textureCoordinateArray = new float[vertexCount * counts[2]];
    for (int i = 0; i < vertexCount; ++i) {
        const VXOBJVertexData& vertex = dataSet.vertices[i];
        for (int j = 0; j < counts[0]; ++j) {
            positionArray[i * counts[0] + j] = vertex.position[j];
        }
        for (int j = 0; j < counts[1]; ++j) {
            normalArray[i * counts[1] + j] = vertex.normal[j];
        }
        for (int j = 0; j < counts[2]; ++j) {
            textureCoordinateArray[i * counts[2] + j] = vertex.textureCoordinate[j];
        }
    }
    positionAttribute = vertexBuffer.addAttribute(counts[0], GL_FLOAT);
    normalAttribute = vertexBuffer.addAttribute(counts[1], GL_FLOAT);
    textureCoordinateAttribute = vertexBuffer.addAttribute(counts[2], GL_FLOAT);
    vertexBuffer.allocate(vertexCount, nullptr, GL_STATIC_DRAW);
    vertexBuffer.update(positionAttribute, 0, vertexCount, positionArray);
    vertexBuffer.update(normalAttribute, 0, vertexCount, normalArray);
    vertexBuffer.update(textureCoordinateAttribute, 0, vertexCount, textureCoordinateArray);
    delete[] positionArray;
    delete[] normalArray;
    delete[] textureCoordinateArray;
    positionArray = nullptr;
    normalArray = nullptr;
    textureCoordinateArray = nullptr;
}

VXIndexTable VXOBJData::attributeTable(const VXShaderProgram& program) const
{
    VXIndexTable table;
    table.set(positionAttribute, program.vertexLocation);
    table.set(normalAttribute, program.normalLocation);
    table.set(textureCoordinateAttribute, program.textureCoordinateLocation);
    return table;
}

void VXOBJData::draw(VXShaderProgram* program)
{
    const VXIndexTable attributes = attributeTable(*program);
    const VXUniformTable uniforms = materialUniforms(*program);
    const BackFaceCulling culling(closed && cullClosedModels);
    vertexBuffer.bind(attributes);
    for (const VXOBJVertexBlock& block : dataSet.blocks) {
        block.material.apply(uniforms);
        vertexBuffer.drawElements(GL_TRIANGLES, block.indexCount, block.indexArray);
    }
}

void VXOBJData::drawWithMaterial(VXShaderProgram* program, VXOBJMaterial* material)
{
    const VXIndexTable attributes = attributeTable(*program);
    const VXUniformTable uniforms = materialUniforms(*program);
    material->apply(uniforms);
    const BackFaceCulling culling(closed && cullClosedModels);
    vertexBuffer.bind(attributes);
    for (const VXOBJVertexBlock& block : dataSet.blocks) {
        vertexBuffer.drawElements(GL_TRIANGLES, block.indexCount, block.indexArray);
    }
}

void VXOBJData::print(std::string prefix)
{
    VXLog() << prefix << "OBJ Client Vertex Data Set";
    dataSet.print(prefix + "\t");
}
