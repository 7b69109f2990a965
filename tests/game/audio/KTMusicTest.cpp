#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <filesystem>
#include <set>
#include <string>

#include "AudioDevice.h"
#include "engine/core/VXLog.h"
#include "game/audio/KTMusic.h"
#include "game/audio/KTSoundTable.h"
#include "game/level/KTLevelScene.h"
#include "platform/HostPath.h"
#include "platform/HostRandom.h"
#include "support/TempDir.h"

namespace {

class MusicTest : public ::testing::Test {
protected:
    AudioDevice device;
    int lastTrack = -1;
    Mix_Music* music = nullptr;

    void SetUp() override { ASSERT_TRUE(device.open) << SDL_GetError(); }

    void TearDown() override
    {
        if (music != nullptr) {
            Mix_FreeMusic(music);
        }
    }

    static int musicAfter(void (*step)(), int volume)
    {
        Mix_VolumeMusic(volume);
        step();
        return Mix_VolumeMusic(-1);
    }

    // The effects volume after `step`, once every one of the eight channels
    // has been checked to hold it.
    static int effectsAfter(void (*step)(), int volume)
    {
        Mix_Volume(-1, volume);
        step();
        const int level = Mix_Volume(0, -1);
        for (int channel = 1; channel < KT_EFFECT_CHANNEL_COUNT; ++channel) {
            EXPECT_EQ(Mix_Volume(channel, -1), level) << "channel " << channel;
        }
        return level;
    }
};

} // namespace

TEST_F(MusicTest, MusicStepsStopAtZeroAndAt127)
{
    EXPECT_EQ(musicAfter(musicVolumeDown, 10), 0);
    EXPECT_EQ(musicAfter(musicVolumeDown, 11), 1);
    EXPECT_EQ(musicAfter(musicVolumeDown, 0), 0);
    EXPECT_EQ(musicAfter(musicVolumeDown, 128), 118);
    EXPECT_EQ(musicAfter(musicVolumeUp, 116), 126);
    EXPECT_EQ(musicAfter(musicVolumeUp, 117), 127);
    EXPECT_EQ(musicAfter(musicVolumeUp, 128), 127);
    EXPECT_EQ(musicAfter(musicVolumeUp, 0), 10);
}

TEST_F(MusicTest, EffectStepsMoveAllEightChannels)
{
    EXPECT_EQ(effectsAfter(effectsVolumeDown, 5), 0);
    EXPECT_EQ(effectsAfter(effectsVolumeDown, 11), 1);
    EXPECT_EQ(effectsAfter(effectsVolumeUp, 116), 126);
    EXPECT_EQ(effectsAfter(effectsVolumeUp, 128), 127);
    // Steps leave the music alone, and the other way round.
    Mix_VolumeMusic(50);
    effectsVolumeDown();
    EXPECT_EQ(Mix_VolumeMusic(-1), 50);
    Mix_Volume(-1, 70);
    musicVolumeUp();
    EXPECT_EQ(Mix_Volume(0, -1), 70);
}

TEST_F(MusicTest, TheSceneStartingStepsGiveEffects68AndMusic38)
{
    Mix_Volume(-1, MIX_MAX_VOLUME);
    Mix_VolumeMusic(MIX_MAX_VOLUME);
    for (int i = 0; i < 6; ++i) {
        effectsVolumeDown();
    }
    for (int i = 0; i < 9; ++i) {
        musicVolumeDown();
    }
    EXPECT_EQ(Mix_Volume(7, -1), 68);
    EXPECT_EQ(Mix_VolumeMusic(-1), 38);
}

TEST_F(MusicTest, PresetsSetBothOrOnlyTheEffects)
{
    Mix_VolumeMusic(90);
    EXPECT_EQ(effectsAfter(setVolumePresetLowEffects, 100), 32);
    EXPECT_EQ(effectsAfter(setVolumePresetMediumEffects, 100), 64);
    EXPECT_EQ(effectsAfter(setVolumePresetHighEffects, 100), 128);
    EXPECT_EQ(Mix_VolumeMusic(-1), 90);

    EXPECT_EQ(effectsAfter(setVolumePresetLowAll, 100), 32);
    EXPECT_EQ(Mix_VolumeMusic(-1), 32);
    EXPECT_EQ(effectsAfter(setVolumePresetMediumAll, 100), 64);
    EXPECT_EQ(Mix_VolumeMusic(-1), 64);
    EXPECT_EQ(effectsAfter(setVolumePresetHighAll, 100), 128);
    EXPECT_EQ(Mix_VolumeMusic(-1), 128);
}

TEST_F(MusicTest, EveryPlaylistTrackIsInTheGameDirectory)
{
    for (int i = 0; i < KT_PLAYLIST_LENGTH; ++i) {
        const std::string path = playlistPath(i);
        EXPECT_EQ(path.rfind("data/music/", 0), 0u) << path;
        EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path;
    }
    EXPECT_EQ(std::string(playlistPath(0)), "data/music/TQ_Open_My_Eyes.wav");
    EXPECT_EQ(std::string(playlistPath(12)), "data/music/The_rise_of__.wav");
    EXPECT_EQ(std::string(playlistPath(KT_PLAYLIST_LENGTH)), "");
}

