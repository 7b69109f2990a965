#include "engine/model/VXMTLReader.h"

#include "engine/core/VXLog.h"
#include "engine/model/VXOBJParsing.h"
#include "engine/text/VXCharacterClasses.h"
#include "engine/text/VXTextConversions.h"
#include "engine/text/VXTokenizer.h"

VXMTLReader::VXMTLReader()
    : current(-1)
{
}

void VXMTLReader::parseLine(std::string line)
{
    VXTokenizer tokenizer;
    tokenizer.setTable(&objWordCharacterClasses);
    tokenizer.setText(&line);
    const std::string keyword = tokenizer.nextToken();
    if (keyword == "newmtl") {
        materials.push_back(VXOBJMaterial(tokenizer.restOfLine()));
        current = static_cast<int>(materials.size()) - 1;
        return;
    }
    if (current < 0) {
        return;
    }
    VXOBJMaterial& material = materials[current];
    if (keyword == "Ka") {
        material.ambient = parseNumbers(tokenizer.restOfLine());
    } else if (keyword == "Kd") {
        material.diffuse = parseNumbers(tokenizer.restOfLine());
    } else if (keyword == "Ks") {
        material.specular = parseNumbers(tokenizer.restOfLine());
    } else if (keyword == "Ns") {
        material.shininess = parseFloat(tokenizer.nextToken());
    } else if (keyword == "d" || keyword == "Tr") {
        material.ambient.w() = parseFloat(tokenizer.nextToken());
    } else if (keyword == "map_Ka") {
        material.ambientFileName = tokenizer.restOfLine();
    } else if (keyword == "map_Kd") {
        material.diffuseFileName = tokenizer.nextToken();
    } else if (keyword == "map_Ks") {
        material.specularFileName = tokenizer.nextToken();
    }
}

void VXMTLReader::print(std::string prefix)
{
    VXLog() << prefix << "MTL Reader";
    for (const VXOBJMaterial& material : materials) {
        material.print(prefix + "\t");
    }
}
