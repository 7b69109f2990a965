#ifndef TESTS_DATA_SHIPPEDLEVEL_H
#define TESTS_DATA_SHIPPEDLEVEL_H

#include <memory>
#include <string>
#include <vector>

#include "engine/render/VXTexture.h"
#include "game/level/KTLevelWorld.h"
#include "game/level/KTPhysicsWorld.h"
#include "game/objects/KTMainCharacter.h"

class KTGameObject;

// The level list as the game reads it.
std::vector<std::string> shippedLevelNames();

// One line the level script reader carried out (a file line, or a loop's body
// once per repetition), with its words as the reader splits them and what it
// did itself; what the loop lines it ran did is theirs.
struct ScriptLineRun {
    std::string text;
    std::vector<std::string> words;
    // Run by a loop line rather than read from the file by the reader's driver.
    bool loopBody = false;
    // In creation order.
    std::vector<KTGameObject*> made;
    bool placedPlayer = false;
    // Objects, signs and placements of this line and of the lines it ran.
    int effects = 0;

    const std::string& command() const;
};

// A shipped level read by the game's own script reader into a real level
// world, as the level scene loads it: a 600-unit physics world, a 20 x 5 x 20
// level world and the player, with object ids in step with body ids. No model
// is loaded. The reader records every line it carries out, and every help
// image name stands for an image of its own, so that each sign tells which
// name it was given.
class ShippedLevel {
public:
    explicit ShippedLevel(const std::string& path);
    ShippedLevel(const ShippedLevel&) = delete;
    ShippedLevel& operator=(const ShippedLevel&) = delete;

    // The help image name of sign `index`; empty for a name that has no image.
    std::string signName(size_t index) const;

    // One per help image name, in the loaders' order; the signs point into it.
    std::vector<VXTexture> helpImageStandIns;
    // In the order they started.
    std::vector<ScriptLineRun> lines;
    // What the reader printed.
    std::string output;
    KTPhysicsWorld physics;
    KTMainCharacter player;
    // Last, so that it goes first.
    std::unique_ptr<KTLevelWorld> world;
};

#endif
