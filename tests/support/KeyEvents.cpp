#include "support/KeyEvents.h"

#include <SDL.h>

bool pushKey(int key, bool down)
{
    SDL_Event event = {};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.type = event.type;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = static_cast<SDLKey>(key);
    return SDL_PushEvent(&event) == 0;
}
