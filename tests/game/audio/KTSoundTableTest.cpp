#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "AudioDevice.h"
#include "engine/core/VXLog.h"
#include "game/audio/KTSoundTable.h"
#include "game/objects/KTMainCharacter.h"

namespace {

const std::string LOAD_MESSAGE = "Unable to load WAV file: ";

class SoundTableTest : public ::testing::Test {
protected:
    AudioDevice device;
    KTSoundTable bank;
    KTMainCharacter player;

    void SetUp() override
    {
        ASSERT_TRUE(device.open) << SDL_GetError();
        bank.loadAll();
        player.position = VXVec4(300, 40, 300, 1);
        bank.listener = &player;
        Mix_Volume(-1, 100);
    }

    // The level the mixer holds for the last playback; -1 when none started.
    int lastLevel() const
    {
        if (bank.lastChannel < 0 || Mix_GetChunk(bank.lastChannel) == nullptr) {
            return -1;
        }
        return Mix_GetChunk(bank.lastChannel)->volume;
    }

    // Plays `id` at `offset` from the listener and returns the level it got.
    int levelAt(int id, const VXVec4& offset)
    {
        bank.playAt(id, player.position + offset);
        EXPECT_NE(bank.current, nullptr);
        EXPECT_EQ(Mix_GetChunk(bank.lastChannel), bank.current);
        return lastLevel();
    }
};

} // namespace

TEST_F(SoundTableTest, TheTableHoldsSeventyIdsWithTwoSharedFiles)
{
    ASSERT_EQ(bank.paths.size(), 70u);
    EXPECT_EQ(bank.paths.begin()->first, KTSoundId::First);
    EXPECT_EQ(bank.paths.rbegin()->first, KTSoundId::Last);
    EXPECT_EQ(bank.paths[111], "Data\\Sounds\\Player\\PlayerJump.wav");
    EXPECT_EQ(bank.paths[119], bank.paths[120]);
    EXPECT_EQ(bank.paths[147], bank.paths[148]);
    EXPECT_EQ(bank.current, nullptr);
    EXPECT_EQ(bank.lastChannel, 0);
}

TEST_F(SoundTableTest, EveryIdPlaysFromTheGeneratedData)
{
    VXLogCapture logged;
    for (int id = KTSoundId::First; id <= KTSoundId::Last; ++id) {
        bank.play(id);
        EXPECT_GE(bank.lastChannel, 0) << id;
        Mix_HaltChannel(-1);
    }
    EXPECT_EQ(logged.text(), "");
}

TEST_F(SoundTableTest, PlayAtIsFullWithin120UnitsAndFallsAsOneOverDistance)
{
    EXPECT_EQ(levelAt(KTSoundId::BlockCreate, VXVec4(0, 0, 0, 1)), 100);
    EXPECT_EQ(levelAt(KTSoundId::BlockCreate, VXVec4(119, 0, 0, 1)), 100);
    EXPECT_EQ(levelAt(KTSoundId::BlockCreate, VXVec4(0, 0, -120, 1)), 100);
    // 3-4-5: 240 units off the axes.
    EXPECT_EQ(levelAt(KTSoundId::BlockCreate, VXVec4(144, 192, 0, 1)), 50);
    EXPECT_EQ(levelAt(KTSoundId::BlockCreate, VXVec4(0, 0, 360, 1)), 33);
    // The effects volume is read at each play.
    Mix_Volume(-1, 68);
    EXPECT_EQ(levelAt(KTSoundId::BlockCreate, VXVec4(0, 240, 0, 1)), 34);
}

TEST_F(SoundTableTest, EachPlaybackKeepsItsOwnLevel)
{
    bank.playAt(KTSoundId::BlockExplode, player.position + VXVec4(0, 0, 240, 1));
    const int far = bank.lastChannel;
    bank.playAt(KTSoundId::BlockExplode, player.position);
    const int near = bank.lastChannel;
    bank.play(KTSoundId::BlockExplode);
    const int plain = bank.lastChannel;

    ASSERT_GE(far, 0);
    ASSERT_GE(near, 0);
    ASSERT_GE(plain, 0);
    EXPECT_NE(far, near);
    EXPECT_NE(near, plain);
    EXPECT_EQ(Mix_GetChunk(far)->volume, 50);
    EXPECT_EQ(Mix_GetChunk(near)->volume, 100);
    // A plain play is at the channels' level alone, whatever the sound's
    // last positional play was.
    EXPECT_EQ(Mix_GetChunk(plain)->volume, MIX_MAX_VOLUME);
    // One decoded sound serves all three.
    EXPECT_EQ(Mix_GetChunk(far)->abuf, Mix_GetChunk(plain)->abuf);
}

