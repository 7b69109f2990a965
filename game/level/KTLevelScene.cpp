#include "game/level/KTLevelScene.h"

#include <GL/glew.h>
#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <ctime>

#include "engine/core/VXLog.h"
#include "engine/math/VXQuat.h"
#include "game/audio/KTMusic.h"
#include "game/audio/KTSoundTable.h"
#include "game/level/KTGridCell.h"
#include "game/level/KTLevelFileReader.h"
#include "game/level/KTLevelReader.h"
#include "game/level/KTLevelRender.h"
#include "game/level/KTLevelShadow.h"
#include "game/level/KTLevelWorld.h"
#include "game/level/KTPhysicsObject.h"
#include "game/level/KTPhysicsWorld.h"
#include "game/objects/KTMainCharacter.h"
#include "game/ui/KTLevelInput.h"
#include "game/ui/KTStatusRender.h"
#include "game/ui/YNMenuInput.h"
#include "game/ui/YNMenuPage.h"
#include "platform/HostRandom.h"

namespace {

const char* const LevelListPath = "Data/Level List.txt";

// The physics box around the level.
const float WorldExtent = 600.0f;
const float Gravity = -0.3f;

const int EffectsStepsDown = 6;
const int MusicStepsDown = 9;

// Camera: the start offset, and the held zoom's speed and the band of
// offset heights within which it moves the camera.
const VXVec4 StartCameraOffset(0.0f, 300.0f, -250.0f, 1.0f);
const float ZoomSpeed = 5.0f;
const float HeldZoomLowestY = 20.0f;
const float HeldZoomHighestY = 550.0f;
// Each frame the shown angle closes a quarter of its distance to the target.
const float CameraEasing = 0.25f;
const float CameraTargetLift = 5.0f;
// The player counts as down once lower than this.
const float LandingHeight = 18.0f;

// Held in this order of ids.
const int PageOrder[YNMenuPage::PageCount] = {
    YNMenuPage::MainPage,          YNMenuPage::SettingsPage,      YNMenuPage::PausePage,
    YNMenuPage::PauseSettingsPage, YNMenuPage::VolumePage,        YNMenuPage::ControlsPage,
    YNMenuPage::PauseVolumePage,   YNMenuPage::PauseControlsPage, YNMenuPage::TitlePage,
    YNMenuPage::DifficultyPage,    YNMenuPage::LevelPage,         YNMenuPage::AllSoundPage,
    YNMenuPage::MusicPage,         YNMenuPage::EffectsPage,       YNMenuPage::PauseAllSoundPage,
    YNMenuPage::PauseMusicPage,    YNMenuPage::PauseEffectsPage,  YNMenuPage::CreditsPage};

const float LightHeight = 100.0f;
const float LightFieldOfView = 2.8274333f;
const float LightNear = 1.0f;
const float LightFar = 1000.0f;
const int ShadowMapSize = 512;
const float ShadowBlurSigma = 1.0f;

const float ViewFieldOfView = 0.7853982f;
// The level pass projects for 1024 by 750 whatever the window's size.
const int ViewWidth = 1024;
const int ViewHeight = 750;
const float ViewNear = 1.0f;
const float ViewFar = 10000.0f;

VXVec4 zoomStep()
{
    return VXVec4(0.0f, KTCameraRig::ZoomStepY, KTCameraRig::ZoomStepZ, 1.0f);
}

VXQuat turnAboutY(float angle)
{
    return VXQuat::fromAngleAxis(angle, 0.0f, 1.0f, 0.0f);
}

} // namespace

KTLevelScene::KTLevelScene()
    : loopCode(0),
      lastTrack(-1),
      music(nullptr),
      levelIndex(0),
      highestLevel(0),
      difficulty(0),
      levelRender(nullptr),
      statusRender(nullptr),
      world(nullptr),
      physics(nullptr),
      player(nullptr),
      initialEyeOffset(0.0f, 25.0f, -80.0f, 1.0f),
      menuPages(),
      menuMode(true),
      menuInput(nullptr),
      gameStarted(false),
      menuPage(YNMenuPage::TitlePage),
      highlightedItem(0),
      highlightFirst(0.0f, 0.0f, 0.0f, 1.0f),
      highlightSecond(0.0f, 0.0f, 0.0f, 1.0f),
      levelInput(nullptr),
      shadows()
{
}

KTLevelScene::~KTLevelScene()
{
}

bool KTLevelScene::setUp()
{
    setUpMenus();
    setUpPlayState();
    createWorlds();
    setUpAudio();
    setUpPlayer();
    setUpCamera();
    setUpLights();
    setUpPasses();
    return true;
}

void KTLevelScene::setUpMenus()
{
    for (YNMenuPage*& record : menuPages) {
        record = new YNMenuPage();
    }
    // The title page's slot in PageOrder; found again by its id once built.
    menuInput = new YNMenuInput(this, menuPages[8]);
    menuPage = YNMenuPage::TitlePage;
    for (int i = 0; i < YNMenuPage::PageCount; ++i) {
        menuPages[i]->build(PageOrder[i]);
    }
    menuInput->currentPage = page(YNMenuPage::TitlePage);
}

