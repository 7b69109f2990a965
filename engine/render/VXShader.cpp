#include "engine/render/VXShader.h"

#include <vector>

VXShader::VXShader(GLenum type)
    : type(type), name(0)
{
}

VXShader::~VXShader()
{
}

void VXShader::compile(std::string path)
{
    loadSourceText(path);
    std::vector<const GLchar*> text;
    text.reserve(lines.size());
    for (const std::string& line : lines) {
        text.push_back(line.c_str());
    }
    name = glCreateShader(type);
    glShaderSource(name, static_cast<GLsizei>(text.size()), text.data(), nullptr);
    glCompileShader(name);
}
