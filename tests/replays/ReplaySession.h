#ifndef TESTS_REPLAYS_REPLAYSESSION_H
#define TESTS_REPLAYS_REPLAYSESSION_H

#include <string>
#include <vector>

#include "ReplayKeys.h"

class KTLevelScene;

// The game as a player meets it, one level at a time: the real window, the
// shared assets, the level scene with its level list, worlds, keys and
// passes. Frames run as the engine's loop runs them (draw, event pump,
// update), the keys arriving as SDL key events. The mixer stays closed, so
// no track that ends in real time draws a random number.
//
// The recorder and the replay test both play through this class, so a
// recording replays exactly: same set-up, same seed, same events on the same
// frames, the same frames drawn.
class ReplaySession {
public:
    // Every this many frames one is drawn (the first of them included).
    static constexpr int DrawInterval = 10;

    // Window and assets, once per process; false without a display. The
    // scene is set up the first time, as the game does at start.
    static bool openGame();
    static KTLevelScene& scene();

    // The shipped level list, plus one small level after it, so that the
    // last shipped level also advances when its goal is reached.
    static int shippedLevelCount();

    // Level `level` loaded from the start with the random seed `seed`, menus
    // closed as after New Game.
    void begin(int level, unsigned int seed);
    // One frame with these key events pushed before it; returns false once
    // the level is over (its goal reached) or the player died.
    bool frame(const std::vector<ReplayEvent>& events);

    int level() const { return startLevel; }
    int frameNumber() const { return frames; }
    bool goalReached() const { return finished; }
    bool playerDied() const { return died; }
    // The frame on which the goal was reached, -1 before.
    int finishFrame() const { return finishedAt; }

private:
    int startLevel = 0;
    int frames = 0;
    bool finished = false;
    bool died = false;
    int finishedAt = -1;
};

#endif
