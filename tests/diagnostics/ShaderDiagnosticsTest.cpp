#include "diagnostics/ShaderDiagnostics.h"

#include "engine/core/VXLog.h"
#include "support/TempDir.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string dash(100, '-');
const std::string zero(100, '0');
const std::string opening = "\n" + dash + "\n" + zero + "\n" + dash + "\n";
const std::string closing = dash + "\n" + zero + "\n" + dash + "\n\n";

// GL receives the lines joined without line ends, so no line may rely on one.
const char* const probeVertex =
    "attribute vec4 vx_vertex;\n"
    "attribute vec3 vx_normal;\n"
    "attribute vec2 vx_texture_coordinate;\n"
    "uniform mat4 probe_mat4;\n"
    "uniform mat3 probe_mat3;\n"
    "uniform mat2 probe_mat2;\n"
    "uniform float probe_float;\n"
    "varying vec2 uv;\n"
    "void main() {\n"
    "  uv = vx_texture_coordinate + (probe_mat2 * vx_normal.xy) * probe_float + (probe_mat3 * vx_normal).xy;\n"
    "  gl_Position = probe_mat4 * vx_vertex;\n"
    "}\n";
const char* const probeFragment =
    "uniform sampler2D probe_texture;\n"
    "uniform vec4 probe_vec4;\n"
    "uniform vec3 probe_vec3;\n"
    "uniform vec2 probe_vec2;\n"
    "varying vec2 uv;\n"
    "void main() {\n"
    "  gl_FragColor = texture2D(probe_texture, uv + probe_vec2) * probe_vec4 + vec4(probe_vec3, 0.0);\n"
    "}\n";
const char* const brokenFragment = "void main() { gl_FragColor = undeclared_colour; }\n";

class ShaderDiagnosticsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(openTestWindow()); }

    VXShaderProgram build(const char* vertex, const char* fragment)
    {
        VXShaderProgram program;
        program.attachVertexShader(files.write("probe.vs", vertex));
        program.attachFragmentShader(files.write("probe.fs", fragment));
        program.link();
        return program;
    }

    // What `print` writes to the log.
    template <typename Print>
    static std::string output(Print print)
    {
        VXLogCapture logged;
        print();
        return logged.text();
    }

    static std::string entry(const std::string& label, const std::string& name, const std::string& type)
    {
        return label + name + "\n\tSIZE: 1\n\tGL TYPE: " + type + "\n";
    }

    TempDir files;
};

} // namespace

TEST_F(ShaderDiagnosticsTest, ProgramInfoListsStatusesAttributesAndUniformsWithTheirTypes)
{
    VXShaderProgram program = build(probeVertex, probeFragment);
    const std::string text = output([&] { printProgramInfo(program); });
    const std::string name = std::to_string(program.name);

    EXPECT_EQ(text.rfind(opening + "PRINTING PROGRAM INFO FOR " + name + "\n\n" +
                             "DELETE STATUS: NOT DELETED\nLINK STATUS: SUCCESSFULLY LINKED\n"
                             "VALIDATE STATUS: NOT SUCCESSFULLY VALIDATED\n\nATTRIBUTE INFORMATION : \n",
                         0),
              0u)
        << text;
    // The closing rules without the empty line that other blocks end with.
    const std::string ending = "\n\n" + dash + "\n" + zero + "\n" + dash + "\n";
    ASSERT_GE(text.size(), ending.size());
    EXPECT_EQ(text.substr(text.size() - ending.size()), ending) << text;

    EXPECT_NE(text.find(entry("ATTRIBUTE NAME: ", "vx_vertex", "GL FLOAT VEC 4")), std::string::npos) << text;
    EXPECT_NE(text.find(entry("ATTRIBUTE NAME: ", "vx_normal", "GL FLOAT VEC 3")), std::string::npos) << text;
    EXPECT_NE(text.find(entry("ATTRIBUTE NAME: ", "vx_texture_coordinate", "GL FLOAT VEC 2")), std::string::npos)
        << text;
    const std::string uniforms = text.substr(text.find("\nUNIFORM INFORMATION: \n"));
    EXPECT_NE(uniforms.find(entry("UNIFORM NAME: ", "probe_texture", "UNRECOGNIZED TYPE")), std::string::npos)
        << text;
    EXPECT_NE(uniforms.find(entry("UNIFORM NAME: ", "probe_mat4", "GL MAT 4")), std::string::npos) << text;
    EXPECT_NE(uniforms.find(entry("UNIFORM NAME: ", "probe_mat3", "GL MAT 3")), std::string::npos) << text;
    EXPECT_NE(uniforms.find(entry("UNIFORM NAME: ", "probe_mat2", "GL MAT 2")), std::string::npos) << text;
    EXPECT_NE(uniforms.find(entry("UNIFORM NAME: ", "probe_float", "GL FLOAT")), std::string::npos) << text;
    EXPECT_NE(uniforms.find(entry("UNIFORM NAME: ", "probe_vec4", "GL FLOAT VEC 4")), std::string::npos) << text;
    EXPECT_NE(uniforms.find(entry("UNIFORM NAME: ", "probe_vec3", "GL FLOAT VEC 3")), std::string::npos) << text;
    EXPECT_NE(uniforms.find(entry("UNIFORM NAME: ", "probe_vec2", "GL FLOAT VEC 2")), std::string::npos) << text;
}