void KTLevelScene::setUpPlayState()
{
    loopCode = 0;
    levelInput = new KTLevelInput(this, &movement);
    input = levelInput;
    menuMode = true;
    gameStarted = false;
    levelIndex = 0;
    highestLevel = 0;
    readLevelList();
}

void KTLevelScene::readLevelList()
{
    // The names are copied into the scene's list, so the reader can go.
    KTLevelReader reader;
    reader.parseFile(LevelListPath);
    levelNames.insert(levelNames.end(), reader.fileNames.begin(), reader.fileNames.end());
}

void KTLevelScene::createWorlds()
{
    physics = new KTPhysicsWorld();
    physics->init(KTWorldBox{VXVec4(0.0f, 0.0f, 0.0f, 1.0f), VXVec4(WorldExtent, WorldExtent, WorldExtent, 1.0f)},
                  VXVec4(0.0f, Gravity, 0.0f, 1.0f));
    world = new KTLevelWorld(this);
}

void KTLevelScene::setUpAudio()
{
    music = nullptr;
    SDL_InitSubSystem(SDL_INIT_AUDIO);
    if (Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 4096) != 0) {
        VXLog() << "can't open audio";
    }
    lastTrack = -1;
    hostSrand(static_cast<unsigned int>(std::time(nullptr)));
    playRandomTrack(lastTrack, music);
    for (int i = 0; i < EffectsStepsDown; ++i) {
        effectsVolumeDown();
    }
    for (int i = 0; i < MusicStepsDown; ++i) {
        musicVolumeDown();
    }
}

void KTLevelScene::setUpPlayer()
{
    player = new KTMainCharacter();
    player->position = VXVec4(300.0f, 40.0f, 300.0f, 1.0f);
    if (soundTable() != nullptr) {
        soundTable()->listener = player;
    }
    world->init(physics, KT_LEVEL_CELLS_X, KT_LEVEL_CELLS_Y, KT_LEVEL_CELLS_Z, player,
                levelNames.empty() ? std::string() : levelNames[0]);
    world->addObject(player);
    readLevelFile();
    copyPositionToPhysics();
}

void KTLevelScene::setUpCamera()
{
    initialEyeOffset = VXVec4(0.0f, 25.0f, -80.0f, 1.0f);
    camera.zoom = 0.0f;
    camera.offset = StartCameraOffset;
    updateCamera();
    ambientColour = VXVec4(0.5f, 0.5f, 0.5f, 1.0f);
}

void KTLevelScene::setUpLights()
{
    for (int i = 0; i < VXShaderProgram::spotLightCount; ++i) {
        shadows[i] = new KTLevelShadow(this);
        lights[i].createShadowMap(i, shadows[i], ShadowBlurSigma, ShadowMapSize, ShadowMapSize);
    }
    // Above the level's four corners, each looking at the middle of its floor.
    const float endX = KT_LEVEL_CELLS_X * KT_CELL_SIZE;
    const float endZ = KT_LEVEL_CELLS_Z * KT_CELL_SIZE;
    const float eyes[VXShaderProgram::spotLightCount][3] = {
        {endX, LightHeight, 0}, {0, LightHeight, 0}, {endX, LightHeight, endZ}, {0, LightHeight, endZ}};
    for (int i = 0; i < VXShaderProgram::spotLightCount; ++i) {
        VXSpotLight& light = lights[i];
        light.lookAt(eyes[i][0], eyes[i][1], eyes[i][2], endX / 2, 0.0f, endZ / 2, 0.0f, 0.0f, 1.0f);
        light.setPerspective(LightFieldOfView, LightNear, LightFar);
        light.diffuseColour = VXVec4(0.5f, 0.5f, 0.5f, 1.0f);
        light.specularColour = VXVec4(0.5f, 0.5f, 0.5f, 1.0f);
        light.on = i == 0;
    }
}

void KTLevelScene::setUpPasses()
{
    levelRender = new KTLevelRender(this);
    VXViewState& view = levelRender->view;
    view.setProjection(ViewFieldOfView, ViewWidth, ViewHeight, ViewNear, ViewFar);
    view.lookAtVectors(player->position + initialEyeOffset, player->position, VXVec4(0.0f, 1.0f, 0.0f, 1.0f));
    view.updateView();
    levelRender->initialize();

    statusRender = new KTStatusRender();
    statusRender->create();
    statusRender->scene = this;
    statusRender->initialize();
    world->hudFlashes = statusRender->layout.flashes;
}

