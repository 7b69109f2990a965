// Every shipped level finished by its recorded key sequence, frame by frame
// through the real level scene: the goal is reached and the player never
// dies on the way.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "ReplayKeys.h"
#include "ReplaySession.h"
#include "game/level/KTLevelScene.h"
#include "game/objects/KTMainCharacter.h"
#include "support/TempDir.h"

namespace {

const int ShippedLevels = 10;

std::string keysPath(int level)
{
    char name[32];
    std::snprintf(name, sizeof name, "/Level%02d.keys", level + 1);
    return std::string(VANTOREL_REPLAY_KEYS) + name;
}

class LevelReplay : public ::testing::TestWithParam<int> {};

} // namespace

TEST_P(LevelReplay, ReachesTheGoalWithoutDying)
{
    const int level = GetParam();
    const std::string text = readWholeFile(keysPath(level));
    if (text.empty()) {
        GTEST_SKIP() << "no recorded sequence for this level: " << keysPath(level);
    }
    std::string error;
    const ReplayKeys keys = ReplayKeys::parse(text, error);
    ASSERT_EQ(error, "") << keysPath(level);
    ASSERT_EQ(keys.level, level);

    ASSERT_TRUE(ReplaySession::openGame());
    ASSERT_EQ(ReplaySession::shippedLevelCount(), ShippedLevels);
    ReplaySession session;
    session.begin(level, keys.seed);
    KTLevelScene& scene = ReplaySession::scene();
    ASSERT_EQ(scene.levelIndex, level);

    const auto start = std::chrono::steady_clock::now();
    size_t next = 0;
    std::vector<ReplayEvent> events;
    while (session.frameNumber() < keys.frames) {
        events.clear();
        while (next < keys.events.size() && keys.events[next].frame == session.frameNumber()) {
            events.push_back(keys.events[next++]);
        }
        if (!session.frame(events)) {
            break;
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("level %d: %d frames in %.2f s\n", level + 1, session.frameNumber(), seconds);

    EXPECT_FALSE(session.playerDied()) << "died on frame " << session.frameNumber();
    EXPECT_TRUE(session.goalReached()) << "no goal in " << session.frameNumber() << " frames";
    EXPECT_EQ(scene.levelIndex, level + 1);
    EXPECT_EQ(next, keys.events.size()) << "the goal came before the last key";
}

// The first view of a level, the help panel and HUD aside, shows the level
// everywhere: the floor reaches under the whole picture, with no black void
// beyond its edges.
TEST_P(LevelReplay, StartsWithTheFloorUnderTheWholeView)
{
    const int level = GetParam();
    ASSERT_TRUE(ReplaySession::openGame());
    ReplaySession session;
    session.begin(level, 1);
    ASSERT_TRUE(session.frame({}));
    const std::vector<unsigned char> view = ReplaySession::picture(false);
    EXPECT_EQ(ReplaySession::emptyShare(view, ReplaySession::PictureHeight), 0.0);
}

INSTANTIATE_TEST_SUITE_P(ShippedLevels, LevelReplay, ::testing::Range(0, ShippedLevels),
                         [](const ::testing::TestParamInfo<int>& info) {
                             char name[32];
                             std::snprintf(name, sizeof name, "Level%02d", info.param + 1);
                             return std::string(name);
                         });
