#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include "engine/animation/VXVXAChoreographyManagerData.h"
#include "engine/animation/VXVXSSkeletonData.h"
#include "engine/core/VXLog.h"
#include "engine/math/VXMath.h"
#include "engine/model/VXOBJData.h"
#include "engine/render/VXLibrary.h"
#include "engine/render/VXTexture.h"
#include "game/start/KTAssetLoaders.h"
#include "game/start/KTAssets.h"
#include "support/TempDir.h"
#include "support/TestWindow.h"

namespace {

// The twenty shared models in loading order, with the file each comes from.
struct ModelSlot {
    VXOBJData* KTAssets::*field;
    const char* file;
};

const ModelSlot MODELS[] = {
    {&KTAssets::defaultTile, "Data/Block/Models/DefaultTile.obj"},
    {&KTAssets::defaultBlock, "Data/Block/Models/DefaultBlock.obj"},
    {&KTAssets::redBlock, "Data/Block/Models/RedBlock.obj"},
    {&KTAssets::blueBlock, "Data/Block/Models/BlueBlock.obj"},
    {&KTAssets::greenBlock, "Data/Block/Models/GreenBlock.obj"},
    {&KTAssets::yellowBlock, "Data/Block/Models/YellowBlock.obj"},
    {&KTAssets::blackBlock, "Data/Block/Models/BlackBlock.obj"},
    {&KTAssets::goalBlock, "Data/Block/Models/GoalBlock.obj"},
    {&KTAssets::purpleBlock, "Data/Block/Models/PurpleBlock.obj"},
    {&KTAssets::acidBlock, "Data/Block/Models/AcidBlock.obj"},
    {&KTAssets::missileHead, "Data/Attack/Missile/Models/MissileHead.obj"},
    {&KTAssets::missileTail, "Data/Attack/Missile/Models/MissileTail.obj"},
    {&KTAssets::acidFragmentHead, "Data/Attack/Missile/Models/AcidFragmentHead.obj"},
    {&KTAssets::acidFragmentTail, "Data/Attack/Missile/Models/AcidFragmentTail.obj"},
    {&KTAssets::shadow, "Data/Status/Shadow/Shadow.obj"},
    {&KTAssets::redAmmo, "Data/Items/Models/RedAmmo.obj"},
    {&KTAssets::blueAmmo, "Data/Items/Models/BlueAmmo.obj"},
    {&KTAssets::destroyAmmo, "Data/Items/Models/DestroyAmmo.obj"},
    {&KTAssets::particle, "Data/Particles/Particle.obj"},
    {&KTAssets::helpSymbol, "Data/Text/HelpSymbol.obj"},
};

struct CharacterSlot {
    KTCharacterAssets KTAssets::*field;
    const char* name;
};

const CharacterSlot CHARACTERS[] = {
    {&KTAssets::mainCharacter, "MainCharacter"},
    {&KTAssets::fortressEnemy, "FortressEnemy"},
    {&KTAssets::prismaticEnemy, "PrismaticEnemy"},
    {&KTAssets::finalBoss, "FinalBoss"},
};

// An OBJ of `triangles` separate triangles: 3 x triangles vertices.
std::string triangleSoup(int triangles)
{
    std::string obj;
    for (int t = 0; t < triangles; ++t) {
        obj += "v " + std::to_string(t) + " 0 0\nv " + std::to_string(t) + " 1 0\nv " + std::to_string(t) + " 0 1\n";
    }
    for (int t = 0; t < triangles; ++t) {
        const int first = 3 * t + 1;
        obj += "f " + std::to_string(first) + " " + std::to_string(first + 1) + " " + std::to_string(first + 2) + "\n";
    }
    return obj;
}

// Runs with a real window, in the game directory or in a directory of its
// own making.
class AssetLoadersTest : public ::testing::Test {
protected:
    TempDir directory;

