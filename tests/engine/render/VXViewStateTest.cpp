#include "engine/render/VXViewState.h"

#include "support/TestWindow.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void expectColumn(const VXMat4& m, int column, float x, float y, float z, float w)
{
    EXPECT_NEAR(x, m[4 * column + 0], 1e-6f) << "column " << column;
    EXPECT_NEAR(y, m[4 * column + 1], 1e-6f) << "column " << column;
    EXPECT_NEAR(z, m[4 * column + 2], 1e-6f) << "column " << column;
    EXPECT_NEAR(w, m[4 * column + 3], 1e-6f) << "column " << column;
}

VXVec4 apply(const VXMat4& m, float x, float y, float z)
{
    return VXMat4::multiply(m, VXVec4(x, y, z, 1.0f));
}

// The uploads call GL, so they need a context even with every location -1.
class VXViewStateGL : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(openTestWindow()); }
};

} // namespace

TEST(VXViewState, CameraOnThePositiveZAxisLooksDownMinusZ)
{
    VXViewState view;
    view.lookAt(0, 0, 10, 0, 0, 0, 0, 1, 0);
    view.updateView();

    expectColumn(view.camera.cameraToWorld, 0, 1, 0, 0, 0);
    expectColumn(view.camera.cameraToWorld, 1, 0, 1, 0, 0);
    expectColumn(view.camera.cameraToWorld, 2, 0, 0, 1, 0);
    expectColumn(view.camera.cameraToWorld, 3, 0, 0, 10, 1);

    // The view is a translation by (0, 0, -10).
    expectColumn(view.camera.view, 0, 1, 0, 0, 0);
    expectColumn(view.camera.view, 1, 0, 1, 0, 0);
    expectColumn(view.camera.view, 2, 0, 0, 1, 0);
    expectColumn(view.camera.view, 3, 0, 0, -10, 1);
}

TEST(VXViewState, UpIsOrthonormalisedAgainstTheViewingDirection)
{
    VXViewState view;
    view.lookAt(0, 0, 10, 0, 0, 0, 0, 1, 1);
    view.updateView();
    EXPECT_NEAR(0.0f, view.camera.up.x(), 1e-6f);
    EXPECT_NEAR(1.0f, view.camera.up.y(), 1e-6f);
    EXPECT_NEAR(0.0f, view.camera.up.z(), 1e-6f);
    EXPECT_EQ(1.0f, view.camera.up.w());
}

TEST(VXViewState, ObliqueCameraMapsItsTargetOntoTheMinusZAxisAndInvertsExactly)
{
    VXViewState view;
    view.lookAt(30, 40, -20, 5, 0, 10, 0, 1, 0);
    view.updateView();

    const VXVec4 target = apply(view.camera.view, 5, 0, 10);
    const float distance = std::sqrt(25.0f * 25.0f + 40.0f * 40.0f + 30.0f * 30.0f);
    EXPECT_NEAR(0.0f, target.x(), 1e-4f);
    EXPECT_NEAR(0.0f, target.y(), 1e-4f);
    EXPECT_NEAR(-distance, target.z(), 1e-4f);

    const VXMat4 identity = view.camera.view * view.camera.cameraToWorld;
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(i % 5 == 0 ? 1.0f : 0.0f, identity[i], 1e-5f) << "element " << i;
    }
}

TEST_F(VXViewStateGL, LightChangeTakesTheViewersEyeSpaceToTheLightsClipSpace)
{
    VXViewState viewer;
    viewer.lookAt(0, 50, 50, 0, 0, 0, 0, 1, 0);
    viewer.updateView();

    VXViewState light;
    light.lookAt(0, 30, 0, 0, 0, 0, 0, 0, -1);
    light.setProjection(1.5f, 256, 256, 1.0f, 100.0f);
    light.updateView();
    light.uploadLightView(viewer.camera);

    // A world point seen by the viewer lands where the light itself projects it.
    const VXVec4 world(7, 3, -4, 1);
    const VXVec4 eye = VXMat4::multiply(viewer.camera.view, world);
    const VXVec4 throughViewer = VXMat4::multiply(light.lightChange, eye);
    const VXVec4 direct = VXMat4::multiply(light.viewProjection, world);
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(direct[i], throughViewer[i], 1e-3f) << "component " << i;
    }
}
