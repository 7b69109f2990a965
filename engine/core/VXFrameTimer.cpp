#include "engine/core/VXFrameTimer.h"

VXFrameTimer::VXFrameTimer()
    : lastTick(0), periodMs(16)
{
}

VXFrameTimer::VXFrameTimer(Uint32 lastTick, Uint32 periodMs)
    : lastTick(lastTick), periodMs(periodMs)
{
}

void VXFrameTimer::waitForNextFrame()
{
    // Signed, so that a tick counter that wrapped still gives a small elapsed time.
    const Sint32 elapsed = static_cast<Sint32>(SDL_GetTicks() - lastTick);
    if (elapsed < static_cast<Sint32>(periodMs)) {
        SDL_Delay(periodMs - static_cast<Uint32>(elapsed));
    }
    lastTick = SDL_GetTicks();
}
