#include "engine/model/VXOBJClientVertexDataSet.h"

#include <climits>
#include <tuple>

#include "engine/core/VXLog.h"

namespace {

// -1 is an absent field; any other negative index (a relative one) is not
// supported and names nothing.
bool indexesList(int index, size_t size)
{
    return index == -1 || (index >= 0 && static_cast<size_t>(index) < size);
}

void printVectors(const std::vector<VXVec4>& vectors, const std::string& prefix)
{
    for (const VXVec4& vector : vectors) {
        vector.print(prefix);
    }
}

} // namespace

bool VXOBJFaceKey::operator<(const VXOBJFaceKey& other) const
{
    // Compared field by field, never by difference, which overflows for
    // indices far apart.
    return std::tie(vertex, textureCoordinate, normal) <
           std::tie(other.vertex, other.textureCoordinate, other.normal);
}

VXOBJVertexData::VXOBJVertexData()
    : position(0, 0, 0, 1), normal(0, 0, 1, 1), textureCoordinate(0, 0, 0, 1)
{
}

void VXOBJVertexData::print(std::string prefix) const
{
    VXLog() << prefix << "OBJ Vertex Data";
    VXLog() << prefix << "\tVertex";
    position.print(prefix + "\t\t");
    VXLog() << prefix << "\tNormal";
    normal.print(prefix + "\t\t");
    VXLog() << prefix << "\tTexture";
    textureCoordinate.print(prefix + "\t\t");
}

VXOBJVertexBlock::VXOBJVertexBlock()
    : indexArray(nullptr), indexCount(0)
{
}

VXOBJVertexBlock::VXOBJVertexBlock(const VXOBJVertexBlock& other)
    : material(other.material), indices(other.indices), indexArray(nullptr), indexCount(0)
{
    if (other.indexArray != nullptr) {
        buildIndexArray();
    }
}

VXOBJVertexBlock& VXOBJVertexBlock::operator=(const VXOBJVertexBlock& other)
{
    if (this == &other) {
        return *this;
    }
    material = other.material;
    indices = other.indices;
    delete[] indexArray;
    indexArray = nullptr;
    indexCount = 0;
    if (other.indexArray != nullptr) {
        buildIndexArray();
    }
    return *this;
}

VXOBJVertexBlock::~VXOBJVertexBlock()
{
    delete[] indexArray;
}

void VXOBJVertexBlock::buildIndexArray()
{
    delete[] indexArray;
    indexCount = static_cast<int>(indices.size());
    indexArray = new int[indices.size()];
    for (size_t i = 0; i < indices.size(); ++i) {
        indexArray[i] = indices[i];
    }
}

void VXOBJVertexBlock::print(std::string prefix) const
{
    VXLog() << prefix << "OBJ Vertex Block";
    VXLog() << prefix << "\tOBJ Material Property: ";
    material.print(prefix + "\t\t");
    VXLog() << prefix << "\tVertex Draw Indices: ";
    for (int index : indices) {
        VXLog() << prefix << "\t\t" << index;
    }
}

VXOBJClientVertexDataSet::VXOBJClientVertexDataSet()
    : blockCount(0), nextVertex(0), activeBlock(INT_MAX), componentCounts{3, 3, 2}
{
}

int VXOBJClientVertexDataSet::addBlock(const VXOBJMaterial& material)
{
    blocks.emplace_back();
    blocks.back().material = material;
    return blockCount++;
}

bool VXOBJClientVertexDataSet::isWithinLists(const VXOBJFaceKey& key) const
{
    return indexesList(key.vertex, positions.size()) && indexesList(key.textureCoordinate, textureCoordinates.size()) &&
           indexesList(key.normal, normals.size());
}

void VXOBJClientVertexDataSet::addCorner(const VXOBJFaceKey& key)
{
    if (activeBlock < 0 || activeBlock >= blockCount) {
        activeBlock = addBlock(VXOBJMaterial());
    }
    std::vector<int>& indices = blocks[activeBlock].indices;
    const auto found = vertexIndexByKey.find(key);
    if (found != vertexIndexByKey.end()) {
        indices.push_back(found->second);
        return;
    }
    vertexIndexByKey[key] = nextVertex;
    VXOBJVertexData vertex;
    if (key.vertex >= 0) {
        vertex.position = positions[key.vertex];
    }
    if (key.normal >= 0) {
        vertex.normal = normals[key.normal];
    }
    if (key.textureCoordinate >= 0) {
        vertex.textureCoordinate = textureCoordinates[key.textureCoordinate];
    }
    vertices.push_back(vertex);
    indices.push_back(nextVertex);
    ++nextVertex;
}

void VXOBJClientVertexDataSet::print(std::string prefix) const
{
    VXLog() << prefix << "OBJ Client Vertex Data Set";
    VXLog() << prefix << "\tVertex Library: ";
    VXLog() << prefix << "\t\tVertex Data: ";
    printVectors(positions, prefix + "\t\t\t");
    VXLog() << prefix << "\t\tNormal Data: ";
    printVectors(normals, prefix + "\t\t\t");
    VXLog() << prefix << "\t\tTexture Data: ";
    printVectors(textureCoordinates, prefix + "\t\t\t");
    VXLog() << prefix << "\tOBJ Vertex Data: ";
    for (const VXOBJVertexData& vertex : vertices) {
        vertex.print(prefix + "\t\t");
    }
    VXLog() << prefix << "\tOBJ Vertex Blocks: ";
    VXLog() << prefix << "\t\tActive Vertex Block: " << activeBlock;
    for (size_t i = 0; i < blocks.size(); ++i) {
        VXLog() << prefix << "\t\tBlock Index: " << i;
        blocks[i].print(prefix + "\t\t");
    }
}