TEST_F(MusicTest, TheFirstDrawIsTakenAndTheTrackPlays)
{
    hostSrand(4321);
    const int expected = hostRand() % KT_PLAYLIST_LENGTH;
    hostSrand(4321);
    playRandomTrack(lastTrack, music);
    EXPECT_EQ(lastTrack, expected);
    ASSERT_NE(music, nullptr) << Mix_GetError();
    EXPECT_EQ(Mix_PlayingMusic(), 1);
}

TEST_F(MusicTest, NoTrackRepeatsInAThousandDraws)
{
    hostSrand(77);
    std::set<int> seen;
    int previous = -1;
    for (int draw = 0; draw < 1000; ++draw) {
        playRandomTrack(lastTrack, music);
        ASSERT_NE(lastTrack, previous) << "draw " << draw;
        ASSERT_GE(lastTrack, 0);
        ASSERT_LT(lastTrack, KT_PLAYLIST_LENGTH);
        ASSERT_NE(music, nullptr);
        seen.insert(lastTrack);
        previous = lastTrack;
    }
    EXPECT_EQ(seen.size(), static_cast<size_t>(KT_PLAYLIST_LENGTH));
    EXPECT_EQ(Mix_PlayingMusic(), 1);
}

TEST_F(MusicTest, TheSceneFormKeepsTheTrackInTheScene)
{
    KTLevelScene scene;
    ASSERT_EQ(scene.lastTrack, -1);
    playRandomTrack(scene);
    const int first = scene.lastTrack;
    EXPECT_GE(first, 0);
    EXPECT_LT(first, KT_PLAYLIST_LENGTH);
    ASSERT_NE(scene.music, nullptr) << Mix_GetError();
    playRandomTrack(&scene);
    EXPECT_NE(scene.lastTrack, first);
    EXPECT_NE(scene.music, nullptr);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    playRandomTrack(static_cast<KTLevelScene*>(nullptr));
    // The handle is the fixture's to free.
    music = scene.music;
    scene.music = nullptr;
}

TEST_F(MusicTest, ATrackThatFailsToLoadLeavesNoHandleAndNothingPlaying)
{
    playRandomTrack(lastTrack, music);
    ASSERT_NE(music, nullptr);
    const int first = lastTrack;

    char buffer[PATH_MAX];
    ASSERT_NE(getcwd(buffer, sizeof buffer), nullptr);
    TempDir empty;
    ASSERT_EQ(chdir(empty.path().c_str()), 0);
    playRandomTrack(lastTrack, music);
    const bool playing = Mix_PlayingMusic() != 0;
    ASSERT_EQ(chdir(buffer), 0);

    EXPECT_EQ(music, nullptr);
    EXPECT_NE(lastTrack, first);
    EXPECT_FALSE(playing);
    // The next try, with the files back, plays again.
    playRandomTrack(lastTrack, music);
    EXPECT_NE(music, nullptr);
}

TEST_F(MusicTest, AMissingTrackIsNamedOnceHoweverOftenItIsTried)
{
    char buffer[PATH_MAX];
    ASSERT_NE(getcwd(buffer, sizeof buffer), nullptr);
    TempDir empty;
    ASSERT_EQ(chdir(empty.path().c_str()), 0);
    VXLogCapture logged;
    // Every track is drawn in a thousand tries, most of them many times.
    for (int i = 0; i < 1000; ++i) {
        playRandomTrack(lastTrack, music);
    }
    const std::string log = logged.text();
    ASSERT_EQ(chdir(buffer), 0);
    EXPECT_EQ(music, nullptr);
    int named = 0;
    for (int i = 0; i < KT_PLAYLIST_LENGTH; ++i) {
        const std::string line = std::string("Unable to load music file: ") + playlistPath(i) + " (";
        const size_t at = log.find(line);
        named += at != std::string::npos ? 1 : 0;
        EXPECT_TRUE(at == std::string::npos || log.find(line, at + 1) == std::string::npos) << "named twice: " << line;
    }
    // A track named once by an earlier test in this process is not named again.
    EXPECT_GE(named, KT_PLAYLIST_LENGTH - 1);
}

TEST(MusicWithoutAudio, EveryCallIsANoOp)
{
    ASSERT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 0);
    int lastTrack = -1;
    Mix_Music* music = nullptr;
    playRandomTrack(lastTrack, music);
    musicVolumeDown();
    musicVolumeUp();
    effectsVolumeDown();
    effectsVolumeUp();
    setVolumePresetLowAll();
    setVolumePresetHighEffects();
    EXPECT_EQ(lastTrack, -1);
    EXPECT_EQ(music, nullptr);
}
