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
    // Every frame drawn, as the game draws them: what is only shown (the
    // help panel's fade) then keeps the game's pace for pictures.
    bool drawEveryFrame = false;

    // Window and assets, once per process; false without a display. The
    // scene is set up the first time, as the game does at start.
    static bool openGame();
    static KTLevelScene& scene();

    // The shipped level list, plus one small level after it, so that the
    // last shipped level also advances when its goal is reached.
    static int shippedLevelCount();

    // What the player sees now: the scene drawn once more without a frame
    // passing, 800 by 600 RGB, rows top first; without the HUD, the level
    // alone.
    static constexpr int PictureWidth = 800;
    static constexpr int PictureHeight = 600;
    static std::vector<unsigned char> picture(bool hud = true);
    // The share of the picture's top `rows` rows left in the clear colour
    // (black): where the view shows nothing of the level.
    static double emptyShare(const std::vector<unsigned char>& rgb, int rows);

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
