#include "engine/model/VXOBJClientVertexDataSet.h"

#include <climits>
#include <iostream>
#include <tuple>

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
    std::cout << prefix << "OBJ Vertex Data" << std::endl;
    std::cout << prefix << "\tVertex" << std::endl;
    position.print(prefix + "\t\t");
    std::cout << prefix << "\tNormal" << std::endl;
    normal.print(prefix + "\t\t");
    std::cout << prefix << "\tTexture" << std::endl;
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
    std::cout << prefix << "OBJ Vertex Block" << std::endl;
    std::cout << prefix << "\tOBJ Material Property: " << std::endl;
    material.print(prefix + "\t\t");
    std::cout << prefix << "\tVertex Draw Indices: " << std::endl;
    for (int index : indices) {
        std::cout << prefix << "\t\t" << index << std::endl;
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
    std::cout << prefix << "OBJ Client Vertex Data Set" << std::endl;
    std::cout << prefix << "\tVertex Library: " << std::endl;
    std::cout << prefix << "\t\tVertex Data: " << std::endl;
    printVectors(positions, prefix + "\t\t\t");
    std::cout << prefix << "\t\tNormal Data: " << std::endl;
    printVectors(normals, prefix + "\t\t\t");
    std::cout << prefix << "\t\tTexture Data: " << std::endl;
    printVectors(textureCoordinates, prefix + "\t\t\t");
    std::cout << prefix << "\tOBJ Vertex Data: " << std::endl;
    for (const VXOBJVertexData& vertex : vertices) {
        vertex.print(prefix + "\t\t");
    }
    std::cout << prefix << "\tOBJ Vertex Blocks: " << std::endl;
    std::cout << prefix << "\t\tActive Vertex Block: " << activeBlock << std::endl;
    for (size_t i = 0; i < blocks.size(); ++i) {
        std::cout << prefix << "\t\tBlock Index: " << i << std::endl;
        blocks[i].print(prefix + "\t\t");
    }
}
