#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <string>

#include "engine/core/VXLog.h"
#include "engine/math/VXQuat.h"
#include "game/audio/KTSoundId.h"
#include "game/level/KTPhysicsObject.h"
#include "game/objects/KTBlockMissile.h"
#include "tests/game/audio/AudioDevice.h"
#include "tests/game/level/SceneFixture.h"

namespace {


class LevelKeysTest : public SceneTest {
protected:
    KTMainCharacter& player() { return *scene.player; }

    // Places the player's body at `height` at rest.
    void standAt(float height, bool grounded)
    {
        player().physicsObject->position.y() = height;
        player().physicsObject->velocity = VXVec4(0, 0, 0, 1);
        player().grounded = grounded;
    }

    int missileCount() const
    {
        int n = 0;
        for (const auto& entry : scene.world->objectMap) {
            n += dynamic_cast<KTBlockMissile*>(entry.second) != nullptr ? 1 : 0;
        }
        return n;
    }

    KTBlockMissile* lastMissile() const
    {
        KTBlockMissile* found = nullptr;
        for (const auto& entry : scene.world->objectMap) {
            if (KTBlockMissile* m = dynamic_cast<KTBlockMissile*>(entry.second)) {
                found = m;
            }
        }
        return found;
    }

    std::string pressCapturing(int key)
    {
        VXLogCapture logged;
        levelKey(key);
        return logged.text();
    }
};

} // namespace

TEST_F(LevelKeysTest, ArrowsBuildTheMovementRequestAndReleasesUndoIt)
{
    KTMovementRequest& m = scene.movement;
    EXPECT_EQ(m.dx, 0);
    EXPECT_EQ(m.dz, 0);
    EXPECT_TRUE(m.walk);
    // key, down?, dx, dz after it
    const struct {
        int key;
        bool down;
        int dx;
        int dz;
    } steps[] = {
        {KTKey::Right, true, 1, 0},  {KTKey::Left, true, 0, 0},    {KTKey::Left, false, 1, 0},
        {KTKey::Right, false, 0, 0}, {KTKey::Up, true, 0, 1},      {KTKey::Down, true, 0, 0},
        {KTKey::Up, false, 0, -1},   {KTKey::Down, false, 0, 0},   {KTKey::Left, true, -1, 0},
        {KTKey::Up, true, -1, 1},    {KTKey::Left, false, 0, 1},   {KTKey::Up, false, 0, 0},
    };
    int n = 0;
    for (const auto& s : steps) {
        if (s.down) {
            levelKey(s.key);
        } else {
            levelKeyUp(s.key);
        }
        EXPECT_EQ(m.dx, s.dx) << "step " << n;
        EXPECT_EQ(m.dz, s.dz) << "step " << n;
        ++n;
    }
}

TEST_F(LevelKeysTest, UnbalancedArrowsStayWithinTheDirectionTable)
{
    KTMovementRequest& m = scene.movement;
    levelKey(KTKey::Up);
    levelKey(KTKey::Up);
    EXPECT_EQ(m.dz, 1);
    levelKeyUp(KTKey::Down);
    EXPECT_EQ(m.dz, 1);
    for (int i = 0; i < 3; ++i) {
        levelKeyUp(KTKey::Right);
    }
    EXPECT_EQ(m.dx, 0) << "releases whose press was not counted undo nothing";
    levelKey(KTKey::Left);
    EXPECT_EQ(m.dx, -1);
}

TEST_F(LevelKeysTest, ShiftAndCtrlHoldTheWalkWhileDown)
{
    for (int key : {KTKey::RightShift, KTKey::LeftShift, KTKey::RightCtrl, KTKey::LeftCtrl}) {
        levelKey(key);
        EXPECT_FALSE(scene.movement.walk) << key;
        levelKeyUp(key);
        EXPECT_TRUE(scene.movement.walk) << key;
    }
}

