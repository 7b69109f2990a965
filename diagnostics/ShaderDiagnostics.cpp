#include "diagnostics/ShaderDiagnostics.h"

#include "engine/core/VXLog.h"
#include "engine/render/VXLibrary.h"

#include <string>
#include <vector>

namespace {

const std::string dashRule(100, '-');
const std::string zeroRule(100, '0');

void printRules()
{
    VXLog() << dashRule;
    VXLog() << zeroRule;
    VXLog() << dashRule;
}

void printOpening()
{
    VXLog() << "";
    printRules();
}

void printClosing()
{
    printRules();
    VXLog() << "";
}

// The log text between two dash rules; `readLog` fills a buffer of the
// length GL reported.
template <typename ReadLog>
void printLog(const std::string& heading, GLuint name, GLint length, ReadLog readLog)
{
    printOpening();
    VXLog() << heading << name;
    VXLog() << "";
    VXLog() << "LENGTH : " << length;
    VXLog() << "";
    VXLog() << dashRule;
    if (length > 0) {
        std::vector<char> buffer(static_cast<std::size_t>(length), '\0');
        readLog(length, buffer.data());
        buffer.back() = '\0';
        VXLog() << buffer.data();
    }
    VXLog() << dashRule;
    VXLog() << "";
    printClosing();
}

const char* statusText(GLint status, const char* yes, const char* no)
{
    return status == 1 ? yes : no;
}

// One line per active attribute or uniform; `readActive` is glGetActiveAttrib
// or glGetActiveUniform.
template <typename ReadActive>
void printActive(const char* label, GLint count, GLint maxLength, ReadActive readActive)
{
    // A maximum of 0 still leaves room for the terminating zero.
    const GLsizei bufferSize = maxLength > 0 ? maxLength : 1;
    std::vector<char> buffer(static_cast<std::size_t>(bufferSize), '\0');
    for (GLint i = 0; i < count; ++i) {
        GLint size = 0;
        GLenum type = 0;
        buffer[0] = '\0';
        readActive(static_cast<GLuint>(i), bufferSize, &size, &type, buffer.data());
        // The maximum length counts the terminating zero.
        buffer.back() = '\0';
        VXLog() << label << buffer.data() << "\n\tSIZE: " << size << "\n\tGL TYPE: " << glTypeText(type);
    }
}

} // namespace

const char* glTypeText(GLenum type)
{
    switch (type) {
    case GL_FLOAT:
        return "GL FLOAT";
    case GL_FLOAT_VEC2:
        return "GL FLOAT VEC 2";
    case GL_FLOAT_VEC3:
        return "GL FLOAT VEC 3";
    case GL_FLOAT_VEC4:
        return "GL FLOAT VEC 4";
    case GL_FLOAT_MAT2:
        return "GL MAT 2";
    case GL_FLOAT_MAT3:
        return "GL MAT 3";
    case GL_FLOAT_MAT4:
        return "GL MAT 4";
    default:
        return "UNRECOGNIZED TYPE";
    }
}

void printShaderInfoLog(const VXShader& shader)
{
    GLint length = 0;
    glGetShaderiv(shader.name, GL_INFO_LOG_LENGTH, &length);
    printLog("SHADER INFO LOG FOR SHADER : ", shader.name, length, [&shader](GLint size, char* text) {
        glGetShaderInfoLog(shader.name, size, nullptr, text);
    });
}

void printShaderInfo(const VXShader& shader)
{
    printOpening();
    VXLog() << "PRINTING SHADER INFO FOR " << shader.name;
    VXLog() << "";
    GLint deleteStatus = 0;
    GLint compileStatus = 0;
    glGetShaderiv(shader.name, GL_DELETE_STATUS, &deleteStatus);
    glGetShaderiv(shader.name, GL_COMPILE_STATUS, &compileStatus);
    if (shader.type == GL_FRAGMENT_SHADER) {
        VXLog() << "SHADER TYPE: FRAGMENT SHADER";
    } else if (shader.type == GL_VERTEX_SHADER) {
        VXLog() << "SHADER TYPE: VERTEX SHADER";
    }
    VXLog() << "DELETE TYPE: " << statusText(deleteStatus, "DELETED", "NOT DELETED");
    VXLog() << "COMPILE TYPE: " << statusText(compileStatus, "SUCCESSFULLY COMPILED", "NOT SUCCESSFULLY COMPILED");
    VXLog() << "";
    printClosing();
}