    void SetUp() override
    {
        ASSERT_TRUE(openTestWindow());
        char buffer[PATH_MAX];
        ASSERT_NE(getcwd(buffer, sizeof buffer), nullptr);
        gameDirectory = buffer;
        repeatLinearSampler = {GL_REPEAT, GL_REPEAT, GL_LINEAR, GL_LINEAR};
    }

    void TearDown() override { EXPECT_EQ(chdir(gameDirectory.c_str()), 0); }

    void enterOwnDirectory() { ASSERT_EQ(chdir(directory.path().c_str()), 0); }

private:
    std::string gameDirectory;
};

} // namespace

TEST(DirectionTables, FacingAnglesAreEighthTurnsOfTheMovementRequest)
{
    buildDirectionTables();
    struct Expected {
        int dx;
        int dz;
        float angle;
    };
    const Expected table[] = {
        {0, 1, 0.0f},           {-1, 1, VX_PI / 4}, {-1, 0, VX_PI / 2}, {-1, -1, 3 * VX_PI / 4}, {0, -1, VX_PI},
        {1, -1, 5 * VX_PI / 4}, {1, 0, -VX_PI / 2}, {1, 1, -VX_PI / 4}, {0, 0, 0.0f},
    };
    for (const Expected& entry : table) {
        const int index = directionIndex(entry.dx, entry.dz);
        EXPECT_FLOAT_EQ(assets().facingAngles[index], entry.angle) << entry.dx << ", " << entry.dz;
    }
}

TEST(DirectionTables, DirectionsAreHalfStepsAlongTheFacing)
{
    buildDirectionTables();
    const VXVec4& right = assets().directions[directionIndex(1, 0)];
    EXPECT_NEAR(right.x(), -0.5f, 1e-6f);
    EXPECT_NEAR(right.y(), 0.0f, 1e-6f);
    EXPECT_NEAR(right.z(), 0.0f, 1e-6f);
    EXPECT_EQ(right.w(), 1.0f);

    const VXVec4& still = assets().directions[directionIndex(0, 0)];
    EXPECT_EQ(still.x(), 0.0f);
    EXPECT_EQ(still.z(), 0.5f);

    const VXVec4& backLeft = assets().directions[directionIndex(-1, -1)];
    EXPECT_NEAR(backLeft.x(), 0.5f * std::sqrt(0.5f), 1e-6f);
    EXPECT_NEAR(backLeft.z(), -0.5f * std::sqrt(0.5f), 1e-6f);

    for (int i = 0; i < KT_DIRECTION_COUNT; ++i) {
        const VXVec4& step = assets().directions[i];
        EXPECT_NEAR(std::sqrt(step.lengthSquared()), 0.5f, 1e-6f) << i;
        EXPECT_EQ(step.y(), 0.0f);
    }
}

TEST_F(AssetLoadersTest, ModelsLoadEachFromItsOwnFile)
{
    for (size_t i = 0; i < std::size(MODELS); ++i) {
        directory.write(MODELS[i].file, triangleSoup(static_cast<int>(i) + 1));
    }
    enterOwnDirectory();
    VXLogCapture logged;
    loadModels();
    const std::string output = logged.text();

    for (size_t i = 0; i < std::size(MODELS); ++i) {
        VXOBJData* model = assets().*MODELS[i].field;
        ASSERT_NE(model, nullptr) << MODELS[i].file;
        EXPECT_EQ(model->vertexCount, 3 * (static_cast<int>(i) + 1)) << MODELS[i].file;
    }
    EXPECT_EQ(output.find("Unable"), std::string::npos) << output;
}

