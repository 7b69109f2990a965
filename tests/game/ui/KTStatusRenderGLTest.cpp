#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "engine/core/VXLog.h"
#include "engine/render/VXLibrary.h"
#include "game/level/KTLevelScene.h"
#include "game/objects/KTMainCharacter.h"
#include "game/ui/KTStatusRender.h"
#include "support/TestWindow.h"
#include "tests/game/ui/StatusTextures.h"

namespace {

// The HUD pass over a black window, read back pixel by pixel.
class StatusRenderGL : public ::testing::Test {
protected:
    StatusTextures textures;
    KTLevelScene scene;
    KTMainCharacter player;
    KTStatusRender pass;

    void SetUp() override
    {
        ASSERT_TRUE(openTestWindow());
        initializeLibrary("VXLibrary");
        scene.player = &player;
    }

    void setUpPass()
    {
        pass.create();
        pass.scene = &scene;
        pass.initialize();
    }

    void drawFrame()
    {
        glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        pass.begin();
        pass.drawPass();
        pass.end();
    }

    static void expectPixel(int x, int y, int r, int g, int b, const char* what)
    {
        const TestPixel p = readTestPixel(x, y);
        EXPECT_NEAR(p.r, r, 2) << what << " at " << x << ", " << y;
        EXPECT_NEAR(p.g, g, 2) << what << " at " << x << ", " << y;
        EXPECT_NEAR(p.b, b, 2) << what << " at " << x << ", " << y;
    }
};

} // namespace

TEST_F(StatusRenderGL, PlayShowsTheHeartAndTheThreeCountersAtTheirPlaces)
{
    textures.installSolid();
    setUpPass();
    scene.menuMode = false;
    player.health = 4;
    player.greyAmmo = 7;
    player.destroyAmmo = 42;
    player.redAmmo = 999;
    drawFrame();

    // The heart, centred at (-0.8, 0.8): pixel (80, 540), about 80 pixels square.
    expectPixel(80, 540, StatusTextures::heartRed(3), 255, 255, "full heart, white");
    expectPixel(80, 540 + 50, 0, 0, 0, "above the heart");
    expectPixel(80 + 50, 540, 0, 0, 0, "right of the heart");
    // Grey counter in blue, rows 570..600; destroy in grey, 540..570; red in orange, 510..540.
    expectPixel(750, 585, 0, 0, StatusTextures::digitBlue(0), "grey hundreds");
    expectPixel(790, 585, 0, 0, StatusTextures::digitBlue(7), "grey ones");
    expectPixel(770, 555, StatusTextures::digitRed(4) / 2, 100, StatusTextures::digitBlue(4) / 2, "destroy tens");
    expectPixel(790, 555, StatusTextures::digitRed(2) / 2, 100, StatusTextures::digitBlue(2) / 2, "destroy ones");
    expectPixel(750, 525, StatusTextures::digitRed(9), 100, 0, "red hundreds");
    expectPixel(730, 525, 0, 0, 0, "left of the counters");
    expectPixel(790, 505, 0, 0, 0, "below the counters");

    // No health: the quarter heart, tinted red.
    player.health = 0;
    drawFrame();
    expectPixel(80, 540, StatusTextures::heartRed(0), 0, 0, "fourth heart, red");
}

TEST_F(StatusRenderGL, MenuModeShowsThePageAndTheHighlightOverTheItem)
{
    textures.installSolid();
    setUpPass();
    scene.menuMode = true;
    scene.menuPage = 0;
    // Main page, item 1: the bar from y 0.01 to 0.16, rows 303..348.
    scene.highlightFirst = VXVec4(-1.0f, 0.01f, 0.0f, 1.0f);
    scene.highlightSecond = VXVec4(1.0f, 0.16f, 0.0f, 1.0f);
    drawFrame();
    expectPixel(400, 200, StatusTextures::pageRed(0), 40, 80, "page 0 outside the highlight");
    expectPixel(400, 325, 128, 148, 168, "half-white highlight over the page");
    expectPixel(10, 346, 128, 148, 168, "highlight's top-left");
    expectPixel(10, 351, StatusTextures::pageRed(0), 40, 80, "just above the highlight");
    // No heart or counters in menu mode.
    expectPixel(790, 585, StatusTextures::pageRed(0), 40, 80, "no counter");

    scene.menuPage = 10;
    scene.highlightFirst = VXVec4(-1.0f, -1.0f, 0.0f, 1.0f);
    scene.highlightSecond = VXVec4(1.0f, -0.34f, 0.0f, 1.0f);
    drawFrame();
    expectPixel(400, 100, StatusTextures::pageRed(10), 40, 80, "title page: no highlight");
}

TEST_F(StatusRenderGL, TheGeneratedTitlePageShowsPixelForPixel)
{
    {
        VXLogCapture quiet;
        textures.installGenerated();
    }
    const VXTexture& title = *assets().menuPages[10];
    ASSERT_NE(title.name, 0u) << "the generated title page is missing";
    ASSERT_EQ(title.width, 800);
    ASSERT_EQ(title.height, 600);
    setUpPass();
    scene.menuMode = true;
    scene.menuPage = 10;
    drawFrame();

    const int channels = title.format == GL_RGBA ? 4 : 3;
    const std::vector<unsigned char> image = readTexture(title, channels == 4 ? GL_RGBA : GL_RGB, channels);
    int compared = 0;
    for (int y = 5; y < 600; y += 37) {
        for (int x = 3; x < 800; x += 41) {
            // The image's first row is the window's top row.
            const unsigned char* texel = &image[(static_cast<size_t>(599 - y) * 800 + x) * channels];
            const TestPixel p = readTestPixel(x, y);
            ASSERT_NEAR(p.r, texel[0], 2) << x << ", " << y;
            ASSERT_NEAR(p.g, texel[1], 2) << x << ", " << y;
            ASSERT_NEAR(p.b, texel[2], 2) << x << ", " << y;
            ++compared;
        }
    }
    EXPECT_GT(compared, 300);
}
