#include <gtest/gtest.h>

#include "ReplayKeys.h"
#include "game/ui/KTKeySymbols.h"

TEST(ReplayKeys, ReadsWhatItWritesAndKeepsToThePlayKeys)
{
    ReplayKeys keys;
    keys.level = 3;
    keys.seed = 7;
    keys.frames = 40;
    keys.comments = {"# a level"};
    keys.events = {{0, true, KTKey::Up}, {0, true, KTKey::LeftShift}, {12, false, KTKey::Up}, {39, true, KTKey::C}};
    std::string error;
    const ReplayKeys back = ReplayKeys::parse(keys.write(), error);
    ASSERT_EQ(error, "");
    EXPECT_EQ(back.level, 3);
    EXPECT_EQ(back.seed, 7u);
    EXPECT_EQ(back.frames, 40);
    EXPECT_EQ(back.comments, keys.comments);
    ASSERT_EQ(back.events.size(), 4u);
    EXPECT_EQ(back.events[2].frame, 12);
    EXPECT_FALSE(back.events[2].down);
    EXPECT_EQ(back.events[3].key, KTKey::C);

    // Skipping a level, pausing or a sound key is no way to finish one.
    EXPECT_EQ(replayKeyOfName("F6"), -1);
    EXPECT_EQ(replayKeyName(KTKey::F6), "");
    EXPECT_EQ(replayKeyName(KTKey::Escape), "");
}

TEST(ReplayKeys, RefusesWhatIsNoRecording)
{
    const char* const broken[] = {
        "level 0\nframes 10\n3 down F6\n",        // not a play key
        "level 0\nframes 10\n5 down Up\n3 up Up\n", // frames out of order
        "level 0\nframes 10\n10 down Up\n",       // after the last frame
        "level 0\nframes 10\n3 sideways Up\n",
        "level 0\nframes 10\n3 down Up extra\n",
        "frames 10\n",                            // no level
        "level 0\n",                              // no frame count
    };
    for (const char* text : broken) {
        std::string error;
        ReplayKeys::parse(text, error);
        EXPECT_NE(error, "") << text;
    }
}
