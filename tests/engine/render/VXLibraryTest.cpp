#include "engine/core/VXLog.h"
#include "engine/render/VXLibrary.h"

#include "engine/model/VXOBJData.h"

#include "support/TestWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class VXLibraryGL : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(openTestWindow());
        VXLogCapture logged;
        initializeLibrary("VXLibrary");
        output = logged.text();
    }

    std::string output;
};

struct NamedProgram {
    const char* name;
    VXShaderProgram* program;
};

std::vector<NamedProgram> allPrograms()
{
    return {{"horizontal blur", horizontalGaussianBlurProgram},
            {"vertical blur", verticalGaussianBlurProgram},
            {"screen debug display", screenDebugDisplayProgram},
            {"spot light shadow mapping", spotLightShadowMappingProgram},
            {"default render", defaultRenderProgram},
            {"screen render", screenRenderProgram}};
}

std::string shaderLog(GLuint shader)
{
    char log[4096] = {0};
    glGetShaderInfoLog(shader, sizeof log, nullptr, log);
    return log;
}

std::string programLog(GLuint program)
{
    char log[4096] = {0};
    glGetProgramInfoLog(program, sizeof log, nullptr, log);
    return log;
}

} // namespace

TEST_F(VXLibraryGL, SetsUpSamplersAndTheScreenQuadAfterAnnouncingItself)
{
    EXPECT_EQ(0u, output.find("INITIALIZING\n"));
    EXPECT_EQ(GL_REPEAT, repeatLinearSampler.wrapS);
    EXPECT_EQ(GL_LINEAR, repeatLinearSampler.minFilter);
    EXPECT_EQ(GL_CLAMP, clampLinearSampler.wrapT);
    const float corners[8] = {-1, -1, 1, -1, 1, 1, -1, 1};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(corners[i], screenQuadCorners[i]);
    }
}

TEST_F(VXLibraryGL, EverySixProgramsCompilesAndLinksFromTheShippedSources)
{
    for (const NamedProgram& entry : allPrograms()) {
        SCOPED_TRACE(entry.name);
        ASSERT_NE(nullptr, entry.program);
        ASSERT_EQ(2u, entry.program->shaders.size());
        EXPECT_EQ(static_cast<GLenum>(GL_VERTEX_SHADER), entry.program->shaders[0]->type);
        EXPECT_EQ(static_cast<GLenum>(GL_FRAGMENT_SHADER), entry.program->shaders[1]->type);
        for (const VXShader* shader : entry.program->shaders) {
            EXPECT_FALSE(shader->lines.empty());
            GLint compiled = 0;
            glGetShaderiv(shader->name, GL_COMPILE_STATUS, &compiled);
            EXPECT_EQ(GL_TRUE, compiled) << shaderLog(shader->name);
        }
        ASSERT_NE(0u, entry.program->name);
        GLint linked = 0;
        glGetProgramiv(entry.program->name, GL_LINK_STATUS, &linked);
        EXPECT_EQ(GL_TRUE, linked) << programLog(entry.program->name);
        // Immediate-mode quads emit vertices only through attribute 0.
        EXPECT_EQ(0, entry.program->vertexLocation);
    }
}

TEST_F(VXLibraryGL, TextureProgramsHaveTheLocationsOfTheirPasses)
{
    for (VXShaderProgram* blur : {horizontalGaussianBlurProgram, verticalGaussianBlurProgram}) {
        EXPECT_NE(-1, blur->textureInputLocation);
        EXPECT_NE(-1, blur->uniformLocation("vx_gaussian_density_distribution", -1));
        EXPECT_EQ(0, blur->attributeLocation("vx_vertex", -1));
        // A non-negative index names the array element.
        EXPECT_EQ(blur->uniformLocation("vx_gaussian_density_distribution", -1),
                  blur->uniformLocation("vx_gaussian_density_distribution", 0));
    }
    EXPECT_NE(-1, screenDebugDisplayProgram->textureInputLocation);

    EXPECT_NE(-1, screenRenderProgram->textureCoordinateLocation);
    EXPECT_NE(-1, screenRenderProgram->textureInputLocation);
    EXPECT_NE(-1, screenRenderProgram->colourInputLocation);

    EXPECT_NE(-1, spotLightShadowMappingProgram->modelViewProjectionLocation);
    EXPECT_NE(-1, spotLightShadowMappingProgram->modelViewLocation);
}

TEST_F(VXLibraryGL, LitProgramHasEveryLocationOfModelsViewsAndLights)
{
    const VXShaderProgram& lit = *defaultRenderProgram;
    EXPECT_NE(-1, lit.normalLocation);
    EXPECT_NE(-1, lit.textureCoordinateLocation);
    EXPECT_NE(-1, lit.modelViewProjectionLocation);
    EXPECT_NE(-1, lit.modelViewLocation);
    EXPECT_NE(-1, lit.lightAmbientColourLocation);
    EXPECT_NE(-1, lit.diffuseTextureLocation);
    EXPECT_NE(-1, lit.specularTextureLocation);
    EXPECT_NE(-1, lit.ambientColourLocation);
    EXPECT_NE(-1, lit.diffuseColourLocation);
    EXPECT_NE(-1, lit.specularColourLocation);
    for (int light = 0; light < 4; ++light) {
        for (int entry = 0; entry < 6; ++entry) {
            EXPECT_NE(-1, lit.spotLights[light][entry]) << "light " << light << " entry " << entry;
        }
    }
    EXPECT_EQ(lit.spotLights[2][VXUniformTable::isOn], lit.uniformLocation("vx_spot_light[2].is_on", -1));
}

TEST_F(VXLibraryGL, LoadsTheTwoDefaultModelsAfterThePrograms)
{
    ASSERT_NE(nullptr, cubeBackgroundModel);
    ASSERT_NE(nullptr, markerModel);
    EXPECT_EQ(24, cubeBackgroundModel->vertexCount);
    EXPECT_NE(0u, cubeBackgroundModel->vertexBuffer.buffer);
    ASSERT_EQ(1u, markerModel->dataSet.blocks.size());
    EXPECT_EQ("vx_object_marker", markerModel->dataSet.blocks[0].material.name);
    EXPECT_EQ(24, markerModel->dataSet.blocks[0].indexCount);
    // Each model's MTL reader reports its end; nothing else is printed.
    EXPECT_EQ("INITIALIZING\nFinished Parsing File\nFinished Parsing File\n", output);
}