TEST_F(AssetLoadersTest, TheShippedModelsAndCharactersAllLoad)
{
    VXLogCapture logged;
    loadModels();
    loadCharacterData();
    const std::string output = logged.text();
    EXPECT_EQ(output.find("Unable"), std::string::npos) << output;

    for (const ModelSlot& slot : MODELS) {
        EXPECT_GT((assets().*slot.field)->vertexCount, 0) << slot.file;
    }
    for (const CharacterSlot& slot : CHARACTERS) {
        const KTCharacterAssets& character = assets().*slot.field;
        EXPECT_GT(character.skeleton->bones.size(), 1u) << slot.name;
        EXPECT_GE(character.choreography->entries.size(), 2u) << slot.name;
    }
    EXPECT_EQ(assets().mainCharacter.skeleton->bones.size(), 13u);
}

TEST_F(AssetLoadersTest, MissingModelsAndCharactersAreNamedAndLeftEmpty)
{
    enterOwnDirectory();
    VXLogCapture logged;
    loadModels();
    loadCharacterData();
    const std::string output = logged.text();

    for (const ModelSlot& slot : MODELS) {
        VXOBJData* model = assets().*slot.field;
        ASSERT_NE(model, nullptr);
        EXPECT_EQ(model->vertexCount, 0);
        EXPECT_TRUE(model->dataSet.blocks.empty());
    }
    EXPECT_NE(output.find("Unable to open file: Data\\Block\\Models\\DefaultTile.obj\n"), std::string::npos)
        << output;
    EXPECT_NE(output.find("Unable to open file: Data\\Text\\HelpSymbol.obj\n"), std::string::npos);
    EXPECT_NE(output.find("Unable to open file: Data\\Character\\FinalBoss\\FinalBoss.ktc\n"), std::string::npos);
    for (const CharacterSlot& slot : CHARACTERS) {
        const KTCharacterAssets& character = assets().*slot.field;
        ASSERT_NE(character.skeleton, nullptr);
        ASSERT_NE(character.choreography, nullptr);
        EXPECT_TRUE(character.skeleton->bones.empty());
        EXPECT_TRUE(character.choreography->entries.empty());
    }
}

TEST_F(AssetLoadersTest, EachCharacterReadsItsSkeletonAndThenItsChoreography)
{
    // Character k has k + 1 bones and k + 1 stance sets.
    for (size_t k = 0; k < std::size(CHARACTERS); ++k) {
        const std::string name = CHARACTERS[k].name;
        const std::string folder = "Data/Character/" + name + "/";
        std::string skeleton;
        std::string stance;
        std::string choreography;
        for (size_t b = 0; b <= k; ++b) {
            const std::string bone = name + "Bone" + std::to_string(b);
            skeleton += "Bone: " + bone + "\n\tModel_Name: Null\n\tTranslation: 0 " + std::to_string(b) + " 0\n";
            stance += "Bone: " + bone + "\n\tOrientation: 0 0 0\n";
            choreography += "Stance_Set: set" + std::to_string(b) + "\n\tFile_Path: rest.vxm\n";
        }
        skeleton += "Anchor_Bone: " + name + "Bone0\n";
        choreography += "Starting_Stance_Set: set0\n";
        directory.write(folder + name + ".ktc", skeleton);
        directory.write(folder + "Choreography/" + name + "Choreography.vxa", choreography);
        directory.write(folder + "Choreography/rest.vxm", "Stance:\n\tStance_File_Path: rest.vxc\n");
        directory.write(folder + "Choreography/rest.vxc", stance);
    }
    enterOwnDirectory();
    VXLogCapture logged;
    loadCharacterData();
    const std::string output = logged.text();

    for (size_t k = 0; k < std::size(CHARACTERS); ++k) {
        const KTCharacterAssets& character = assets().*CHARACTERS[k].field;
        ASSERT_NE(character.skeleton, nullptr);
        ASSERT_NE(character.choreography, nullptr);
        ASSERT_EQ(character.skeleton->bones.size(), k + 1) << CHARACTERS[k].name;
        EXPECT_EQ(character.skeleton->bones[0].name, std::string(CHARACTERS[k].name) + "Bone0");
        EXPECT_EQ(character.choreography->entries.size(), k + 1) << CHARACTERS[k].name;
        // The choreography resolves its stances against this character's bones.
        EXPECT_EQ(character.choreography->skeleton, character.skeleton);
    }
    EXPECT_EQ(output.find("Unable"), std::string::npos) << output;
}

