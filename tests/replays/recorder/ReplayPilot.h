#ifndef TESTS_REPLAYS_RECORDER_REPLAYPILOT_H
#define TESTS_REPLAYS_RECORDER_REPLAYPILOT_H

#include <set>
#include <string>
#include <vector>

#include "ReplayKeys.h"
#include "ReplaySession.h"
#include "engine/math/VXVec4.h"

class KTGameObject;
class KTMainCharacter;

// Plays a level by holding and pressing keys as a player would, frame by
// frame, and writes down every key event with its frame. The plan commands
// (ReplayPlan) steer it by looking at the world between frames; only the
// key events go into the recording.
class ReplayPilot {
public:
    ReplaySession session;
    ReplayKeys recording;
    // Print the player's state every this many frames; 0 prints nothing.
    int traceEvery = 0;
    // Objects whose place the trace also prints, by map id.
    std::vector<int> tracked;
    // Where `shot` writes its pictures; empty writes none.
    std::string shotDirectory;

    void begin(int level, unsigned int seed);

    // The keys to be down from the next frame on; the differences to what
    // is down now become that frame's events.
    void hold(const std::set<int>& keys);
    // Down on the next frame, up on the one after, whatever else is held.
    void press(int key);
    // One frame; false once the level is over or the player died.
    bool tick();
    bool over() const { return session.goalReached() || session.playerDied(); }

    KTMainCharacter& player() const;
    // The player's physics position and velocity.
    VXVec4 position() const;
    VXVec4 velocity() const;
    const std::set<int>& heldKeys() const { return held; }
    void printState() const;
    // The picture the player sees now, as shotDirectory/NAME.png, with the
    // share of it above the help panel that shows nothing printed; false
    // when it cannot be written.
    bool shot(const std::string& name);

private:
    std::set<int> held;
    std::set<int> wanted;
    std::vector<int> releaseNext;
    // Help signs already shown, in the world's order.
    std::vector<bool> shownSigns;
    void reportSigns();
};

#endif