TEST_F(ShaderDiagnosticsTest, CleanShadersReportTheirTypeAndCompileStatusInListOrder)
{
    VXShaderProgram program = build(probeVertex, probeFragment);
    int count = 0;
    const std::string text = output([&] { count = printAllShaderInfo(program); });
    EXPECT_EQ(count, 2);
    const std::string vertex = std::to_string(program.shaders[0]->name);
    const std::string fragment = std::to_string(program.shaders[1]->name);
    const std::string status = "DELETE TYPE: NOT DELETED\nCOMPILE TYPE: SUCCESSFULLY COMPILED\n\n";
    EXPECT_EQ(text, opening + "PRINTING SHADER INFO FOR " + vertex + "\n\nSHADER TYPE: VERTEX SHADER\n" + status +
                        closing + opening + "PRINTING SHADER INFO FOR " + fragment +
                        "\n\nSHADER TYPE: FRAGMENT SHADER\n" + status + closing);
}

TEST_F(ShaderDiagnosticsTest, InfoLogsFrameTheDriversTextBetweenDashRules)
{
    VXShaderProgram program = build(probeVertex, brokenFragment);
    const VXShader& broken = *program.shaders[1];
    const std::string text = output([&] { printShaderInfoLog(broken); });
    const std::string heading = opening + "SHADER INFO LOG FOR SHADER : " + std::to_string(broken.name) + "\n\n";
    ASSERT_EQ(text.rfind(heading + "LENGTH : ", 0), 0u) << text;
    const int length = std::stoi(text.substr(heading.size() + 9));
    EXPECT_GT(length, 0);
    const std::size_t logStart = text.find("\n\n" + dash + "\n") + dash.size() + 3;
    const std::size_t logEnd = text.rfind(dash + "\n\n" + closing);
    ASSERT_LT(logStart, logEnd) << text;
    EXPECT_NE(text.substr(logStart, logEnd - logStart).find("undeclared_colour"), std::string::npos) << text;
    EXPECT_EQ(text.size(), logEnd + dash.size() + 2 + closing.size());

    const std::string status = output([&] { printShaderInfo(broken); });
    EXPECT_NE(status.find("SHADER TYPE: FRAGMENT SHADER\nDELETE TYPE: NOT DELETED\n"
                          "COMPILE TYPE: NOT SUCCESSFULLY COMPILED\n"),
              std::string::npos)
        << status;
    const std::string programStatus = output([&] { printProgramInfo(program); });
    EXPECT_NE(programStatus.find("LINK STATUS: NOT SUCCESSFULLY LINKED\n"), std::string::npos);
    EXPECT_NE(programStatus.find("ATTRIBUTE INFORMATION : \n\nUNIFORM INFORMATION: \n\n"), std::string::npos)
        << programStatus;
}

TEST_F(ShaderDiagnosticsTest, AnEmptyLogPrintsNoTextBetweenTheRules)
{
    VXShaderProgram program = build(probeVertex, probeFragment);
    GLint length = -1;
    glGetProgramiv(program.name, GL_INFO_LOG_LENGTH, &length);
    if (length != 0) {
        GTEST_SKIP() << "this driver writes a log for a clean link";
    }
    const std::string text = output([&] { printProgramInfoLog(program); });
    EXPECT_EQ(text, opening + "PROGRAM INFO LOG FOR PROGRAM : " + std::to_string(program.name) +
                        "\n\nLENGTH : 0\n\n" + dash + "\n" + dash + "\n\n" + closing);
    int count = 0;
    output([&] { count = printAllShaderInfoLogs(program); });
    EXPECT_EQ(count, 2);
}
