#include "game/ui/KTLevelInput.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <iterator>

#include "engine/core/VXLog.h"
#include "engine/math/VXMath.h"
#include "engine/math/VXQuat.h"
#include "game/audio/KTMusic.h"
#include "game/audio/KTSoundId.h"
#include "game/audio/KTSoundTable.h"
#include "game/level/KTLevelScene.h"
#include "game/ui/KTKeySymbols.h"
#include "game/level/KTLevelWorld.h"
#include "game/level/KTMovementRequest.h"
#include "game/level/KTPhysicsObject.h"
#include "game/objects/KTBlockMissile.h"
#include "game/objects/KTMainCharacter.h"
#include "game/objects/KTMissileType.h"
#include "game/ui/YNMenuInput.h"
#include "game/ui/YNMenuPage.h"

namespace {

const float QuarterTurn = VX_PI / 2.0f;
// Jump: a full impulse from the ground or low down, a third more from the
// lowest layer.
const float JumpImpulse = 7.9f;
const float LowJumpImpulse = 2.6333334f;
const float JumpHeight = 30.0f;
const float LowJumpHeight = 15.0f;
// Each press of a zoom key moves the camera offset one step, taken only from
// a height above KeyZoomLowestY (in) or below KeyZoomHighestY (out).
const float KeyZoomLowestY = 50.0f;
const float KeyZoomHighestY = 500.0f;
// In the order of KTLevelInput::counted.
const int CountedKeys[] = {KTKey::Up, KTKey::Down, KTKey::Right, KTKey::Left, KTKey::W, KTKey::S};
const int WalkKeys[] = {KTKey::RightShift, KTKey::LeftShift, KTKey::RightCtrl, KTKey::LeftCtrl};

int countedSlot(int key)
{
    for (int i = 0; i < static_cast<int>(std::size(CountedKeys)); ++i) {
        if (CountedKeys[i] == key) {
            return i;
        }
    }
    return -1;
}

int fireSoundOf(int type)
{
    switch (type) {
    case KTMissileType::Red:
        return KTSoundId::PlayerFireRedMissile;
    case KTMissileType::Grey:
        return KTSoundId::PlayerFireBlueMissile;
    case KTMissileType::Destroy:
        return KTSoundId::PlayerFireDestroyMissile;
    default:
        return -1;
    }
}

} // namespace

KTLevelInput::KTLevelInput(KTLevelScene* owner, KTMovementRequest* request)
    : scene(owner), movement(request)
{
}

void KTLevelInput::onKeyDown(int key)
{
    KTMainCharacter* player = scene->player;
    switch (key) {
    case KTKey::Up:
        if (countPress(key)) {
            step(movement->dz, 1);
        }
        break;
    case KTKey::Down:
        if (countPress(key)) {
            step(movement->dz, -1);
        }
        break;
    case KTKey::Right:
        if (countPress(key)) {
            step(movement->dx, 1);
        }
        break;
    case KTKey::Left:
        if (countPress(key)) {
            step(movement->dx, -1);
        }
        break;
    case KTKey::RightShift:
    case KTKey::LeftShift:
    case KTKey::RightCtrl:
    case KTKey::LeftCtrl:
        movement->walk = false;
        break;
    case KTKey::Space:
        jump();
        break;
    case KTKey::Return:
    case KTKey::Z:
        if (player != nullptr) {
            fireFrom(player->greyAmmo, KTMissileType::Grey);
        }
        break;
    case KTKey::X:
        if (player != nullptr) {
            fireFrom(player->destroyAmmo, KTMissileType::Destroy);
        }
        break;
    case KTKey::C:
        if (player != nullptr) {
            fireFrom(player->redAmmo, KTMissileType::Red);
        }
        break;
    case KTKey::A:
        scene->camera.angle -= QuarterTurn;
        break;
    case KTKey::D:
        scene->camera.angle += QuarterTurn;
        break;
    case KTKey::W:
        zoom(key, -1.0f);
        break;
    case KTKey::S:
        zoom(key, 1.0f);
        break;
    case KTKey::M:
        if (scene->music != nullptr) {
            if (Mix_PausedMusic() != 0) {
                Mix_ResumeMusic();
            } else {
                Mix_PauseMusic();
            }
        }
        break;
    case KTKey::N:
        playRandomTrack(scene->lastTrack, scene->music);
        break;
    case KTKey::Plus:
    case KTKey::Equals:
        musicVolumeUp();
        break;
    case KTKey::Minus:
        musicVolumeDown();
        break;
    case KTKey::Zero:
        effectsVolumeUp();
        break;
    case KTKey::Nine:
        effectsVolumeDown();
        break;
    case KTKey::Escape:
        pause();
        break;
    case KTKey::F5:
        if (scene->levelIndex > 0) {
            scene->levelIndex -= 1;
        }
        scene->loadLevel();
        break;
    case KTKey::F6:
        scene->nextLevel();
        break;
    case KTKey::F12:
        scene->loadLevel();
        break;
    default:
        break;
    }
}

