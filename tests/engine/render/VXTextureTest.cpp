#include "engine/core/VXLog.h"
#include "engine/render/VXFramebuffer.h"
#include "engine/render/VXRenderbuffer.h"
#include "engine/render/VXTexture.h"

#include "support/PngFile.h"
#include "support/TempDir.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const VXTextureParameters repeatLinear = {GL_REPEAT, GL_REPEAT, GL_LINEAR, GL_LINEAR};
const VXTextureParameters clampNearest = {GL_CLAMP, GL_CLAMP, GL_NEAREST, GL_NEAREST};

class VXTextureGL : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(openTestWindow()); }

    std::string imagePath(const std::string& name) { return directory.file(name); }

    TempDir directory;
};

} // namespace

TEST_F(VXTextureGL, PngWithAlphaBecomesAnRgbaTextureWithItsRowsAsStored)
{
    const std::vector<unsigned char> pixels = {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 0,
                                               10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120};
    const std::string path = imagePath("rgba.png");
    ASSERT_TRUE(writePng(path, 3, 2, 4, pixels));

    VXTexture texture;
    texture.loadImage(path, &repeatLinear);
    ASSERT_NE(0u, texture.name);
    EXPECT_EQ(3, texture.width);
    EXPECT_EQ(2, texture.height);
    EXPECT_EQ(GL_RGBA, texture.internalFormat);
    EXPECT_EQ(static_cast<GLenum>(GL_RGBA), texture.format);
    EXPECT_EQ(static_cast<GLenum>(GL_TEXTURE_2D), texture.target);
    EXPECT_EQ(&repeatLinear, texture.sampler);
    EXPECT_EQ(pixels, readTexture(texture, GL_RGBA, 4));
}

TEST_F(VXTextureGL, PngWithoutAlphaBecomesRgbEvenWithOddRowLengths)
{
    // Three RGB texels make 9-byte rows: the image's padded rows must match GL's unpacking.
    std::vector<unsigned char> pixels;
    for (int i = 0; i < 3 * 3 * 3; ++i) {
        pixels.push_back(static_cast<unsigned char>(i * 9));
    }
    const std::string path = imagePath("rgb.png");
    ASSERT_TRUE(writePng(path, 3, 3, 3, pixels));

    VXTexture texture;
    texture.loadImage(path, &repeatLinear);
    ASSERT_NE(0u, texture.name);
    EXPECT_EQ(GL_RGB, texture.internalFormat);
    EXPECT_EQ(static_cast<GLenum>(GL_RGB), texture.format);
    EXPECT_EQ(pixels, readTexture(texture, GL_RGB, 3));
}

TEST_F(VXTextureGL, GreyPngIsWidenedToRgbInsteadOfReadPastItsRows)
{
    const std::vector<unsigned char> grey = {0, 64, 128, 255};
    const std::string path = imagePath("grey.png");
    ASSERT_TRUE(writePng(path, 2, 2, 1, grey));

    VXTexture texture;
    texture.loadImage(path, &repeatLinear);
    ASSERT_NE(0u, texture.name);
    EXPECT_EQ(GL_RGB, texture.internalFormat);
    const std::vector<unsigned char> expected = {0, 0, 0, 64, 64, 64, 128, 128, 128, 255, 255, 255};
    EXPECT_EQ(expected, readTexture(texture, GL_RGB, 3));
}

TEST_F(VXTextureGL, MissingOrUndecodableFileLeavesTheTextureEmptyAndSaysWhich)
{
    VXTexture texture;
    VXLogCapture logged;
    texture.loadImage("Data\\no such image.png", &repeatLinear);
    const std::string said = logged.text();
    EXPECT_EQ(0u, texture.name);
    EXPECT_EQ("Unable to load image file: Data\\no such image.png\n", said);

    const std::string path = directory.write("garbage.png", "not an image at all");
    {
        VXLogCapture quiet;
        texture.loadImage(path, &repeatLinear);
    }
    EXPECT_EQ(0u, texture.name);
}

TEST_F(VXTextureGL, NeverCreatedTextureBindsNothing)
{
    VXTexture texture;
    EXPECT_EQ(0u, texture.name);
    EXPECT_EQ(static_cast<GLenum>(GL_TEXTURE_2D), texture.target);
    VXTexture other;
    other.createEmpty(4, 4, &clampNearest, GL_RGBA, GL_RGBA, GL_TEXTURE_2D, 0, 0, GL_UNSIGNED_BYTE);
    other.bind(-1, 1);
    texture.bind(-1, 1);
    GLint active = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
    EXPECT_EQ(GL_TEXTURE1, active);
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(0, bound);
    glActiveTexture(GL_TEXTURE0);
}

TEST_F(VXTextureGL, CreatingAgainTakesAFreshNameAndKeepsTheOldTexture)
{
    VXTexture texture;
    texture.createEmpty(8, 4, &clampNearest, GL_RGBA, GL_RGBA, GL_TEXTURE_2D, 0, 0, GL_UNSIGNED_BYTE);
    const GLuint first = texture.name;
    ASSERT_NE(0u, first);
    texture.createEmpty(8, 4, &clampNearest, GL_RGBA, GL_RGBA, GL_TEXTURE_2D, 0, 0, GL_UNSIGNED_BYTE);
    EXPECT_NE(first, texture.name);
    EXPECT_EQ(GL_TRUE, glIsTexture(first));
}