TEST_F(AssetLoadersTest, EveryImageLoadsFromTheGeneratedData)
{
    VXLogCapture logged;
    loadTextures();
    const std::string output = logged.text();
    EXPECT_EQ(output, "");

    const KTAssets& shared = assets();
    std::vector<const VXTexture*> all = {shared.hud, shared.highlight};
    all.insert(all.end(), std::begin(shared.digits), std::end(shared.digits));
    all.insert(all.end(), std::begin(shared.hearts), std::end(shared.hearts));
    all.insert(all.end(), std::begin(shared.menuPages), std::end(shared.menuPages));
    for (const VXTexture* texture : all) {
        ASSERT_NE(texture, nullptr);
        EXPECT_NE(texture->name, 0u);
        EXPECT_EQ(texture->sampler, &repeatLinearSampler);
    }
    for (const VXTexture* page : shared.menuPages) {
        EXPECT_EQ(page->width, 800);
        EXPECT_EQ(page->height, 600);
    }

    ASSERT_EQ(shared.helpImages.size(), static_cast<size_t>(KT_HELP_IMAGE_COUNT));
    for (int i = 0; i < KT_HELP_IMAGE_COUNT; ++i) {
        const VXTexture* help = helpImage(helpImageName(i));
        ASSERT_NE(help, nullptr) << helpImageName(i);
        EXPECT_NE(help->name, 0u) << helpImageName(i);
    }
    EXPECT_EQ(helpImage("nothing"), nullptr);
    EXPECT_EQ(shared.helpImages.size(), static_cast<size_t>(KT_HELP_IMAGE_COUNT));
}

TEST_F(AssetLoadersTest, PagesThatShareAPictureEachHoldTheirOwnCopy)
{
    loadTextures();
    VXTexture* const* pages = assets().menuPages;
    const std::vector<unsigned char> levels = readTexture(*pages[11], GL_RGBA, 4);
    for (int page = 12; page <= 16; ++page) {
        EXPECT_NE(pages[page]->name, pages[11]->name) << page;
        EXPECT_EQ(readTexture(*pages[page], GL_RGBA, 4), levels) << page;
    }
    EXPECT_NE(readTexture(*pages[5], GL_RGBA, 4), levels);
    EXPECT_EQ(readTexture(*pages[4], GL_RGBA, 4), readTexture(*pages[8], GL_RGBA, 4));
    EXPECT_EQ(readTexture(*pages[5], GL_RGBA, 4), readTexture(*pages[9], GL_RGBA, 4));
    EXPECT_NE(readTexture(*pages[0], GL_RGBA, 4), readTexture(*pages[10], GL_RGBA, 4));
    EXPECT_EQ(std::string(menuPageImageName(10)), "MenuStart");
    EXPECT_EQ(std::string(menuPageImageName(17)), "credits");
}

TEST_F(AssetLoadersTest, MissingImagesLeaveEmptyTexturesAndNameTheirFiles)
{
    enterOwnDirectory();
    VXLogCapture logged;
    loadTextures();
    const std::string output = logged.text();

    const KTAssets& shared = assets();
    ASSERT_NE(shared.hud, nullptr);
    EXPECT_EQ(shared.hud->name, 0u);
    EXPECT_EQ(shared.menuPages[17]->name, 0u);
    EXPECT_EQ(shared.hearts[3]->name, 0u);
    EXPECT_EQ(shared.helpImages.size(), static_cast<size_t>(KT_HELP_IMAGE_COUNT));
    EXPECT_NE(output.find("three fourths heart.png"), std::string::npos) << output;
    EXPECT_NE(output.find("volume_controls.png"), std::string::npos);
    EXPECT_NE(output.find("wraithblade.png"), std::string::npos);
}