void KTLevelInput::onKeyUp(int key)
{
    if (countedSlot(key) >= 0 && !countRelease(key)) {
        return;
    }
    switch (key) {
    case KTKey::Left:
        step(movement->dx, 1);
        break;
    case KTKey::Right:
        step(movement->dx, -1);
        break;
    case KTKey::Up:
        step(movement->dz, -1);
        break;
    case KTKey::Down:
        step(movement->dz, 1);
        break;
    case KTKey::W:
        scene->camera.zoom += 1.0f;
        break;
    case KTKey::S:
        scene->camera.zoom -= 1.0f;
        break;
    case KTKey::RightShift:
    case KTKey::LeftShift:
    case KTKey::RightCtrl:
    case KTKey::LeftCtrl:
        movement->walk = true;
        break;
    default:
        break;
    }
}

void KTLevelInput::onQuit()
{
    scene->loopCode = -1;
}

void KTLevelInput::step(int& axis, int change)
{
    axis = std::clamp(axis + change, -1, 1);
}

void KTLevelInput::zoom(int key, float sign)
{
    KTCameraRig& camera = scene->camera;
    if (countPress(key)) {
        camera.zoom += sign;
    }
    const bool room = sign < 0.0f ? camera.offset.y() > KeyZoomLowestY : camera.offset.y() < KeyZoomHighestY;
    if (room) {
        VXVec4 step(0.0f, KTCameraRig::ZoomStepY, KTCameraRig::ZoomStepZ, 1.0f);
        step *= sign;
        camera.offset += step;
    }
}

bool KTLevelInput::countPress(int key)
{
    const int slot = countedSlot(key);
    if (slot < 0 || counted[slot]) {
        return false;
    }
    counted[slot] = true;
    return true;
}

bool KTLevelInput::countRelease(int key)
{
    const int slot = countedSlot(key);
    if (slot < 0 || !counted[slot]) {
        return false;
    }
    counted[slot] = false;
    return true;
}

void KTLevelInput::resume()
{
    static_assert(std::size(CountedKeys) == CountedKeyCount, "one slot per counted key");
    const Uint8* held = SDL_GetKeyState(nullptr);
    for (int i = 0; i < CountedKeyCount; ++i) {
        counted[i] = held[CountedKeys[i]] != 0;
    }
    const auto count = [this](int key) { return counted[countedSlot(key)] ? 1 : 0; };
    movement->dx = count(KTKey::Right) - count(KTKey::Left);
    movement->dz = count(KTKey::Up) - count(KTKey::Down);
    movement->walk = std::none_of(std::begin(WalkKeys), std::end(WalkKeys), [held](int key) { return held[key] != 0; });
    scene->camera.zoom = static_cast<float>(count(KTKey::S) - count(KTKey::W));
}

void KTLevelInput::pause()
{
    scene->menuMode = true;
    if (scene->gameStarted && scene->menuInput != nullptr) {
        scene->menuInput->enterPage(scene->page(YNMenuPage::PausePage));
    }
}

void KTLevelInput::jump()
{
    KTMainCharacter* player = scene->player;
    if (player == nullptr) {
        return;
    }
    const float height = player->physicsObject != nullptr ? player->physicsObject->position.y() : player->position.y();
    if (player->grounded || height < JumpHeight) {
        player->applyImpulse(VXVec4(0.0f, JumpImpulse, 0.0f, 1.0f));
        if (height < LowJumpHeight) {
            player->applyImpulse(VXVec4(0.0f, LowJumpImpulse, 0.0f, 1.0f));
        }
        player->grounded = false;
    }
    playSoundAt(KTSoundId::PlayerJump, player->position);
    player->playJumpAnimation();
}

void KTLevelInput::fireFrom(int& counter, int type)
{
    KTMainCharacter* player = scene->player;
    if (counter <= 0) {
        playSoundAt(KTSoundId::PlayerNoAmmo, player->position);
        return;
    }
    fireMissile(type, scene);
    player->playAttackAnimation();
    counter = std::clamp(counter - 1, 0, KTMainCharacter::MaxAmmo);
}

void KTLevelInput::fireMissile(int type, KTLevelScene* owner)
{
    KTMainCharacter* player = owner->player;
    if (player == nullptr || player->health <= 0) {
        return;
    }
    const int sound = fireSoundOf(type);
    if (sound >= 0) {
        playSoundAt(sound, player->position);
    }
    KTBlockMissile* missile = new KTBlockMissile();
    missile->missileType = type;
    missile->position = player->position + player->orientation.rotate(VXVec4(0.0f, -5.0f, 25.0f, 1.0f));
    missile->position.w() = 1.0f;
    missile->orientation = player->orientation;
    VXLog() << "Missile Orientation: (" << missile->orientation.x() << ", " << missile->orientation.y() << ", "
            << missile->orientation.z() << ")";
    owner->world->addObject(missile);
}
