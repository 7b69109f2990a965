#include <gtest/gtest.h>

#include <SDL.h>

#include <string>
#include <vector>

#include "engine/core/VXLog.h"
#include "engine/math/VXMat4.h"
#include "engine/model/VXOBJData.h"
#include "engine/render/VXLibrary.h"
#include "game/level/KTLevelRender.h"
#include "game/objects/KTBlock.h"
#include "game/start/KTAssetLoaders.h"
#include "game/ui/KTStatusRender.h"
#include "support/KeyEvents.h"
#include "support/TestWindow.h"
#include "tests/game/level/SceneFixture.h"
#include "tests/game/ui/StatusTextures.h"

namespace {

// The whole scene in the real window, its frames run as the engine's loop
// runs them (draw, event pump, update) with real SDL key events; the frame
// to check is drawn once more into the back buffer and read back there.
class LevelSceneGL : public ::testing::Test {
protected:
    TempDir dir;
    StatusTextures textures;
    RecordingSoundTable sounds;
    KTLevelScene& scene = keptScene();

    void SetUp() override
    {
        ASSERT_TRUE(openTestWindow());
        {
            VXLogCapture quiet;
            initializeLibrary("VXLibrary");
            loadModels();
            buildDirectionTables();
            loadCharacterData();
            loadTextures();
            setSoundTable(&sounds);
            createParticleManager();
            scene.setUp();
        }
        // Our own levels: two empty rooms, the player in the middle.
        scene.levelNames = {dir.write("a.txt", "Level A\nCreate_Player 10 10 0"),
                            dir.write("b.txt", "Level B\nCreate_Player 10 10 0")};
    }

    void TearDown() override { setSoundTable(nullptr); }

    // Keys pressed and released during the next frame's pump.
    void frame(std::initializer_list<int> keys = {})
    {
        for (int key : keys) {
            pushKey(key, true);
            pushKey(key, false);
        }
        {
            VXLogCapture quiet;
            scene.draw();
            scene.input->pollInput();
            scene.update();
        }
    }

    // The next frame as it is about to be shown.
    void show()
    {
        {
            VXLogCapture quiet;
            scene.drawFrame();
        }
    }

    static TestPixel shown(int x, int y) { return readTestPixel(x, y); }

    // What a draw advances: the shadow's and the help signs' spin, the heart's pulse.
    struct DrawState {
        float shadowSpin;
        float signAngle;
        float heartPhase;
    };
    DrawState drawState() const
    {
        return DrawState{KTMainCharacter::shadowSpin, KTLevelWorld::helpSignAngle,
                         scene.statusRender->layout.heartPhase};
    }

    // The same frame again: what a draw advances is put back first.
    void showAgain(const DrawState& state)
    {
        KTMainCharacter::shadowSpin = state.shadowSpin;
        KTLevelWorld::helpSignAngle = state.signAngle;
        scene.statusRender->layout.heartPhase = state.heartPhase;
        show();
    }

    // Window pixel (x, y), y up, against the full-screen page image.
    static int difference(const TestPixel& p, const std::vector<unsigned char>& page, int x, int y)
    {
        const unsigned char* t = &page[(static_cast<size_t>(599 - y) * 800 + x) * 3];
        return std::abs(p.r - t[0]) + std::abs(p.g - t[1]) + std::abs(p.b - t[2]);
    }

