#include "support/TestWindow.h"

#include <SDL.h>

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