TEST_F(VXTextureGL, EmptyFloatTargetStartsAtZero)
{
    // A shadow map that was never drawn into must read as its clear value.
    VXTexture texture;
    texture.createEmpty(37, 9, &clampNearest, GL_RG32F, GL_RG, GL_TEXTURE_2D, 0, 0, GL_UNSIGNED_BYTE);
    std::vector<float> texels(37 * 9 * 2, -1.0f);
    glBindTexture(GL_TEXTURE_2D, texture.name);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RG, GL_FLOAT, texels.data());
    for (float value : texels) {
        ASSERT_EQ(0.0f, value);
    }
}

TEST_F(VXTextureGL, EmptyTargetsOfEveryTexelWidthStartAtZeroAtTheWidestAlignment)
{
    // The zeros cover every row GL unpacks, padding included: odd widths of
    // one-byte to sixteen-byte texels under the widest alignment GL allows.
    for (int i = 0; i < 8 && glGetError() != GL_NO_ERROR; ++i) {
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
    const struct {
        GLint internalFormat;
        GLenum format;
        GLenum type;
    } cases[] = {
        {GL_R8, GL_RED, GL_UNSIGNED_BYTE},
        {GL_RGB8, GL_RGB, GL_UNSIGNED_BYTE},
        {GL_RG16F, GL_RG, GL_HALF_FLOAT},
        {GL_RGB32F, GL_RGB, GL_FLOAT},
        {GL_RGBA32F, GL_RGBA, GL_FLOAT},
    };
    for (const auto& kind : cases) {
        VXTexture texture;
        texture.createEmpty(37, 9, &clampNearest, kind.internalFormat, kind.format, GL_TEXTURE_2D, 0, 0, kind.type);
        std::vector<float> texels(37 * 9 * 4, -1.0f);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_FLOAT, texels.data());
        for (size_t i = 0; i < texels.size(); ++i) {
            // Channels a format lacks read as 0, alpha as 1.
            ASSERT_EQ(i % 4 == 3 && kind.format != GL_RGBA ? 1.0f : 0.0f, texels[i]) << kind.internalFormat;
        }
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    EXPECT_EQ(static_cast<GLenum>(GL_NO_ERROR), glGetError());
}

TEST(VXTextureUpload, TexelBytesFollowFormatAndType)
{
    EXPECT_EQ(2u, uploadTexelBytes(GL_RG, GL_UNSIGNED_BYTE));
    EXPECT_EQ(3u, uploadTexelBytes(GL_BGR, GL_UNSIGNED_BYTE));
    EXPECT_EQ(8u, uploadTexelBytes(GL_RG, GL_FLOAT));
    EXPECT_EQ(6u, uploadTexelBytes(GL_RGB, GL_HALF_FLOAT));
    EXPECT_EQ(4u, uploadTexelBytes(GL_DEPTH_STENCIL, GL_UNSIGNED_INT_24_8));
    EXPECT_EQ(2u, uploadTexelBytes(GL_RGB, GL_UNSIGNED_SHORT_5_6_5));
    EXPECT_EQ(16u, uploadTexelBytes(GL_RGBA, 0x1234));
}

TEST_F(VXTextureGL, GenerateMipmapBuildsTheChainFromLevelZero)
{
    std::vector<unsigned char> pixels(16 * 16 * 4, 200);
    VXTexture texture;
    texture.create(16, 16, &repeatLinear, pixels.data(), GL_RGBA, GL_RGBA, GL_TEXTURE_2D, 0, 0, GL_UNSIGNED_BYTE);
    glBindTexture(GL_TEXTURE_2D, 0);
    texture.generateMipmap();
    GLint width = 0;
    glBindTexture(GL_TEXTURE_2D, texture.name);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 4, GL_TEXTURE_WIDTH, &width);
    EXPECT_EQ(1, width);
    unsigned char texel[4] = {0, 0, 0, 0};
    glGetTexImage(GL_TEXTURE_2D, 4, GL_RGBA, GL_UNSIGNED_BYTE, texel);
    EXPECT_EQ(200, texel[0]);
}

TEST_F(VXTextureGL, FramebufferDrawsIntoItsAttachedTexture)
{
    VXTexture target;
    target.createEmpty(8, 8, &clampNearest, GL_RGBA, GL_RGBA, GL_TEXTURE_2D, 0, 0, GL_UNSIGNED_BYTE);
    VXRenderbuffer depth;
    depth.initialize(8, 8, GL_DEPTH_COMPONENT);
    EXPECT_NE(0u, depth.name);
    VXFramebuffer framebuffer;
    framebuffer.create();
    ASSERT_NE(0u, framebuffer.name);
    framebuffer.attachTexture(target, 0);
    framebuffer.attachDepth(depth);
    framebuffer.bindForDrawing(GL_COLOR_ATTACHMENT0_EXT);
    EXPECT_EQ(static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE_EXT), glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT));
    glViewport(0, 0, 8, 8);
    glClearColor(1, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    framebuffer.release();
    framebuffer.bindForDrawing(GL_BACK);
    GLint drawing = -1;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING_EXT, &drawing);
    EXPECT_EQ(0, drawing);
    const std::vector<unsigned char> pixels = readTexture(target, GL_RGBA, 4);
    EXPECT_EQ(255, pixels[0]);
    EXPECT_EQ(0, pixels[1]);
    EXPECT_EQ(255, pixels[pixels.size() - 1]);
}
