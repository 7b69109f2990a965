#include <gtest/gtest.h>

#include <cmath>

#include "game/level/KTLevelScene.h"
#include "game/objects/KTMainCharacter.h"
#include "game/start/KTAssets.h"
#include "game/ui/KTStatusLayout.h"
#include "game/ui/KTStatusRender.h"

namespace {

// Textures are only compared by address here; nothing is drawn.
class StatusLayoutTest : public ::testing::Test {
protected:
    KTAssets saved;
    VXTexture digits[KT_DIGIT_COUNT];
    VXTexture hearts[KT_HEART_COUNT];
    KTLevelScene scene;
    KTStatusLayout layout;

    StatusLayoutTest() : saved(assets())
    {
        for (int i = 0; i < KT_DIGIT_COUNT; ++i) {
            assets().digits[i] = &digits[i];
        }
        for (int i = 0; i < KT_HEART_COUNT; ++i) {
            assets().hearts[i] = &hearts[i];
        }
        layout.initialize(&scene);
    }
    ~StatusLayoutTest() override { assets() = saved; }

    void expectDigits(int firstRect, int hundreds, int tens, int ones)
    {
        EXPECT_EQ(layout.rects[firstRect].texture, &digits[hundreds]);
        EXPECT_EQ(layout.rects[firstRect + 1].texture, &digits[tens]);
        EXPECT_EQ(layout.rects[firstRect + 2].texture, &digits[ones]);
    }
};

} // namespace

TEST_F(StatusLayoutTest, SetUpPlacesThreeCountersOfThreeDigitsAtTheTopRight)
{
    EXPECT_FLOAT_EQ(layout.heartPhase, 0.0f);
    EXPECT_FLOAT_EQ(layout.heartSpeed, 0.05f);
    EXPECT_FLOAT_EQ(layout.heartAmplitude, 0.5f);
    EXPECT_EQ(layout.scene, &scene);
    const float bottoms[] = {0.9f, 0.8f, 0.7f};
    const VXVec4 colours[] = {VXVec4(0, 0, 1, 1), VXVec4(0.5f, 0.5f, 0.5f, 1), VXVec4(1, 0.5f, 0, 1)};
    for (int c = 0; c < 3; ++c) {
        for (int k = 0; k < 3; ++k) {
            const VXScreenRect& rect = layout.rects[1 + 3 * c + k];
            EXPECT_FLOAT_EQ(rect.cornerB.x(), 0.85f + 0.05f * k);
            EXPECT_FLOAT_EQ(rect.cornerA.x(), 0.85f + 0.05f * (k + 1));
            EXPECT_FLOAT_EQ(rect.cornerB.y(), bottoms[c]);
            EXPECT_FLOAT_EQ(rect.cornerA.y(), bottoms[c] + 0.1f);
            EXPECT_EQ(rect.texture, &digits[0]);
            EXPECT_FLOAT_EQ(rect.colour.x(), colours[c].x());
            EXPECT_FLOAT_EQ(rect.colour.y(), colours[c].y());
            EXPECT_FLOAT_EQ(rect.colour.z(), colours[c].z());
        }
    }
    for (const KTStatusFlash& flash : layout.flashes) {
        EXPECT_FALSE(flash.active);
    }
}

TEST_F(StatusLayoutTest, CountersShowThreeDigitsLimitedToZeroTo999)
{
    layout.setCounter(KTStatusLayout::GreyCounterRect, 7);
    expectDigits(1, 0, 0, 7);
    layout.setCounter(KTStatusLayout::DestroyCounterRect, 420);
    expectDigits(4, 4, 2, 0);
    layout.setCounter(KTStatusLayout::RedCounterRect, -3);
    expectDigits(7, 0, 0, 0);
    layout.setCounter(KTStatusLayout::RedCounterRect, 5000);
    expectDigits(7, 9, 9, 9);
    // The counter keeps its colour when its digits change.
    EXPECT_FLOAT_EQ(layout.rects[7].colour.y(), 0.5f);
}

TEST_F(StatusLayoutTest, HeartIsWhiteAndCalmAtFullHealthAndRedAndWildAtNone)
{
    layout.updateHeart(4);
    EXPECT_FLOAT_EQ(layout.heartSpeed, 0.05f);
    EXPECT_FLOAT_EQ(layout.heartAmplitude, 0.5f);
    EXPECT_FLOAT_EQ(layout.heartPhase, 0.05f);
    EXPECT_EQ(layout.rects[0].texture, &hearts[3]);
    EXPECT_FLOAT_EQ(layout.rects[0].colour.x(), 1.0f);
    EXPECT_FLOAT_EQ(layout.rects[0].colour.y(), 1.0f);
    EXPECT_FLOAT_EQ(layout.rects[0].colour.z(), 1.0f);
    EXPECT_FLOAT_EQ(layout.rects[0].colour.w(), 1.0f);

    layout.updateHeart(0);
    EXPECT_FLOAT_EQ(layout.heartSpeed, 0.25f);
    EXPECT_FLOAT_EQ(layout.heartAmplitude, 4.0f);
    EXPECT_FLOAT_EQ(layout.heartPhase, 0.3f);
    EXPECT_EQ(layout.rects[0].texture, &hearts[0]);
    EXPECT_FLOAT_EQ(layout.rects[0].colour.x(), 1.0f);
    EXPECT_FLOAT_EQ(layout.rects[0].colour.y(), 0.0f);
    EXPECT_FLOAT_EQ(layout.rects[0].colour.z(), 0.0f);
    EXPECT_FLOAT_EQ(layout.rects[0].colour.w(), 1.0f);

    // Half health: halfway in colour, speed and amplitude.
    layout.updateHeart(2);
    EXPECT_FLOAT_EQ(layout.heartSpeed, 0.15f);
    EXPECT_FLOAT_EQ(layout.heartAmplitude, 2.25f);
    EXPECT_FLOAT_EQ(layout.rects[0].colour.y(), 0.5f);
    EXPECT_EQ(layout.rects[0].texture, &hearts[1]);
}

