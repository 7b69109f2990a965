#ifndef TESTS_REPLAYS_REPLAYKEYS_H
#define TESTS_REPLAYS_REPLAYKEYS_H

#include <string>
#include <vector>

// A recorded key sequence of one level: the key events of every frame in
// order, and how many frames the recording ran. As text, one line each:
//   # anything       a comment
//   level 3          the index into the level list
//   seed 1           the random seed the recording started from
//   frames 1234      frames the replay may run in all
//   17 down Up       at frame 17 the key goes down (or up); keys by name
struct ReplayEvent {
    int frame;
    bool down;
    int key;
};

struct ReplayKeys {
    int level = -1;
    unsigned int seed = 1;
    int frames = 0;
    std::vector<ReplayEvent> events;
    std::vector<std::string> comments;

    // Empty `error` when the whole text was understood.
    static ReplayKeys parse(const std::string& text, std::string& error);
    std::string write() const;
};

// The play keys a recording may press, by the names the files use ("Up",
// "Space", "z", "LeftShift", ...); -1 and "" for what is not one of them.
// Level skips (F5, F6, F12), Escape and the sound keys are not play keys.
int replayKeyOfName(const std::string& name);
std::string replayKeyName(int key);

#endif
