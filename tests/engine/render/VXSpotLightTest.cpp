#include "engine/core/VXScene.h"
#include "engine/render/VXLibrary.h"
#include "engine/render/VXOnScreenDefaultRender.h"
#include "engine/render/VXSpotLight.h"
#include "engine/render/VXSpotShadowRender.h"

#include "support/TestWindow.h"

#include <gtest/gtest.h>

namespace {

class VXSpotLightGL : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(openTestWindow());
        initializeLibrary("VXLibrary");
        defaultRenderProgram->use();
    }

    GLint isOn(int light)
    {
        GLint value = -7;
        glGetUniformiv(defaultRenderProgram->name, defaultRenderProgram->spotLights[light][VXUniformTable::isOn],
                       &value);
        return value;
    }

    void setIsOn(int light, int value)
    {
        glUniform1i(defaultRenderProgram->spotLights[light][VXUniformTable::isOn], value);
    }

    GLuint textureOnUnit(int unit)
    {
        GLint name = -1;
        glActiveTexture(GL_TEXTURE0 + unit);
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
        return static_cast<GLuint>(name);
    }
};

// Counts its runs and draws nothing.
class CountingShadowRender : public VXSpotShadowRender {
public:
    void drawPass() override { ++runs; }
    int runs = 0;
};

void aimDown(VXSpotLight& light)
{
    light.lookAt(0, 30, 0, 0, 0, 0, 0, 0, -1);
    light.setPerspective(1.5f, 1.0f, 100.0f);
}

void lookFromAbove(VXViewState& view)
{
    view.setProjection(0.7853982f, 800, 600, 1.0f, 1000.0f);
    view.lookAt(0, 80, 0, 0, 0, 0, 0, 0, -1);
    view.updateView();
}

} // namespace

TEST_F(VXSpotLightGL, ShadowedLightThatIsOffLeavesItsMapUnbound)
{
    VXSpotShadowRender pass;
    VXSpotLight light;
    light.createShadowMap(0, &pass, 1.0f, 64, 64);
    aimDown(light);
    glActiveTexture(GL_TEXTURE4);
    glBindTexture(GL_TEXTURE_2D, 0);

    VXViewState viewer;
    lookFromAbove(viewer);
    setIsOn(0, 1);
    light.uploadUniforms(*defaultRenderProgram, viewer);
    EXPECT_EQ(0, isOn(0));
    EXPECT_EQ(0u, textureOnUnit(4));
}

TEST_F(VXSpotLightGL, LitShadowedLightUploadsColoursMapAndMatrices)
{
    VXSpotShadowRender pass;
    VXSpotLight light;
    light.createShadowMap(3, &pass, 1.0f, 64, 64);
    aimDown(light);
    light.on = true;
    light.diffuseColour = VXVec4(0.75f, 0.5f, 0.25f, 1);
    light.specularColour = VXVec4(0.125f, 0.25f, 0.5f, 1);

    VXViewState viewer;
    lookFromAbove(viewer);
    light.uploadUniforms(*defaultRenderProgram, viewer);

    const VXUniformTable& slot = defaultRenderProgram->spotLights[3];
    const GLuint program = defaultRenderProgram->name;
    EXPECT_EQ(1, isOn(3));
    GLfloat v[16];
    glGetUniformfv(program, slot[VXUniformTable::diffuseColour], v);
    EXPECT_EQ(0.5f, v[1]);
    glGetUniformfv(program, slot[VXUniformTable::specularColour], v);
    EXPECT_EQ(0.125f, v[0]);
    // The light at (0, 30, 0) is 50 units in front of the camera at (0, 80, 0).
    glGetUniformfv(program, slot[VXUniformTable::eyeSpaceLightPosition], v);
    EXPECT_NEAR(0.0f, v[0], 1e-4f);
    EXPECT_NEAR(0.0f, v[1], 1e-4f);
    EXPECT_NEAR(-50.0f, v[2], 1e-4f);
    EXPECT_NEAR(1.0f, v[3], 1e-6f);
    glGetUniformfv(program, slot[VXUniformTable::changeOfViewProjectionMatrix], v);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(light.lightView.lightChange[i], v[i]) << "element " << i;
    }
    GLint unit = -1;
    glGetUniformiv(program, slot[VXUniformTable::shadowMap], &unit);
    EXPECT_EQ(4, unit);
    EXPECT_EQ(light.shadowMap.name, textureOnUnit(4));
}

TEST_F(VXSpotLightGL, ShadowMapsRenderOnlyForLightsThatAreOnAndShadowed)
{
    VXScene scene;
    CountingShadowRender shadowed;
    CountingShadowRender dark;
    scene.lights[0].createShadowMap(0, &shadowed, 1.0f, 32, 32);
    scene.lights[1].createShadowMap(1, nullptr, 1.0f, 32, 32);
    scene.lights[2].createShadowMap(2, &dark, 1.0f, 32, 32);
    for (VXSpotLight& light : scene.lights) {
        aimDown(light);
    }
    scene.drawShadowMaps();
    EXPECT_EQ(0, shadowed.runs);
    EXPECT_EQ(0, dark.runs);
    EXPECT_FALSE(scene.lights[0].shadowMapDrawn);

    scene.lights[0].on = true;
    scene.lights[1].on = true;
    scene.drawShadowMaps();
    EXPECT_EQ(1, shadowed.runs);
    EXPECT_EQ(0, dark.runs);
    // Only a map that was rendered counts as drawn; a new map is empty again.
    EXPECT_TRUE(scene.lights[0].shadowMapDrawn);
    EXPECT_FALSE(scene.lights[1].shadowMapDrawn);
    EXPECT_FALSE(scene.lights[2].shadowMapDrawn);
    // The map was cleared, blurred and given its mipmap chain.
    GLint levelWidth = 0;
    glBindTexture(GL_TEXTURE_2D, scene.lights[0].shadowMap.name);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 5, GL_TEXTURE_WIDTH, &levelWidth);
    EXPECT_EQ(1, levelWidth);
    scene.lights[0].createShadowMap(0, &shadowed, 1.0f, 32, 32);
    EXPECT_FALSE(scene.lights[0].shadowMapDrawn);
}

TEST_F(VXSpotLightGL, SceneUploadsItsAmbientColourAndTheOffFlagOfUnshadowedLights)
{
    VXScene scene;
    scene.ambientColour = VXVec4(0.5f, 0.25f, 0.125f, 1);
    for (int i = 0; i < 4; ++i) {
        scene.lights[i].on = true;
        setIsOn(i, 1);
    }
    // Light 2 never gets its slot, so it has nothing to send.
    for (int i : {0, 1, 3}) {
        scene.lights[i].createShadowMap(i, nullptr, 1.0f, 32, 32);
        scene.lights[i].diffuseColour = VXVec4(1, 1, 1, 1);
    }
    VXViewState viewer;
    lookFromAbove(viewer);
    scene.uploadLights(defaultRenderProgram, &viewer);

    GLfloat value[4] = {-1, -1, -1, -1};
    glGetUniformfv(defaultRenderProgram->name, defaultRenderProgram->lightAmbientColourLocation, value);
    EXPECT_EQ(0.25f, value[1]);
    EXPECT_EQ(0, isOn(0));
    EXPECT_EQ(0, isOn(1));
    EXPECT_EQ(1, isOn(2));
    EXPECT_EQ(0, isOn(3));
    glGetUniformfv(defaultRenderProgram->name, defaultRenderProgram->spotLights[1][VXUniformTable::diffuseColour],
                   value);
    EXPECT_EQ(0.0f, value[0]);
}
