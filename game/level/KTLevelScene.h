#ifndef GAME_LEVEL_KTLEVELSCENE_H
#define GAME_LEVEL_KTLEVELSCENE_H

#include <string>
#include <vector>

#include "engine/core/VXScene.h"
#include "engine/math/VXVec4.h"
#include "engine/render/VXShaderProgram.h"
#include "game/level/KTCameraRig.h"
#include "game/level/KTMovementRequest.h"
#include "game/start/KTAssets.h"
#include "game/ui/YNMenuPage.h"

struct _Mix_Music;
typedef struct _Mix_Music Mix_Music;

class KTLevelInput;
class KTLevelRender;
class KTLevelShadow;
class KTLevelWorld;
class KTMainCharacter;
class KTPhysicsWorld;
class KTStatusRender;
class YNMenuInput;

// The game's one scene. The menus are a mode of it (menu mode, on at start):
// while they show, the level is frozen behind them. Everything it creates in
// setUp lives until the program ends.
class KTLevelScene : public VXScene {
public:
    int loopCode;
    int lastTrack;
    Mix_Music* music;
    std::vector<std::string> levelNames;
    int levelIndex;
    int highestLevel;
    // 0..3, chosen on the difficulty page; nothing reads it.
    int difficulty;
    KTLevelRender* levelRender;
    KTStatusRender* statusRender;
    KTLevelWorld* world;
    KTPhysicsWorld* physics;
    KTMainCharacter* player;
    KTMovementRequest movement;
    KTCameraRig camera;
    VXVec4 initialEyeOffset;
    // Held in the set-up's order of page ids (PageOrder), not by id: find a
    // page by its id with page().
    YNMenuPage* menuPages[YNMenuPage::PageCount];
    bool menuMode;
    YNMenuInput* menuInput;
    bool gameStarted;
    int menuPage;
    int highlightedItem;
    // The highlight's corners in screen coordinates (-1..1, y up).
    VXVec4 highlightFirst;
    VXVec4 highlightSecond;
    KTLevelInput* levelInput;
    // Built with the lights; the draw never runs them.
    KTLevelShadow* shadows[VXShaderProgram::spotLightCount];

    KTLevelScene();
    ~KTLevelScene() override;

    bool setUp() override;
    int update() override;
    // drawFrame, then the swap.
    void draw() override;
    // The frame into the back buffer: the level pass outside menu mode, then
    // always the HUD pass.
    void drawFrame();

    void updateMovement();
    void updateCamera();

    // Camera back to its start behind the player.
    void resetLevel();
    // Rebuilds the level at levelIndex and re-arms the player. With no level
    // names it only says so.
    void loadLevel();
    // One level on (the last level reloads itself), then loadLevel.
    void nextLevel();

    // The record of page `id`; null for an id that names no page.
    YNMenuPage* page(int id) const;
    // True when the level list holds a level to load; otherwise writes the
    // one line that says there is none.
    bool hasLevels() const;

    // setUp in its parts, in this order. Only the lights need the GL
    // context; tests run the others without a window.
    // The eighteen page records and the menu keys, on the title page.
    void setUpMenus();
    // The level keys, the start flags and the level list.
    void setUpPlayState();
    // The physics world and the level world.
    void createWorlds();
    // Mixer, first track and the start volumes.
    void setUpAudio();
    // The player in the world, level 0 read.
    void setUpPlayer();
    // Camera behind the player; the ambient light.
    void setUpCamera();
    // The four spot lights with their shadow passes; light 0 on.
    void setUpLights();
    // The level pass and the HUD pass.
    void setUpPasses();

private:
    void readLevelList();
    void readLevelFile();
    // The physics starts from where the script put the player.
    void copyPositionToPhysics();
};

#endif
