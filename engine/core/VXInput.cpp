#include "engine/core/VXInput.h"

#include <cstring>

VXInput::VXInput()
{
    std::memset(&event, 0, sizeof(event));
}

void VXInput::onKeyUp(int)
{
}

void VXInput::onKeyDown(int)
{
}

void VXInput::onQuit()
{
}

void VXInput::onMouseButtonDown(int, int, int)
{
}

void VXInput::onMouseButtonUp(int, int, int)
{
}

void VXInput::pollInput()
{
    while (SDL_PollEvent(&event) != 0) {
        switch (event.type) {
        case SDL_KEYDOWN:
            onKeyDown(event.key.keysym.sym);
            break;
        case SDL_KEYUP:
            onKeyUp(event.key.keysym.sym);
            break;
        case SDL_MOUSEBUTTONDOWN:
            onMouseButtonDown(event.button.x, event.button.y, event.button.button);
            break;
        case SDL_MOUSEBUTTONUP:
            onMouseButtonUp(event.button.x, event.button.y, event.button.button);
            break;
        case SDL_QUIT:
            onQuit();
            break;
        default:
            break;
        }
    }
}

void discardInput()
{
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
    }
}