TEST_F(LevelKeysTest, JumpImpulsesDependOnHeightAndGround)
{
    const float full = 7.9f;
    const float low = 2.6333334f;
    // height, grounded, expected upward velocity
    const struct {
        float height;
        bool grounded;
        float rise;
    } cases[] = {
        {10.0f, false, full + low}, {14.9f, true, full + low}, {15.0f, false, full}, {29.0f, false, full},
        {45.0f, true, full},        {45.0f, false, 0.0f},      {30.0f, false, 0.0f},
    };
    for (const auto& c : cases) {
        standAt(c.height, c.grounded);
        sounds.played.clear();
        levelKey(KTKey::Space);
        EXPECT_NEAR(player().physicsObject->velocity.y(), c.rise, 1e-5f) << "height " << c.height;
        EXPECT_FALSE(player().grounded) << "height " << c.height;
        // The jump sound plays whether or not the jump was allowed.
        ASSERT_EQ(sounds.played.size(), 1u);
        EXPECT_EQ(sounds.played[0].id, KTSoundId::PlayerJump);
        EXPECT_TRUE(sounds.played[0].positional);
    }
}

TEST_F(LevelKeysTest, EachFireKeySpendsItsOwnCounterOnItsOwnMissile)
{
    const struct {
        int key;
        int KTMainCharacter::*counter;
        int type;
        int sound;
    } keys[] = {
        {KTKey::Return, &KTMainCharacter::greyAmmo, 1, KTSoundId::PlayerFireBlueMissile},
        {KTKey::Z, &KTMainCharacter::greyAmmo, 1, KTSoundId::PlayerFireBlueMissile},
        {KTKey::X, &KTMainCharacter::destroyAmmo, 9, KTSoundId::PlayerFireDestroyMissile},
        {KTKey::C, &KTMainCharacter::redAmmo, 0, KTSoundId::PlayerFireRedMissile},
    };
    for (const auto& k : keys) {
        player().greyAmmo = 0;
        player().destroyAmmo = 0;
        player().redAmmo = 0;
        player().*k.counter = 2;
        sounds.played.clear();
        const int before = missileCount();
        const std::string out = pressCapturing(k.key);
        EXPECT_EQ(missileCount(), before + 1) << k.key;
        EXPECT_EQ(lastMissile()->missileType, k.type) << k.key;
        EXPECT_EQ(player().*k.counter, 1) << k.key;
        EXPECT_EQ(player().greyAmmo + player().destroyAmmo + player().redAmmo, 1) << "only its own counter";
        EXPECT_EQ(sounds.countOf(k.sound), 1) << k.key;
        EXPECT_NE(out.find("Missile Orientation: ("), std::string::npos) << k.key;
    }
}

TEST_F(LevelKeysTest, AMissileStartsAheadOfThePlayerInItsFacingAndIsRegistered)
{
    player().orientation = VXQuat::fromAngleAxis(1.5707964f, 0, 1, 0);
    player().position = VXVec4(300, 45, 300, 1);
    player().greyAmmo = 1;
    const int id = scene.world->nextId;
    const std::string out = pressCapturing(KTKey::Return);
    EXPECT_EQ(out, "Missile Orientation: (0, 0.707107, 0)\n");
    KTBlockMissile* missile = lastMissile();
    ASSERT_NE(missile, nullptr);
    // (0, -5, 25) turned a quarter about y.
    EXPECT_NEAR(missile->position.x(), 325.0f, 1e-3f);
    EXPECT_NEAR(missile->position.y(), 40.0f, 1e-3f);
    EXPECT_NEAR(missile->position.z(), 300.0f, 1e-3f);
    EXPECT_FLOAT_EQ(missile->orientation.y(), player().orientation.y());
    EXPECT_FLOAT_EQ(missile->orientation.w(), player().orientation.w());
    EXPECT_EQ(scene.world->findObject(id), missile);
    EXPECT_EQ(missile->objectId, id);
    EXPECT_EQ(missile->body.id, id) << "map key and body id agree";
    EXPECT_EQ(scene.world->nextId, id + 1);
    EXPECT_EQ(player().greyAmmo, 0);
}

