#ifndef ENGINE_MODEL_VXMTLREADER_H
#define ENGINE_MODEL_VXMTLREADER_H

#include "engine/model/VXOBJMaterial.h"
#include "engine/text/VXTextFileStreamReader.h"

#include <string>
#include <vector>

// Reads an MTL material library into `materials`.
class VXMTLReader : public VXTextFileStreamReader {
public:
    std::vector<VXOBJMaterial> materials;
    // The material that property lines change; -1 before the first "newmtl",
    // when property lines are ignored.
    int current;

    VXMTLReader();

    void parseLine(std::string line) override;
    void print(std::string prefix) override;
};

#endif
