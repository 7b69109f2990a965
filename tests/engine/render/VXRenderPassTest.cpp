#include "engine/render/VXFullScreenTextureRender.h"
#include "engine/render/VXGaussianBlurRender.h"
#include "engine/render/VXLibrary.h"
#include "engine/render/VXOnScreenRender.h"
#include "engine/render/VXScreenRect.h"

#include "support/TestWindow.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class VXRenderPassGL : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(openTestWindow());
        initializeLibrary("VXLibrary");
    }
};

const VXTextureParameters clampNearest = {GL_CLAMP, GL_CLAMP, GL_NEAREST, GL_NEAREST};

void clearWindow(float grey)
{
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
    glDrawBuffer(GL_BACK);
    glClearColor(grey, grey, grey, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

} // namespace

TEST_F(VXRenderPassGL, TexturedScreenRectLandsWhereItsCornersSayWithItsFirstRowAtTheTop)
{
    // Two rows: red first, then green.
    const unsigned char pixels[] = {255, 0, 0, 255, 0, 255, 0, 255};
    VXTexture texture;
    texture.create(1, 2, &clampNearest, pixels, GL_RGBA, GL_RGBA, GL_TEXTURE_2D, 0, 0, GL_UNSIGNED_BYTE);

    VXScreenRect rect;
    // From (-0.5, -0.5) to (0.5, 0.25): pixels x 200..600, y 150..375 of the 800 by 600 window.
    rect.setCorners(VXVec4(-0.5f, -0.5f, 0, 1), VXVec4(0.5f, 0.25f, 0, 1));
    rect.setImage(&texture, VXVec4(1.0f, 1.0f, 0.5f, 0.0f));

    clearWindow(0.0f);
    VXOnScreenRender pass;
    pass.initialize();
    pass.begin();
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(800, viewport[2]);
    EXPECT_EQ(600, viewport[3]);
    pass.drawPass();
    rect.draw(*screenRenderProgram);
    pass.end();

    const TestPixel top = readTestPixel(400, 370);
    EXPECT_EQ(255, top.r);
    EXPECT_EQ(0, top.g);
    const TestPixel bottom = readTestPixel(400, 155);
    EXPECT_EQ(0, bottom.r);
    EXPECT_EQ(255, bottom.g);
    // The colour multiplies the texture and stays opaque despite its w of 0.
    const TestPixel corner = readTestPixel(203, 153);
    EXPECT_EQ(255, corner.g);
    EXPECT_EQ(0, corner.b);
    for (const TestPixel outside : {readTestPixel(196, 300), readTestPixel(604, 300), readTestPixel(400, 146),
                                    readTestPixel(400, 379)}) {
        EXPECT_EQ(0, outside.r);
        EXPECT_EQ(0, outside.g);
    }
}

TEST_F(VXRenderPassGL, BlurKeepsTheTextureAndSmoothsACheckerOfAnySize)
{
    const int width = 24;
    const int height = 10;
    std::vector<unsigned char> checker;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned char value = (x + y) % 2 == 0 ? 255 : 0;
            checker.insert(checker.end(), {value, value, value, 255});
        }
    }
    VXTexture texture;
    texture.create(width, height, &clampNearest, checker.data(), GL_RGBA8, GL_RGBA, GL_TEXTURE_2D, 0, 0,
                   GL_UNSIGNED_BYTE);
    const GLuint name = texture.name;

    VXGaussianBlurRender blur;
    blur.initialize(&texture, 1.0f);
    blur.begin();
    blur.drawPass();
    blur.end();

    EXPECT_EQ(name, texture.name);
    EXPECT_EQ(width, texture.width);
    EXPECT_EQ(height, texture.height);
    EXPECT_EQ(GL_RGBA8, texture.internalFormat);
    EXPECT_EQ(static_cast<GLenum>(GL_RGBA), texture.format);
    GLint storedWidth = 0;
    glBindTexture(GL_TEXTURE_2D, name);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &storedWidth);
    EXPECT_EQ(width, storedWidth);

    const std::vector<unsigned char> blurred = readTexture(texture, GL_RGBA, 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int value = blurred[(y * width + x) * 4];
            // Every texel, borders included, ends near the mean grey.
            EXPECT_NEAR(128, value, 40) << "texel " << x << ", " << y;
        }
    }
    const int inner = blurred[(5 * width + 12) * 4];
    EXPECT_NEAR(128, inner, 8);
}

TEST_F(VXRenderPassGL, BlurOfAFlatTextureLeavesItFlat)
{
    const int size = 8;
    std::vector<unsigned char> flat(size * size * 4, 200);
    VXTexture texture;
    texture.create(size, size, &clampNearest, flat.data(), GL_RGBA8, GL_RGBA, GL_TEXTURE_2D, 0, 0,
                   GL_UNSIGNED_BYTE);
    VXGaussianBlurRender blur;
    blur.initialize(&texture, 2.0f);
    blur.drawPass();
    for (unsigned char value : readTexture(texture, GL_RGBA, 4)) {
        // The seven weights sum to 1 and the border never leaks in.
        EXPECT_NEAR(200, value, 2);
    }
}

TEST_F(VXRenderPassGL, FullScreenTextureFillsAViewportOfTheTexturesSize)
{
    // Bottom row blue, top row yellow, in a 2 by 2 texture.
    const unsigned char pixels[] = {0, 0, 255, 255, 0, 0, 255, 255, 255, 255, 0, 255, 255, 255, 0, 255};
    VXTexture texture;
    texture.create(2, 2, &clampNearest, pixels, GL_RGBA, GL_RGBA, GL_TEXTURE_2D, 0, 0, GL_UNSIGNED_BYTE);

    clearWindow(0.0f);
    VXFullScreenTextureRender pass;
    pass.initialize(&texture);
    pass.begin();
    pass.drawPass();
    pass.end();

    EXPECT_EQ(255, readTestPixel(0, 0).b);
    EXPECT_EQ(255, readTestPixel(1, 1).r);
    EXPECT_EQ(0, readTestPixel(1, 1).b);
    EXPECT_EQ(0, readTestPixel(2, 0).b);
    EXPECT_EQ(0, readTestPixel(0, 2).r);
}
