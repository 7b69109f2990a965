#include "game/start/KTAssetLoaders.h"

#include <cmath>

#include "engine/animation/VXVXAChoreographyManagerData.h"
#include "engine/animation/VXVXSSkeletonData.h"
#include "engine/model/VXOBJData.h"
#include "engine/render/VXLibrary.h"
#include "engine/render/VXTexture.h"
#include "game/start/KTAssets.h"

namespace {

const double EIGHTH_TURN = 0.78539816339744831;  // pi / 4
const float STEP_LENGTH = 0.5f;

const char* const menuPageImages[YNMenuPage::PageCount] = {
    "main",           "main_levels",     "main_settings",   "difficulty",      "controls",        "volume",
    "pause",          "pause_settings",  "controls",        "volume",          "MenuStart",       "volume_controls",
    "volume_controls", "volume_controls", "volume_controls", "volume_controls", "volume_controls", "credits",
};

const char* const helpImages[KT_HELP_IMAGE_COUNT] = {
    "movement", "blueblocks", "camera", "destroy",   "elevators",   "shift", "pet", "anubis", "beware", "creepers",
    "goal",     "help",       "red_blue", "stuck", "wraithblade", "x",     "z",   "c",      "ammo",
};

const char* const digitNames[KT_DIGIT_COUNT] = {
    "zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine",
};

// Indexed by the health quarters they show, one to four.
const char* const heartNames[KT_HEART_COUNT] = {
    "fourth heart", "half heart", "three fourths heart", "full heart",
};

VXOBJData* model(const std::string& path)
{
    VXOBJData* data = new VXOBJData();
    data->parseFile(path);
    return data;
}

void loadCharacter(KTCharacterAssets& character, const std::string& name)
{
    const std::string folder = "Data\\Character\\" + name + "\\";
    character.skeleton = new VXVXSSkeletonData();
    character.skeleton->parseFile(folder + name + ".ktc");
    character.choreography = new VXVXAChoreographyManagerData();
    character.choreography->skeleton = character.skeleton;
    character.choreography->parseFile(folder + "Choreography\\" + name + "Choreography.vxa");
}

VXTexture* image(const std::string& path)
{
    VXTexture* texture = new VXTexture();
    texture->loadImage(path, &repeatLinearSampler);
    return texture;
}

} // namespace

void loadModels()
{
    KTAssets& shared = assets();
    const std::string blocks = "Data\\Block\\Models\\";
    const std::string missiles = "Data\\Attack\\Missile\\Models\\";
    const std::string items = "Data\\Items\\Models\\";
    shared.defaultTile = model(blocks + "DefaultTile.obj");
    shared.defaultBlock = model(blocks + "DefaultBlock.obj");
    shared.redBlock = model(blocks + "RedBlock.obj");
    shared.blueBlock = model(blocks + "BlueBlock.obj");
    shared.greenBlock = model(blocks + "GreenBlock.obj");
    shared.yellowBlock = model(blocks + "YellowBlock.obj");
    shared.blackBlock = model(blocks + "BlackBlock.obj");
    shared.goalBlock = model(blocks + "GoalBlock.obj");
    shared.purpleBlock = model(blocks + "PurpleBlock.obj");
    shared.acidBlock = model(blocks + "AcidBlock.obj");
    shared.missileHead = model(missiles + "MissileHead.obj");
    shared.missileTail = model(missiles + "MissileTail.obj");
    shared.acidFragmentHead = model(missiles + "AcidFragmentHead.obj");
    shared.acidFragmentTail = model(missiles + "AcidFragmentTail.obj");
    shared.shadow = model("Data\\Status\\Shadow\\Shadow.obj");
    shared.redAmmo = model(items + "RedAmmo.obj");
    shared.blueAmmo = model(items + "BlueAmmo.obj");
    shared.destroyAmmo = model(items + "DestroyAmmo.obj");
    shared.particle = model("Data\\Particles\\Particle.obj");
    shared.helpSymbol = model("Data\\Text\\HelpSymbol.obj");
}

void buildDirectionTables()
{
    // Eighth turns about +y; turning left (dx -1) is positive, and straight
    // ahead (dz +1) is angle 0.
    struct Facing {
        int dx;
        int dz;
        int eighthTurns;
    };
    const Facing facings[KT_DIRECTION_COUNT] = {
        {0, 1, 0},  {-1, 1, 1},  {-1, 0, 2}, {-1, -1, 3}, {0, -1, 4},
        {1, -1, 5}, {1, 0, -2}, {1, 1, -1},  {0, 0, 0},
    };
    KTAssets& shared = assets();
    for (const Facing& facing : facings) {
        const int index = directionIndex(facing.dx, facing.dz);
        const float angle = static_cast<float>(facing.eighthTurns * EIGHTH_TURN);
        shared.facingAngles[index] = angle;
        shared.directions[index] =
            VXVec4(STEP_LENGTH * std::sin(angle), 0.0f, STEP_LENGTH * std::cos(angle), 1.0f);
    }
}

void loadCharacterData()
{
    KTAssets& shared = assets();
    loadCharacter(shared.mainCharacter, "MainCharacter");
    loadCharacter(shared.fortressEnemy, "FortressEnemy");
    loadCharacter(shared.prismaticEnemy, "PrismaticEnemy");
    loadCharacter(shared.finalBoss, "FinalBoss");
}

void loadTextures()
{
    KTAssets& shared = assets();
    shared.hud = image("Data\\Status\\Hud.png");
    for (int i = 0; i < KT_DIGIT_COUNT; ++i) {
        shared.digits[i] = image(std::string("Data\\Status\\Numeric\\") + digitNames[i] + ".png");
    }
    for (int i = 0; i < KT_HEART_COUNT; ++i) {
        shared.hearts[i] = image(std::string("Data\\Status\\Health\\") + heartNames[i] + ".png");
    }
    // Pages that share a picture each load their own copy.
    for (int page = 0; page < YNMenuPage::PageCount; ++page) {
        shared.menuPages[page] = image(std::string("Data\\Status\\Main_menu\\") + menuPageImages[page] + ".png");
    }
    shared.highlight = image("Data\\Status\\Main_menu\\highlight.png");
    for (const char* name : helpImages) {
        shared.helpImages[name] = image(std::string("Data\\Text\\") + name + ".png");
    }
}

const char* menuPageImageName(int page)
{
    if (page < 0 || page >= YNMenuPage::PageCount) {
        return "";
    }
    return menuPageImages[page];
}

const char* helpImageName(int index)
{
    if (index < 0 || index >= KT_HELP_IMAGE_COUNT) {
        return "";
    }
    return helpImages[index];
}