TEST_F(StatusLayoutTest, HeartPulsesAboutItsCentreAndPicksItsImageByHealth)
{
    for (int i = 0; i < 20; ++i) {
        layout.updateHeart(3);
        const VXScreenRect& heart = layout.rects[0];
        EXPECT_NEAR((heart.cornerA.x() + heart.cornerB.x()) / 2, -0.8f, 1e-6f);
        EXPECT_NEAR((heart.cornerA.y() + heart.cornerB.y()) / 2, 0.8f, 1e-6f);
        const float w = layout.heartAmplitude * std::sin(layout.heartPhase);
        EXPECT_NEAR(heart.cornerA.x() - heart.cornerB.x(), 2 * (0.1f + 0.01f * w), 1e-6f);
        EXPECT_NEAR(heart.cornerA.y() - heart.cornerB.y(), 2 * (0.1333333f + 0.013333334f * w), 1e-6f);
    }
    const int images[] = {0, 0, 1, 2, 3, 3};
    for (int health = 0; health <= 5; ++health) {
        layout.updateHeart(health);
        EXPECT_EQ(layout.rects[0].texture, &hearts[images[health]]) << "health " << health;
    }
    layout.updateHeart(-1);
    EXPECT_EQ(layout.rects[0].texture, &hearts[0]);
}

TEST(StatusFlash, FadesInHoldsFadesOutAndEnds)
{
    KTStatusFlash flash;
    EXPECT_FALSE(flash.active);
    flash.start(VXVec4(-1, -1, 0, 1), VXVec4(1, -0.5f, 0, 1), nullptr, 240);
    EXPECT_EQ(flash.counter, -240);
    EXPECT_EQ(flash.duration, 240);
    EXPECT_TRUE(flash.active);
    EXPECT_FLOAT_EQ(flash.rect.cornerB.y(), -1.0f);
    EXPECT_FLOAT_EQ(flash.rect.cornerA.y(), -0.5f);

    VXShaderProgram program;
    flash.drawFrame(program);
    EXPECT_FLOAT_EQ(flash.rect.colour.w(), 1.0f / 240);
    for (int frame = 2; frame <= 120; ++frame) {
        flash.drawFrame(program);
    }
    EXPECT_FLOAT_EQ(flash.rect.colour.w(), 0.5f);
    for (int frame = 121; frame <= 480; ++frame) {
        flash.drawFrame(program);
        ASSERT_TRUE(flash.active);
    }
    // Held since frame 240 with the last fade-in value.
    EXPECT_FLOAT_EQ(flash.rect.colour.w(), 239.0f / 240);
    flash.drawFrame(program);
    EXPECT_FLOAT_EQ(flash.rect.colour.w(), 239.0f / 240);
    for (int frame = 482; frame <= 600; ++frame) {
        flash.drawFrame(program);
    }
    EXPECT_FLOAT_EQ(flash.rect.colour.w(), 0.5f);
    for (int frame = 601; frame <= 720; ++frame) {
        flash.drawFrame(program);
    }
    EXPECT_FLOAT_EQ(flash.rect.colour.w(), 0.0f);
    EXPECT_TRUE(flash.active);
    flash.drawFrame(program);
    EXPECT_FALSE(flash.active);
    const int counter = flash.counter;
    flash.drawFrame(program);
    EXPECT_EQ(flash.counter, counter) << "an inactive flash stands still";
}

TEST(StatusFlash, AFlashWithoutDurationEndsAtOnce)
{
    KTStatusFlash flash;
    flash.start(VXVec4(-1, -1, 0, 1), VXVec4(1, 1, 0, 1), nullptr, 0);
    VXShaderProgram program;
    flash.drawFrame(program);
    EXPECT_FALSE(flash.active);
}

TEST(StatusRender, CreateAndInitializeTieTheLayoutToTheScene)
{
    KTLevelScene scene;
    KTStatusRender pass;
    pass.create();
    pass.scene = &scene;
    pass.initialize();
    EXPECT_EQ(pass.layout.scene, &scene);
    EXPECT_EQ(pass.drawBuffer, static_cast<GLenum>(GL_BACK));
}
