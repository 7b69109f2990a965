#ifndef ENGINE_MODEL_VXOBJCLIENTVERTEXDATASET_H
#define ENGINE_MODEL_VXOBJCLIENTVERTEXDATASET_H

#include "engine/math/VXVec4.h"
#include "engine/model/VXOBJMaterial.h"

#include <map>
#include <string>
#include <vector>

// One face corner: 0-based indices into the position, texture coordinate and
// normal lists, -1 when absent. Ordered lexicographically.
struct VXOBJFaceKey {
    int vertex;
    int textureCoordinate;
    int normal;

    bool operator<(const VXOBJFaceKey& other) const;
};

struct VXOBJVertexData {
    VXVec4 position;
    VXVec4 normal;
    VXVec4 textureCoordinate;

    VXOBJVertexData();
    void print(std::string prefix) const;
};

// The corners drawn with one material. `indexArray` (built at the end of the
// parse) holds the same numbers as `indices` and is owned by the block.
struct VXOBJVertexBlock {
    VXOBJMaterial material;
    std::vector<int> indices;
    int* indexArray;
    int indexCount;

    VXOBJVertexBlock();
    VXOBJVertexBlock(const VXOBJVertexBlock& other);
    VXOBJVertexBlock& operator=(const VXOBJVertexBlock& other);
    ~VXOBJVertexBlock();

    void buildIndexArray();
    void print(std::string prefix) const;
};

// Everything an OBJ parse collects.
struct VXOBJClientVertexDataSet {
    std::vector<VXVec4> positions;
    std::vector<VXVec4> normals;
    std::vector<VXVec4> textureCoordinates;
    std::map<VXOBJFaceKey, int> vertexIndexByKey;
    std::map<std::string, int> blockIndexByName;
    std::vector<VXOBJVertexData> vertices;
    std::vector<VXOBJVertexBlock> blocks;
    int blockCount;
    int nextVertex;
    // The block that receives face corners; the largest int means none.
    int activeBlock;
    // Floats per vertex uploaded for position, normal and texture coordinate.
    int componentCounts[3];

    VXOBJClientVertexDataSet();

    // Appends a block holding `material` by assignment (colours get w = 1);
    // returns its number.
    int addBlock(const VXOBJMaterial& material);
    // False when the key names a position, texture coordinate or normal that
    // has not been read, or holds a negative index other than -1 (absent).
    bool isWithinLists(const VXOBJFaceKey& key) const;
    // Appends the corner to the active block, as a new unique vertex when its
    // key is new. Without an active block the corner goes into a default block
    // (white material) made for it.
    void addCorner(const VXOBJFaceKey& key);
    void print(std::string prefix) const;
};

#endif
