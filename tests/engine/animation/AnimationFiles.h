#ifndef TESTS_ENGINE_ANIMATION_ANIMATIONFILES_H
#define TESTS_ENGINE_ANIMATION_ANIMATIONFILES_H

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

// Runs a test inside a fresh temporary directory, so that the readers see
// relative data paths ("Hero\stand.vxm") as the game's files do.
class AnimationFilesTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a file under the temporary directory ('/' separates folders).
    void write(const std::string& relative, const std::string& contents);
    std::string read(const std::string& relative) const;

    // A three-bone skeleton (Hips with the leaves LeftLeg and RightLeg) and a
    // choreography "Hero\hero.vxa" of five sets: stand (recursive,
    // priority 0), walk (reflexive-recursive, 1), attack (no movement type,
    // 3, then stand), pain (5, then walk) and idle (0, no successor named).
    void writeHero();

    TempDir directory;

private:
    std::string previousDirectory;
};

#endif
