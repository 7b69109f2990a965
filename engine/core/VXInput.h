#ifndef ENGINE_CORE_VXINPUT_H
#define ENGINE_CORE_VXINPUT_H

#include <SDL.h>

// Base of every input handler. The pump empties SDL's event queue into the
// five handlers; keys are SDL 1.2 key symbols.
class VXInput {
public:
    VXInput();

    virtual void onKeyUp(int key);
    virtual void onKeyDown(int key);
    virtual void onQuit();
    virtual void onMouseButtonDown(int x, int y, int button);
    virtual void onMouseButtonUp(int x, int y, int button);

    // Handles every queued event, in queue order, with this handler.
    void pollInput();

    SDL_Event event;
};

// Empties SDL's event queue for a scene that has no handler yet, so that
// nothing piles up.
void discardInput();

#endif