TEST_F(LevelKeysTest, AnEmptyCounterOnlyClicks)
{
    player().greyAmmo = 0;
    const int before = missileCount();
    const std::string out = pressCapturing(KTKey::Return);
    EXPECT_EQ(missileCount(), before);
    EXPECT_EQ(player().greyAmmo, 0);
    ASSERT_EQ(sounds.played.size(), 1u);
    EXPECT_EQ(sounds.played[0].id, KTSoundId::PlayerNoAmmo);
    EXPECT_EQ(out, "");
}

TEST_F(LevelKeysTest, FiringWhileDeadSpendsAmmunitionButMakesNoMissileAndNoFireSound)
{
    player().health = 0;
    player().redAmmo = 1;
    const int before = missileCount();
    const std::string out = pressCapturing(KTKey::C);
    EXPECT_EQ(missileCount(), before);
    EXPECT_EQ(player().redAmmo, 0);
    EXPECT_TRUE(sounds.played.empty());
    EXPECT_EQ(out, "");
    // A counter a script set beyond the bound comes back within it.
    player().health = 4;
    player().destroyAmmo = 5000;
    pressCapturing(KTKey::X);
    EXPECT_EQ(player().destroyAmmo, 999);
}

TEST_F(LevelKeysTest, CameraKeysTurnByQuartersAndZoomWithinTheBand)
{
    KTCameraRig& camera = scene.camera;
    levelKey(KTKey::A);
    EXPECT_FLOAT_EQ(camera.angle, -1.5707964f);
    levelKey(KTKey::D);
    levelKey(KTKey::D);
    EXPECT_FLOAT_EQ(camera.angle, 1.5707964f);

    camera.offset = VXVec4(0, 100, -250, 1);
    levelKey(KTKey::W);
    EXPECT_FLOAT_EQ(camera.zoom, -1.0f);
    EXPECT_FLOAT_EQ(camera.offset.y(), 97.0f);
    EXPECT_FLOAT_EQ(camera.offset.z(), -248.25f);
    levelKeyUp(KTKey::W);
    EXPECT_FLOAT_EQ(camera.zoom, 0.0f);

    camera.offset = VXVec4(0, 50, -250, 1);
    levelKey(KTKey::W);
    EXPECT_FLOAT_EQ(camera.offset.y(), 50.0f) << "w at exactly 50 only zooms";
    EXPECT_FLOAT_EQ(camera.zoom, -1.0f);
    levelKeyUp(KTKey::W);

    camera.offset = VXVec4(0, 500, -250, 1);
    levelKey(KTKey::S);
    EXPECT_FLOAT_EQ(camera.offset.y(), 500.0f) << "s at exactly 500 only zooms";
    EXPECT_FLOAT_EQ(camera.zoom, 1.0f);
    levelKeyUp(KTKey::S);
    camera.offset = VXVec4(0, 499, -250, 1);
    levelKey(KTKey::S);
    EXPECT_FLOAT_EQ(camera.offset.y(), 502.0f) << "one step beyond the bound";
    EXPECT_FLOAT_EQ(camera.offset.z(), -251.75f);
    levelKeyUp(KTKey::S);
    EXPECT_FLOAT_EQ(camera.zoom, 0.0f);
}

TEST_F(LevelKeysTest, EscapeOpensThePausePageOnlyOnceAGameHasStarted)
{
    scene.menuMode = false;
    scene.menuPage = 0;
    scene.highlightedItem = 3;
    levelKey(KTKey::Escape);
    EXPECT_TRUE(scene.menuMode);
    EXPECT_EQ(scene.menuPage, 0) << "before a game the page stays";
    EXPECT_EQ(scene.highlightedItem, 3);

    scene.menuMode = false;
    scene.gameStarted = true;
    scene.page(6)->selected = 2;
    levelKey(KTKey::Escape);
    EXPECT_TRUE(scene.menuMode);
    EXPECT_EQ(scene.menuPage, 6);
    EXPECT_EQ(scene.menuInput->currentPage, scene.page(6));
    EXPECT_EQ(scene.page(6)->selected, 0);
    EXPECT_EQ(scene.highlightedItem, 0);
    EXPECT_FLOAT_EQ(scene.highlightFirst.y(), 0.33f);
    EXPECT_FLOAT_EQ(scene.highlightSecond.y(), 0.48f);
}