void printProgramInfoLog(const VXShaderProgram& program)
{
    GLint length = 0;
    glGetProgramiv(program.name, GL_INFO_LOG_LENGTH, &length);
    printLog("PROGRAM INFO LOG FOR PROGRAM : ", program.name, length, [&program](GLint size, char* text) {
        glGetProgramInfoLog(program.name, size, nullptr, text);
    });
}

void printProgramInfo(const VXShaderProgram& program)
{
    const GLuint name = program.name;
    printOpening();
    VXLog() << "PRINTING PROGRAM INFO FOR " << name;
    VXLog() << "";

    GLint deleteStatus = 0;
    GLint linkStatus = 0;
    GLint validateStatus = 0;
    glGetProgramiv(name, GL_DELETE_STATUS, &deleteStatus);
    glGetProgramiv(name, GL_LINK_STATUS, &linkStatus);
    glGetProgramiv(name, GL_VALIDATE_STATUS, &validateStatus);
    VXLog() << "DELETE STATUS: " << statusText(deleteStatus, "DELETED", "NOT DELETED");
    VXLog() << "LINK STATUS: " << statusText(linkStatus, "SUCCESSFULLY LINKED", "NOT SUCCESSFULLY LINKED");
    VXLog() << "VALIDATE STATUS: "
            << statusText(validateStatus, "SUCCESSFULLY VALIDATED", "NOT SUCCESSFULLY VALIDATED");

    GLint attributeCount = 0;
    GLint uniformCount = 0;
    GLint attributeMaxLength = 0;
    GLint uniformMaxLength = 0;
    glGetProgramiv(name, GL_ACTIVE_ATTRIBUTES, &attributeCount);
    glGetProgramiv(name, GL_ACTIVE_UNIFORMS, &uniformCount);
    glGetProgramiv(name, GL_ACTIVE_ATTRIBUTE_MAX_LENGTH, &attributeMaxLength);
    glGetProgramiv(name, GL_ACTIVE_UNIFORM_MAX_LENGTH, &uniformMaxLength);

    VXLog() << "";
    VXLog() << "ATTRIBUTE INFORMATION : ";
    printActive("ATTRIBUTE NAME: ", attributeCount, attributeMaxLength,
                [name](GLuint i, GLsizei size, GLint* count, GLenum* type, char* text) {
                    glGetActiveAttrib(name, i, size, nullptr, count, type, text);
                });
    VXLog() << "";
    VXLog() << "UNIFORM INFORMATION: ";
    printActive("UNIFORM NAME: ", uniformCount, uniformMaxLength,
                [name](GLuint i, GLsizei size, GLint* count, GLenum* type, char* text) {
                    glGetActiveUniform(name, i, size, nullptr, count, type, text);
                });
    VXLog() << "";
    printRules();
}

int printAllShaderInfoLogs(const VXShaderProgram& program)
{
    for (const VXShader* shader : program.shaders) {
        printShaderInfoLog(*shader);
    }
    return static_cast<int>(program.shaders.size());
}

int printAllShaderInfo(const VXShaderProgram& program)
{
    for (const VXShader* shader : program.shaders) {
        printShaderInfo(*shader);
    }
    return static_cast<int>(program.shaders.size());
}

void printLibraryDiagnostics()
{
    printProgramInfoLog(*defaultRenderProgram);
    printProgramInfo(*defaultRenderProgram);
    printAllShaderInfoLogs(*defaultRenderProgram);
    printAllShaderInfo(*defaultRenderProgram);
    const VXShaderProgram* const programs[] = {horizontalGaussianBlurProgram, verticalGaussianBlurProgram,
                                               screenDebugDisplayProgram,     spotLightShadowMappingProgram,
                                               defaultRenderProgram,          screenRenderProgram};
    for (const VXShaderProgram* program : programs) {
        printProgramInfoLog(*program);
    }
}
