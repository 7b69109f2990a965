#ifndef ENGINE_MODEL_VXOBJDATA_H
#define ENGINE_MODEL_VXOBJDATA_H

#include "engine/model/VXOBJClientVertexDataSet.h"
#include "engine/model/VXOBJMaterial.h"
#include "engine/render/VXShaderProgram.h"
#include "engine/render/VXVertexBuffer.h"
#include "engine/text/VXFilePath.h"
#include "engine/text/VXTextFileStreamReader.h"

#include <string>

struct VXTokenizer;

// A Wavefront OBJ model with its MTL materials: one vertex buffer of unique
// vertices (one per distinct face corner) and one index list per material.
// Create it, then parseFile(path); the end of the parse makes the GL buffer,
// so a GL context must exist. Faces must be triangles.
class VXOBJData : public VXTextFileStreamReader {
public:
    VXFilePath filePath;
    VXOBJClientVertexDataSet dataSet;
    int vertexCount;
    float* positionArray;
    float* normalArray;
    float* textureCoordinateArray;
    VXVertexBuffer vertexBuffer;
    int positionAttribute;
    int normalAttribute;
    int textureCoordinateAttribute;
    // Closed and wound outward (isClosedOutwardShell): drawn with back faces
    // culled, which changes no pixel and spares the hidden half of its
    // triangles. Set at the end of the parse.
    bool closed;

    // Off: every model draws both faces, as an open one does (to compare).
    static bool cullClosedModels;

    VXOBJData();

    void beginParse(std::string path) override;
    // A face with a corner that names a position, texture coordinate or normal
    // not read yet is dropped whole, so the triangles after it stay aligned.
    void parseLine(std::string line) override;
    void print(std::string prefix) override;
    void endParse() override;

    // The program must be current with its matrices uploaded.
    void draw(VXShaderProgram* program);
    // Every block with the one given material instead of its own.
    void drawWithMaterial(VXShaderProgram* program, VXOBJMaterial* material);

private:
    void readMaterialLibrary(const std::string& name);
    void addFace(VXTokenizer& tokenizer);
    VXIndexTable attributeTable(const VXShaderProgram& program) const;
};

#endif
