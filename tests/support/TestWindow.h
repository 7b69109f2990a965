#ifndef TESTS_SUPPORT_TESTWINDOW_H
#define TESTS_SUPPORT_TESTWINDOW_H

#include <GL/glew.h>

#include <string>
#include <vector>

struct VXTexture;

// Opens the real 800 by 600 OpenGL window the programs use (SDL video and
// GLEW); false when there is no display. The window stays for the test process.
bool openTestWindow();

// The RGBA bytes of one pixel of the back buffer; (0, 0) is the bottom left.
struct TestPixel {
    unsigned char r, g, b, a;
};
TestPixel readTestPixel(int x, int y);

// The texels of level 0 of `texture` in `format`, `channels` bytes each, rows
// in the order stored (an image's top row first).
std::vector<unsigned char> readTexture(const VXTexture& texture, GLenum format, int channels);

#endif
