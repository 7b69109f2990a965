#include "support/TestWindow.h"

#include <SDL.h>

#include "engine/render/VXTexture.h"

bool openTestWindow()
{
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        return false;
    }
    if (SDL_SetVideoMode(800, 600, 32, SDL_OPENGL | SDL_DOUBLEBUF) == nullptr) {
        return false;
    }
    return glewInit() == GLEW_OK;
}

TestPixel readTestPixel(int x, int y)
{
    TestPixel pixel = {0, 0, 0, 0};
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, &pixel);
    return pixel;
}

std::vector<unsigned char> readTexture(const VXTexture& texture, GLenum format, int channels)
{
    std::vector<unsigned char> texels(static_cast<size_t>(texture.width) * texture.height * channels);
    glBindTexture(texture.target, texture.name);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(texture.target, 0, format, GL_UNSIGNED_BYTE, texels.data());
    return texels;
}
