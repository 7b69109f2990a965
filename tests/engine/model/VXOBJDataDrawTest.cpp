#include "engine/core/VXLog.h"
#include "engine/core/VXScene.h"
#include "engine/model/VXOBJData.h"
#include "engine/render/VXLibrary.h"
#include "engine/render/VXOnScreenDefaultRender.h"
#include "engine/render/VXSpotShadowRender.h"

#include "support/TestWindow.h"

#include <gtest/gtest.h>

namespace {

class ModelRender : public VXOnScreenDefaultRender {
public:
    ModelRender(VXScene* scene, VXOBJData* model) : scene(scene), model(model) {}

    void drawPass() override
    {
        applyScene(defaultRenderProgram, scene);
        view.stack.push();
        view.uploadModelViewProjection();
        view.uploadModelView();
        if (material != nullptr) {
            model->drawWithMaterial(defaultRenderProgram, material);
        } else {
            model->draw(defaultRenderProgram);
        }
        view.stack.pop();
    }

    VXScene* scene;
    VXOBJData* model;
    // When set, drawn instead of the blocks' own materials.
    VXOBJMaterial* material = nullptr;
};

// The test bench's set-up: its model ("test.obj": a cube of edge 16 at the
// origin before a backdrop), seen from z 100 and lit by light 0 from z 30.
// The shadow pass is never run, so the shadow map holds no occluder.
class VXOBJDataDrawGL : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(openTestWindow());
        {
            VXLogCapture quiet;
            initializeLibrary("VXLibrary");
            model.parseFile("test.obj");
        }

        scene.ambientColour = VXVec4(0.5f, 0.5f, 0.5f, 1);
        VXSpotLight& light = scene.lights[0];
        light.createShadowMap(0, &shadow, 1.0f, 512, 512);
        light.lookAt(0, 0, 30, 0, 0, 0, 0, -1, 0);
        light.setPerspective(2.3561945f, 1, 1000);
        light.diffuseColour = VXVec4(0.75f, 0.75f, 0.75f, 1);
        light.specularColour = VXVec4(0.75f, 0.75f, 0.75f, 1);

        render.view.setProjection(0.7853982f, 800, 600, 1, 10000);
        render.view.lookAt(0, 0, 100, 0, 0, 0, 0, 1, 0);
        render.view.updateView();
        render.initialize();
    }

    // The middle of the cube's front face.
    TestPixel drawCube(bool lightOn)
    {
        scene.lights[0].on = lightOn;
        render.begin();
        render.drawPass();
        const TestPixel pixel = readTestPixel(400, 300);
        render.end();
        return pixel;
    }

    VXOBJData model;
    VXScene scene;
    VXSpotShadowRender shadow;
    ModelRender render{&scene, &model};
};

int brightness(const TestPixel& pixel)
{
    return pixel.r + pixel.g + pixel.b;
}

} // namespace

TEST_F(VXOBJDataDrawGL, LightZeroVisiblyLightsTheCube)
{
    const TestPixel lit = drawCube(true);
    const TestPixel unlit = drawCube(false);
    // The clear colour is black; the block material is orange.
    EXPECT_GT(brightness(unlit), 0);
    EXPECT_GT(lit.r, lit.b);
    EXPECT_GT(brightness(lit), brightness(unlit) + 60);
}

TEST_F(VXOBJDataDrawGL, OneMaterialForEveryBlockColoursTheWholeModel)
{
    VXOBJMaterial blue("blue");
    blue.ambient = VXVec4(0, 0, 0.5f, 1);
    blue.diffuse = VXVec4(0, 0, 1, 1);
    blue.specular = VXVec4(0, 0, 0, 1);
    render.material = &blue;
    scene.lights[0].on = true;
    render.begin();
    render.drawPass();
    const TestPixel cube = readTestPixel(400, 300);
    const TestPixel backdrop = readTestPixel(400, 30);
    render.end();
    EXPECT_GT(cube.b, cube.r);
    EXPECT_GT(backdrop.b, backdrop.r);
}
