#include <gtest/gtest.h>

#include <SDL.h>

#include "engine/core/VXFrameTimer.h"

TEST(FrameTimer, WaitsOutTheRestOfThePeriod)
{
    ASSERT_EQ(SDL_Init(SDL_INIT_TIMER), 0);
    VXFrameTimer timer;
    EXPECT_EQ(timer.lastTick, 0u);
    EXPECT_EQ(timer.periodMs, 16u);
    timer.lastTick = SDL_GetTicks();
    const Uint32 start = timer.lastTick;
    timer.waitForNextFrame();
    EXPECT_GE(timer.lastTick - start, 16u);
    SDL_Quit();
}

TEST(FrameTimer, LongFrameIsNotMadeUpFor)
{
    ASSERT_EQ(SDL_Init(SDL_INIT_TIMER), 0);
    VXFrameTimer timer;
    timer.lastTick = SDL_GetTicks();
    SDL_Delay(40);
    const Uint32 before = SDL_GetTicks();
    timer.waitForNextFrame();
    EXPECT_LT(timer.lastTick - before, 5u);
    SDL_Quit();
}

TEST(FrameTimer, LastTickAheadOfTheClockCountsAsNoTimePassed)
{
    // A last tick slightly in the future compares as a negative elapsed time:
    // the wait is the whole period plus that difference, not a huge unsigned one.
    ASSERT_EQ(SDL_Init(SDL_INIT_TIMER), 0);
    VXFrameTimer timer;
    timer.lastTick = SDL_GetTicks() + 4;
    const Uint32 before = SDL_GetTicks();
    timer.waitForNextFrame();
    const Uint32 waited = timer.lastTick - before;
    EXPECT_GE(waited, 16u);
    EXPECT_LT(waited, 200u);
    SDL_Quit();
}