TEST_F(SoundTableTest, Ids119And120PlayTheSameFile)
{
    bank.play(KTSoundId::ZealotSight);
    const int first = bank.lastChannel;
    bank.play(KTSoundId::ZealotSightAgain);
    const int second = bank.lastChannel;
    ASSERT_GE(first, 0);
    ASSERT_GE(second, 0);
    EXPECT_NE(first, second);
    EXPECT_EQ(Mix_GetChunk(first)->abuf, Mix_GetChunk(second)->abuf);
    EXPECT_EQ(Mix_GetChunk(first)->alen, Mix_GetChunk(second)->alen);
}

TEST_F(SoundTableTest, AnUnknownIdIsEnteredEmptyAndReportedOnEveryPlay)
{
    VXLogCapture logged;
    bank.play(500);
    bank.playAt(500, player.position);
    const std::string output = logged.text();

    ASSERT_EQ(bank.paths.count(500), 1u);
    EXPECT_EQ(bank.paths[500], "");
    EXPECT_EQ(bank.paths.size(), 71u);
    EXPECT_EQ(output.rfind(LOAD_MESSAGE, 0), 0u) << output;
    EXPECT_NE(output.find("\n" + LOAD_MESSAGE), std::string::npos) << output;
    EXPECT_EQ(bank.current, nullptr);
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(SoundTableTest, AMissingFileNamesItselfAndPlaysNothing)
{
    bank.paths[KTSoundId::PlayerJump] = "Data\\Sounds\\Player\\NoSuchJump.wav";
    bank.play(KTSoundId::PlayerLand);
    ASSERT_GE(bank.lastChannel, 0);
    Mix_HaltChannel(-1);

    VXLogCapture logged;
    bank.play(KTSoundId::PlayerJump);
    const std::string output = logged.text();
    EXPECT_EQ(output.rfind(LOAD_MESSAGE, 0), 0u) << output;
    EXPECT_NE(output.find("NoSuchJump.wav"), std::string::npos) << output;
    EXPECT_EQ(bank.current, nullptr);
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(SoundTableTest, WithEveryChannelBusyTheEffectIsDropped)
{
    for (int i = 0; i < KT_EFFECT_CHANNEL_COUNT; ++i) {
        bank.play(KTSoundId::BlockExplode);
        ASSERT_EQ(bank.lastChannel, i);
    }
    // Paused channels stay busy, however short the sound.
    Mix_Pause(-1);
    bank.playAt(KTSoundId::BlockCreate, player.position);
    EXPECT_EQ(bank.lastChannel, -1);
    EXPECT_EQ(bank.current, nullptr);
    EXPECT_EQ(Mix_Playing(-1), KT_EFFECT_CHANNEL_COUNT);
}

TEST_F(SoundTableTest, WithoutAListenerPositionalEffectsPlayAtTheEffectsVolume)
{
    bank.listener = nullptr;
    bank.playAt(KTSoundId::ItemUp, VXVec4(5000, 0, 0, 1));
    EXPECT_EQ(lastLevel(), 100);
}

TEST_F(SoundTableTest, TheGlobalBankIsReachedThroughThePlayFunctions)
{
    setSoundTable(&bank);
    playSoundAt(KTSoundId::ItemUp, player.position + VXVec4(0, 480, 0, 1));
    EXPECT_EQ(lastLevel(), 25);
    playSound(KTSoundId::ItemUp);
    EXPECT_EQ(lastLevel(), MIX_MAX_VOLUME);
    setSoundTable(nullptr);
    playSound(KTSoundId::ItemUp);
    EXPECT_EQ(soundTable(), nullptr);
}

TEST(SoundTableWithoutAudio, EveryPlayIsASilentNoOp)
{
    ASSERT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 0);
    KTSoundTable bank;
    bank.loadAll();
    KTMainCharacter player;
    player.position = VXVec4(0, 0, 0, 1);
    bank.listener = &player;

    VXLogCapture logged;
    bank.play(KTSoundId::PlayerJump);
    bank.playAt(KTSoundId::PlayerJump, VXVec4(500, 0, 0, 1));
    bank.play(500);
    EXPECT_EQ(logged.text(), "");
    EXPECT_EQ(bank.current, nullptr);
    EXPECT_EQ(bank.lastChannel, 0);
}
