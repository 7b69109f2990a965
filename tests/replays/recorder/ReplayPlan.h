#ifndef TESTS_REPLAYS_RECORDER_REPLAYPLAN_H
#define TESTS_REPLAYS_RECORDER_REPLAYPLAN_H

#include <string>
#include <vector>

#include "ReplayPilot.h"

// A level's plan: what a player would do, one command a line, carried out
// by the pilot while the level runs. Cells are the level script's (x, y
// across the floor, z up); directions are those of the arrow keys with the
// camera unturned ("up" is +y, "left" is +x), joined like "up-left".
//
//   level N / seed S        what to play, from which random seed
//   trace N                 print the player's state every N frames
//   walk X Y                walk to the centre of cell (X, Y) and stop there
//   goto X Y                walk to cell (X, Y) on the floor, round what stands
//                           in the way
//   climb X Y               jump and steer onto cell (X, Y)
//   go DIR N                hold the arrows of DIR for N frames
//   face DIR                turn to DIR without walking (Shift held)
//   fire grey|red|destroy [COUNT [GAP]]
//   jump                    press Space
//   leap DIR N              press Space and hold DIR for N frames
//   wait N                  N frames with no key held
//   settle                  wait until the player stands still
//   rise Z [N]              wait until the player is up in layer Z
//   camera left|right       press a or d
//   zoom in|out N           hold w or s for N frames
//   finish [N]              keep what is held until the goal, at most N frames
//   expect X Y [Z]          stop with an error unless the player is in that cell
//   aim ID                  turn toward enemy ID when it lies on one of the
//                           eight lines through the player's cell
//   hunt ID grey|red [MAX [AWAY]]
//                           shoot enemy ID until it is dead, stepping onto
//                           its row or column from where the player stands,
//                           backing off while it is closer than AWAY units
//   shoot ID grey|red [MAX [AWAY]]   the same, standing still
//   fight IDS grey|red NEAR FAR [SAFE [MAX]]
//                           fight the enemies IDS (ids joined by commas),
//                           the nearest first, from the floor until all are
//                           dead:
//                           from cells NEAR..FAR cells away on one of the
//                           eight lines through it with nothing between, one
//                           missile at a time; never on its row or column
//                           within SAFE cells, nor nearer than NEAR to the
//                           others
//   zone X0 Y0 X1 Y1        the later fights shoot only from these cells
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
