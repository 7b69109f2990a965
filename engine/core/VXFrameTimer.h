#ifndef ENGINE_CORE_VXFRAMETIMER_H
#define ENGINE_CORE_VXFRAMETIMER_H

#include <SDL.h>

// Paces the run loop to at most one frame per period. A frame that ran long
// is not made up for: the next wait simply does not delay.
class VXFrameTimer {
public:
    VXFrameTimer();
    VXFrameTimer(Uint32 lastTick, Uint32 periodMs);

    void waitForNextFrame();

    Uint32 lastTick;
    Uint32 periodMs;
};

#endif