    // Where the level pass shows a world point: its 1024 by 750 viewport
    // starts at the window's bottom-left corner.
    TestPixel shownAt(const VXVec4& world)
    {
        const VXVec4 clip = VXMat4::multiply(scene.levelRender->view.viewProjection, world);
        const float x = (clip.x() / clip.w() + 1.0f) * 0.5f * 1024.0f;
        const float y = (clip.y() / clip.w() + 1.0f) * 0.5f * 750.0f;
        return shown(static_cast<int>(x), static_cast<int>(y));
    }
};

// The whole window, bottom row first.
std::vector<unsigned char> windowPixels()
{
    std::vector<unsigned char> pixels(800 * 600 * 4);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, 800, 600, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

int differingPixels(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b)
{
    int count = 0;
    for (size_t i = 0; i + 3 < a.size(); i += 4) {
        count += a[i] != b[i] || a[i + 1] != b[i + 1] || a[i + 2] != b[i + 2] ? 1 : 0;
    }
    return count;
}

} // namespace

TEST_F(LevelSceneGL, OpensOnTheTitlePageThenShowsTheMainPageWithItsHighlight)
{
    ASSERT_NE(assets().menuPages[10], nullptr);
    ASSERT_EQ(assets().menuPages[10]->width, 800);
    frame();
    show();
    const std::vector<unsigned char> title = readTexture(*assets().menuPages[10], GL_RGB, 3);
    for (int y = 7; y < 600; y += 53) {
        for (int x = 5; x < 800; x += 61) {
            const TestPixel p = shown(x, y);
            const unsigned char* t = &title[(static_cast<size_t>(599 - y) * 800 + x) * 3];
            ASSERT_LE(difference(p, title, x, y), 6) << "title page at " << x << ", " << y << ": " << int(p.r) << " "
                                                     << int(p.g) << " " << int(p.b) << " vs " << int(t[0]) << " "
                                                     << int(t[1]) << " " << int(t[2]);
        }
    }

    frame({KTKey::Return});
    EXPECT_EQ(scene.menuPage, 0);
    frame({KTKey::Down});
    EXPECT_EQ(scene.highlightedItem, 1);
    show();
    const std::vector<unsigned char> main = readTexture(*assets().menuPages[0], GL_RGB, 3);
    // Item 1's bar covers rows 303..348 (y 0.01 to 0.16); item 0's 375..420.
    long highlighted = 0;
    long plain = 0;
    for (int x = 4; x < 800; x += 16) {
        for (int y : {306, 320, 334, 345}) {
            highlighted += difference(shown(x, y), main, x, y);
        }
        for (int y : {378, 392, 406, 417, 200, 100}) {
            plain += difference(shown(x, y), main, x, y);
        }
    }
    EXPECT_GT(highlighted, 50L * 4 * 8) << "the highlight tints the selected item";
    EXPECT_LT(plain, 50L * 6 * 2) << "nothing else differs from the page";
}

TEST_F(LevelSceneGL, NewGameLightsTheLevelAndTheHudShowsHeartAndCounters)
{
    textures.installSolid();
    // The level's menus are still the generated ones; HUD images are known colours.
    frame();
    frame({KTKey::Return});
    frame({KTKey::Return});
    ASSERT_FALSE(scene.menuMode) << "New Game";
    EXPECT_TRUE(scene.gameStarted);
    // A red block two cells ahead of the player, who stands on the floor.
    KTBlock* block = new KTBlock();
    block->position = VXVec4(301, 1, 361, 1);
    scene.world->addObject(block, [&] { block->setUp(scene.physics, 0, scene.world); });
    scene.player->greyAmmo = 7;
    scene.player->destroyAmmo = 42;
    scene.player->redAmmo = 305;
    for (int i = 0; i < 40; ++i) {
        frame();
    }
    show();

    // The heart: full health, white, centred at pixel (80, 540).
    const TestPixel heart = shown(80, 540);
    EXPECT_NEAR(heart.r, StatusTextures::heartRed(3), 3);
    EXPECT_NEAR(heart.g, 255, 3);
    // Counters: grey 007 in blue at the top right, destroy 042 in grey, red 305 in orange.
    const TestPixel greyOnes = shown(790, 585);
    EXPECT_NEAR(greyOnes.b, StatusTextures::digitBlue(7), 3);
    EXPECT_NEAR(greyOnes.r, 0, 3);
    const TestPixel destroyTens = shown(770, 555);
    EXPECT_NEAR(destroyTens.r, StatusTextures::digitRed(4) / 2, 3);
    const TestPixel redHundreds = shown(750, 525);
    EXPECT_NEAR(redHundreds.r, StatusTextures::digitRed(3), 3);
    EXPECT_NEAR(redHundreds.g, 100, 3);
    EXPECT_NEAR(redHundreds.b, 0, 3);

    // The lit level: the red block shows red, the floor beside it is lit.
    const TestPixel red = shownAt(VXVec4(315, 15, 375, 1));
    EXPECT_GT(red.r, 60) << "red block";
    EXPECT_GT(red.r, red.g + 30);
    EXPECT_GT(red.r, red.b + 30);
    const TestPixel floor = shownAt(VXVec4(255, 0, 405, 1));
    EXPECT_GT(floor.r + floor.g + floor.b, 60) << "lit floor";
}

TEST_F(LevelSceneGL, EscapeInPlayShowsThePausePageAndFreezesTheLevel)
{
    frame();
    frame({KTKey::Return});
    frame({KTKey::Return});
    ASSERT_FALSE(scene.menuMode);
    frame();
    frame({KTKey::Escape});
    EXPECT_TRUE(scene.menuMode);
    EXPECT_EQ(scene.menuPage, 6);
    const VXVec4 frozen = scene.player->physicsObject->position;
    frame();
    frame();
    EXPECT_FLOAT_EQ(scene.player->physicsObject->position.y(), frozen.y());
    show();
    const std::vector<unsigned char> pause = readTexture(*assets().menuPages[6], GL_RGB, 3);
    // Away from the highlighted first item (rows 399..444) the pause page shows as it is.
    for (int x = 10; x < 800; x += 97) {
        EXPECT_LE(difference(shown(x, 100), pause, x, 100), 6);
    }
    // Resume from the first item.
    frame({KTKey::Return});
    EXPECT_FALSE(scene.menuMode);
}

TEST_F(LevelSceneGL, TheLightSetProgramChangesNoPixelAndCullingOnlySilhouetteTies)
{
    ASSERT_TRUE(assets().redBlock->closed) << "block models are closed shells";
    frame();
    frame({KTKey::Return});
    frame({KTKey::Return});
    ASSERT_FALSE(scene.menuMode);
    // Blocks of every colour in three layers, some in the player's way.
    const int types[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 12};
    int n = 0;
    for (int x = 6; x < 14; ++x) {
        for (int z = 10; z < 16; ++z) {
            for (int y = 0; y < 3; ++y) {
                if ((x + z + y) % 3 == 0) {
                    continue;
                }
                KTBlock* block = new KTBlock();
                block->position = VXVec4(x * 30.0f + 1, y * 30.0f + 1, z * 30.0f + 1, 1);
                scene.world->addObject(block, [&] { block->setUp(scene.physics, types[n++ % 10], scene.world); });
            }
        }
    }
    for (int turn = 0; turn < 3; ++turn) {
        for (int i = 0; i < 20; ++i) {
            frame();
        }
        EXPECT_NE(scene.levelRender->program(), defaultRenderProgram) << "light 0 alone has its own build";
        const DrawState state = drawState();
        showAgain(state);
        const std::vector<unsigned char> fast = windowPixels();
        scene.levelRender->lightsBuiltOut = false;
        showAgain(state);
        EXPECT_EQ(differingPixels(fast, windowPixels()), 0) << "the full program, view " << turn;
        VXOBJData::cullClosedModels = false;
        showAgain(state);
        const int culled = differingPixels(fast, windowPixels());
        VXOBJData::cullClosedModels = true;
        scene.levelRender->lightsBuiltOut = true;
        // Without culling a back face can win a depth tie on a silhouette
        // edge, here and there one pixel; nothing else may differ.
        EXPECT_LE(culled, 800 * 600 / 10000) << "culling, view " << turn;
        frame({KTKey::A});
    }
    // All four lights on, their maps never drawn: the lookups are left out,
    // and the picture is still the same.
    for (VXSpotLight& light : scene.lights) {
        light.on = true;
    }
    frame();
    EXPECT_NE(scene.levelRender->program(), defaultRenderProgram);
    scene.lights[2].on = false;
    const DrawState state = drawState();
    showAgain(state);
    const std::vector<unsigned char> three = windowPixels();
    scene.levelRender->lightsBuiltOut = false;
    showAgain(state);
    scene.levelRender->lightsBuiltOut = true;
    EXPECT_EQ(differingPixels(three, windowPixels()), 0) << "three lights";
    // Once every map counts as drawn, the build is the full program.
    scene.lights[2].on = true;
    for (VXSpotLight& light : scene.lights) {
        light.shadowMapDrawn = true;
    }
    EXPECT_EQ(scene.levelRender->program(), defaultRenderProgram);
}