TEST_F(LevelKeysTest, LevelKeysGoBackForwardAndReload)
{
    scene.world->scriptReader->levelName.clear();
    pressCapturing(KTKey::F5);
    EXPECT_EQ(scene.levelIndex, 0) << "F5 at 0 reloads 0";
    EXPECT_EQ(loadedLevel(), "Level0");
    pressCapturing(KTKey::F6);
    EXPECT_EQ(scene.levelIndex, 1);
    EXPECT_EQ(loadedLevel(), "Level1");
    EXPECT_EQ(scene.highestLevel, 1);
    player().health = 2;
    pressCapturing(KTKey::F12);
    EXPECT_EQ(scene.levelIndex, 1);
    EXPECT_EQ(player().health, 4);
    pressCapturing(KTKey::F5);
    EXPECT_EQ(scene.levelIndex, 0);
    EXPECT_EQ(loadedLevel(), "Level0");
    EXPECT_EQ(scene.highestLevel, 1);
}

TEST_F(LevelKeysTest, TheQuitEventEndsTheLoop)
{
    scene.levelInput->onQuit();
    EXPECT_EQ(scene.loopCode, -1);
}

TEST_F(LevelKeysTest, MusicAndVolumeKeysWorkOnTheMixer)
{
    AudioDevice audio;
    ASSERT_TRUE(audio.open);
    Mix_VolumeMusic(60);
    Mix_Volume(-1, 60);
    levelKey(KTKey::Plus);
    EXPECT_EQ(Mix_VolumeMusic(-1), 70);
    levelKey(KTKey::Equals);
    EXPECT_EQ(Mix_VolumeMusic(-1), 80);
    levelKey(KTKey::Minus);
    EXPECT_EQ(Mix_VolumeMusic(-1), 70);
    levelKey(KTKey::Zero);
    EXPECT_EQ(Mix_Volume(0, -1), 70);
    levelKey(KTKey::Nine);
    levelKey(KTKey::Nine);
    EXPECT_EQ(Mix_Volume(7, -1), 50);

    // Without a track 'm' does nothing; 'n' starts one, 'm' pauses and resumes it.
    ASSERT_EQ(scene.music, nullptr);
    levelKey(KTKey::M);
    EXPECT_EQ(Mix_PausedMusic(), 0);
    levelKey(KTKey::N);
    ASSERT_NE(scene.music, nullptr);
    EXPECT_GE(scene.lastTrack, 0);
    levelKey(KTKey::M);
    EXPECT_EQ(Mix_PausedMusic(), 1);
    levelKey(KTKey::M);
    EXPECT_EQ(Mix_PausedMusic(), 0);
    const int previous = scene.lastTrack;
    levelKey(KTKey::N);
    EXPECT_NE(scene.lastTrack, previous);
    Mix_HaltMusic();
}

TEST_F(LevelKeysTest, OtherKeysDoNothing)
{
    const KTMovementRequest before = scene.movement;
    for (int key : {98, 101, 282, 288, 1}) {
        levelKey(key);
        levelKeyUp(key);
    }
    EXPECT_EQ(scene.movement.dx, before.dx);
    EXPECT_EQ(scene.movement.dz, before.dz);
    EXPECT_FLOAT_EQ(scene.camera.angle, 0.0f);
    EXPECT_EQ(scene.loopCode, 0);
    EXPECT_EQ(scene.levelIndex, 0);
    EXPECT_TRUE(sounds.played.empty());
}