int KTLevelScene::update()
{
    if (menuMode) {
        input = menuInput;
        return loopCode;
    }
    if (input != levelInput) {
        // Keys pressed or released while the menus had the keyboard never
        // reached the level keys: play resumes from the keys held now.
        levelInput->resume();
        input = levelInput;
    }
    if (Mix_PlayingMusic() == 0 && Mix_PausedMusic() == 0) {
        playRandomTrack(lastTrack, music);
    }
    world->update();
    updateMovement();
    updateCamera();

    if (player->health > 0) {
        if (movement.dx != 0 || movement.dz != 0) {
            player->orientation = camera.targetTurn * movement.facing;
        }
        player->applyImpulse(camera.targetTurn.rotate(movement.direction));
    }
    const VXVec4& push = movement.direction;
    if (push.x() == 0.0f && push.y() == 0.0f && push.z() == 0.0f) {
        player->settleOnCell();
    }
    if (player->position.y() < LandingHeight || player->grounded) {
        if (movement.dx == 0 && movement.dz == 0) {
            player->playLandingAnimation();
        } else if (player->health > 0) {
            player->playWalkStartAnimation();
        }
    }

    const VXVec4 up(0.0f, 1.0f, 0.0f, 1.0f);
    const VXVec4 eye = player->position + camera.rotatedOffset;
    VXVec4 centre = player->position;
    centre.y() += CameraTargetLift;
    if (levelRender != nullptr) {
        levelRender->view.lookAtVectors(eye, centre, up);
        levelRender->view.updateView();
    }
    lights[0].lookAt(eye.x(), eye.y(), eye.z(), player->position.x(), player->position.y(), player->position.z(),
                     up.x(), up.y(), up.z());

    if (player->restartRequested) {
        player->restartRequested = false;
        resetLevel();
        loadLevel();
    }
    if (player->goalReached) {
        player->goalReached = false;
        nextLevel();
    }
    return loopCode;
}

void KTLevelScene::updateMovement()
{
    if (movement.dx == 0 && movement.dz == 0) {
        movement.direction = VXVec4(0.0f, 0.0f, 0.0f, 1.0f);
        return;
    }
    const int i = directionIndex(movement.dx, movement.dz);
    movement.facing = turnAboutY(assets().facingAngles[i]);
    movement.direction = movement.walk ? assets().directions[i] : VXVec4(0.0f, 0.0f, 0.0f, 1.0f);
}

void KTLevelScene::updateCamera()
{
    const bool zoomIn = camera.zoom < 0.0f && camera.offset.y() >= HeldZoomLowestY;
    const bool zoomOut = camera.zoom > 0.0f && camera.offset.y() <= HeldZoomHighestY;
    if (zoomIn || zoomOut) {
        VXVec4 step = zoomStep();
        step *= camera.zoom * ZoomSpeed;
        camera.offset += step;
    }
    camera.targetTurn = turnAboutY(camera.angle);
    camera.smoothedAngle = CameraEasing * camera.angle + (1.0f - CameraEasing) * camera.smoothedAngle;
    camera.smoothedTurn = turnAboutY(camera.smoothedAngle);
    camera.rotatedOffset = camera.smoothedTurn.rotate(camera.offset);
}

void KTLevelScene::draw()
{
    drawFrame();
    SDL_GL_SwapBuffers();
}

void KTLevelScene::drawFrame()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (!menuMode && levelRender != nullptr) {
        levelRender->begin();
        levelRender->drawPass();
        levelRender->end();
    }
    if (statusRender != nullptr) {
        statusRender->begin();
        statusRender->drawPass();
        statusRender->end();
    }
}

void KTLevelScene::resetLevel()
{
    camera.angle = 0.0f;
    camera.smoothedAngle = 0.0f;
    camera.targetTurn = VXQuat::identity();
    camera.rotatedOffset = VXVec4(0.0f, 0.0f, 0.0f, 1.0f);
    camera.offset = StartCameraOffset;
}

void KTLevelScene::loadLevel()
{
    if (!hasLevels()) {
        return;
    }
    // Every caller keeps the index within the list; a stray one is held to it.
    levelIndex = std::clamp(levelIndex, 0, static_cast<int>(levelNames.size()) - 1);
    player->health = KTMainCharacter::StartHealth;
    player->greyAmmo = 0;
    player->redAmmo = 0;
    player->destroyAmmo = 0;
    world->clear();
    player->requestStance(KTMainCharacter::Stand);
    readLevelFile();
    copyPositionToPhysics();
    resetLevel();
    player->dead = false;
}

void KTLevelScene::nextLevel()
{
    if (!hasLevels()) {
        return;
    }
    const int count = static_cast<int>(levelNames.size());
    if (levelIndex < count - 1) {
        levelIndex += 1;
    }
    if (levelIndex > highestLevel) {
        highestLevel = levelIndex;
    }
    loadLevel();
}

YNMenuPage* KTLevelScene::page(int id) const
{
    for (YNMenuPage* record : menuPages) {
        if (record != nullptr && record->id == id) {
            return record;
        }
    }
    return nullptr;
}

bool KTLevelScene::hasLevels() const
{
    if (levelNames.empty()) {
        VXLog() << "NO LEVELS IN " << LevelListPath;
        return false;
    }
    return true;
}

void KTLevelScene::readLevelFile()
{
    if (levelNames.empty() || world == nullptr || world->scriptReader == nullptr) {
        return;
    }
    world->scriptReader->parseFile(levelNames[levelIndex]);
}

void KTLevelScene::copyPositionToPhysics()
{
    if (player->physicsObject == nullptr) {
        return;
    }
    player->physicsObject->position = VXVec4(player->position.x(), player->position.y(), player->position.z(), 1.0f);
}
