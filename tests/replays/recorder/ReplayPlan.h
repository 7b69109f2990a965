#ifndef TESTS_REPLAYS_RECORDER_REPLAYPLAN_H
#define TESTS_REPLAYS_RECORDER_REPLAYPLAN_H

#include <string>
#include <vector>

#include "ReplayPilot.h"

// A level's plan: what a player would do, one command a line, carried out
// by the pilot while the level runs. Cells are the level script's (x, y
// across the floor); directions are the level's, named by the arrow keys
// that go there with the camera unturned ("up" is +y, "left" is +x), joined
// like "up-left": with the camera turned, other keys are pressed.
//
//   level N / seed S        what to play, from which random seed
//   walk X Y                straight to the centre of cell (X, Y), stopping there
//   climb X Y               jump and steer onto cell (X, Y)
//   goto X Y                to cell (X, Y) on the floor, round what stands in
//                           the way (waits while nothing leads there)
//   go DIR N / leap DIR N   hold the arrows of DIR for N frames (leap: jumping)
//   face DIR                turn to DIR without walking (Shift held)
//   fire grey|red|destroy [COUNT [GAP]]
//   jump, wait N, settle    Space; N frames of no keys; until standing still
//   rise Z [N]              wait until the player is up in layer Z
//   camera left|right       press a or d
//   zoom in|out N           hold w or s for N frames
//   collect                 fetch the nearest ammunition pickup
//   burn X Y                break the red or blue block in (X, Y) with a red
//                           missile from outside its blast
//   shoot ID WEAPON [MAX]   stand and shoot enemy ID whenever it comes into line
//   fight IDS WEAPON NEAR FAR [SAFE [MAX]]
//                           fight the enemies IDS (map ids joined by commas)
//                           to the death (ReplayFight): from NEAR..FAR cells,
//                           never on an enemy's row or column within SAFE
//   zone X0 Y0 X1 Y1        later fights shoot only from these cells
//   reach N                 later fights never come within N cells
//   ring LOW HIGH           later fights keep LOW..HIGH cells in from the edge
//   shot NAME               the picture the player sees now, as NAME.png in the
//                           recorder's picture folder (none without one)
//   trace N, track IDS, verbose, dump [N]
//                           print the player's state every N frames, the
//                           places of the tracked objects, the fights' plans,
//                           the objects within N cells: for writing plans
//
// Each command returns once done; the plan fails when a command cannot be
// done in its time or the player dies.
class ReplayPlan {
public:
    int level = -1;
    unsigned int seed = 1;

    // Empty `error` when every line is a command.
    static ReplayPlan parse(const std::string& text, std::string& error);
    // Plays the plan; false (with a message) when it failed. The level may
    // end before the last command.
    bool run(ReplayPilot& pilot, std::string& error) const;

private:
    struct Command {
        int line;
        std::vector<std::string> words;
    };
    std::vector<Command> commands;
};

#endif
