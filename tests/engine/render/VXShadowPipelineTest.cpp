#include "engine/core/VXScene.h"
#include "engine/render/VXLibrary.h"
#include "engine/render/VXOnScreenDefaultRender.h"
#include "engine/render/VXSpotShadowRender.h"

#include "support/TestWindow.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Flat squares at height y, as two triangles each, facing up.
struct Geometry {
    std::vector<float> positions;
    std::vector<float> normals;

    void addSquare(float x0, float z0, float x1, float z1, float y)
    {
        const float corners[6][2] = {{x0, z0}, {x1, z0}, {x1, z1}, {x0, z0}, {x1, z1}, {x0, z1}};
        for (const auto& corner : corners) {
            positions.insert(positions.end(), {corner[0], y, corner[1]});
            normals.insert(normals.end(), {0.0f, 1.0f, 0.0f});
        }
    }

    void draw(const VXShaderProgram& program) const
    {
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        glEnableVertexAttribArray(program.vertexLocation);
        glVertexAttribPointer(program.vertexLocation, 3, GL_FLOAT, GL_FALSE, 0, positions.data());
        if (program.normalLocation >= 0) {
            glEnableVertexAttribArray(program.normalLocation);
            glVertexAttribPointer(program.normalLocation, 3, GL_FLOAT, GL_FALSE, 0, normals.data());
        }
        glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(positions.size() / 3));
        glDisableVertexAttribArray(program.vertexLocation);
        if (program.normalLocation >= 0) {
            glDisableVertexAttribArray(program.normalLocation);
        }
    }
};

// The light sees the plane and the occluder above it.
class OccluderShadow : public VXSpotShadowRender {
public:
    explicit OccluderShadow(const Geometry& geometry) : geometry(geometry) {}

    void drawPass() override
    {
        view->stack.push();
        view->uploadModelViewProjection();
        view->uploadModelView();
        geometry.draw(*spotLightShadowMappingProgram);
        view->stack.pop();
    }

    const Geometry& geometry;
};

// The camera sees only the plane, so that nothing hides the shadow on it.
class PlaneRender : public VXOnScreenDefaultRender {
public:
    PlaneRender(VXScene* scene, const Geometry& plane) : scene(scene), plane(plane) {}

    void drawPass() override
    {
        applyScene(defaultRenderProgram, scene);
        const VXShaderProgram& program = *defaultRenderProgram;
        glUniform4f(program.ambientColourLocation, 1, 1, 1, 1);
        glUniform4f(program.diffuseColourLocation, 1, 1, 1, 1);
        glUniform4f(program.specularColourLocation, 0, 0, 0, 1);
        for (int unit = 0; unit < 2; ++unit) {
            glActiveTexture(GL_TEXTURE0 + unit);
            glBindTexture(GL_TEXTURE_2D, 0);
        }
        glUniform1i(program.diffuseTextureLocation, 0);
        glUniform1i(program.specularTextureLocation, 1);
        view.stack.push();
        view.uploadModelViewProjection();
        view.uploadModelView();
        plane.draw(program);
        view.stack.pop();
    }

    VXScene* scene;
    const Geometry& plane;
};

class VXShadowPipelineGL : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(openTestWindow());
        initializeLibrary("VXLibrary");
        plane.addSquare(-30, -30, 30, 30, 0);
        scene.addSquare(-30, -30, 30, 30, 0);
        // Seen from the light 30 units up, its shadow covers x -22..-10, z -6..6.
        scene.addSquare(-11, -3, -5, 3, 15);

        world.ambientColour = VXVec4(0.2f, 0.2f, 0.2f, 1);
        world.lights[0].createShadowMap(0, &shadow, 1.0f, 256, 256);
        world.lights[0].lookAt(0, 30, 0, 0, 0, 0, 0, 0, -1);
        world.lights[0].setPerspective(1.5f, 1.0f, 100.0f);
        world.lights[0].diffuseColour = VXVec4(0.75f, 0.75f, 0.75f, 1);
        world.lights[0].on = true;

        render.view.setProjection(0.7853982f, 800, 600, 1.0f, 1000.0f);
        render.view.lookAt(0, 80, 0, 0, 0, 0, 0, 0, -1);
        render.view.updateView();
        render.initialize();
    }

    void drawFrame()
    {
        world.drawShadowMaps();
        render.begin();
        render.drawPass();
        render.end();
    }

    // World point (x, 0, z) in window pixels: x right, -z up, 80 units below the camera.
    static TestPixel planePixel(float x, float z)
    {
        const float halfHeight = 33.137085f;
        return readTestPixel(static_cast<int>(400 + x / halfHeight * 300),
                             static_cast<int>(300 - z / halfHeight * 300));
    }

    Geometry plane;
    Geometry scene;
    VXScene world;
    OccluderShadow shadow{scene};
    PlaneRender render{&world, plane};
};

} // namespace

TEST_F(VXShadowPipelineGL, PlaneIsDarkerUnderTheOccluderThanBesideIt)
{
    drawFrame();
    const TestPixel shaded = planePixel(-16, 0);
    const TestPixel lit = planePixel(16, 0);
    const TestPixel litNear = planePixel(-16, 12);
    // Ambient alone is 0.2 (51); the light adds 0.75 on the unshadowed plane.
    EXPECT_NEAR(51, shaded.r, 12);
    EXPECT_GT(lit.r, 200);
    EXPECT_GT(litNear.r, 200);
}

TEST_F(VXShadowPipelineGL, ClearedShadowMapDoesNotShadow)
{
    // A map that holds only the clear value (nothing drawn, or never rendered) lights everything.
    world.lights[0].shadowRender->VXRender::begin();
    render.begin();
    render.drawPass();
    render.end();
    const TestPixel below = planePixel(-16, 0);
    const TestPixel beside = planePixel(16, 0);
    EXPECT_GT(below.r, 200);
    EXPECT_GT(beside.r, 200);
}
