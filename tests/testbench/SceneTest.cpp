#include "engine/animation/VXBone.h"
#include "engine/animation/VXPose.h"
#include "engine/animation/VXSkeleton.h"
#include "engine/core/VXLog.h"
#include "engine/render/VXLibrary.h"
#include "testbench/DefaultRender.h"
#include "testbench/Input.h"
#include "testbench/Scene.h"

#include "support/DataPath.h"
#include "support/KeyEvents.h"
#include "support/TempDir.h"
#include "support/TestWindow.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// A box of edge 8 around its joint, in a bright green that nothing else in
// the bench's model has.
const char* const boxObj =
    "mtllib box.mtl\n"
    "v -4 -4 -4\nv 4 -4 -4\nv 4 4 -4\nv -4 4 -4\n"
    "v -4 -4 4\nv 4 -4 4\nv 4 4 4\nv -4 4 4\n"
    "vt 0 0\n"
    "vn 0 0 1\nvn 0 0 -1\nvn 1 0 0\nvn -1 0 0\nvn 0 1 0\nvn 0 -1 0\n"
    "usemtl green\n"
    "f 5/1/1 6/1/1 7/1/1\nf 5/1/1 7/1/1 8/1/1\n"
    "f 2/1/2 1/1/2 4/1/2\nf 2/1/2 4/1/2 3/1/2\n"
    "f 6/1/3 2/1/3 3/1/3\nf 6/1/3 3/1/3 7/1/3\n"
    "f 1/1/4 5/1/4 8/1/4\nf 1/1/4 8/1/4 4/1/4\n"
    "f 8/1/5 7/1/5 3/1/5\nf 8/1/5 3/1/5 4/1/5\n"
    "f 1/1/6 2/1/6 6/1/6\nf 1/1/6 6/1/6 5/1/6\n";
const char* const boxMtl = "newmtl green\nKa 0 1 0\nKd 0 1 0\nKs 0 0 0\nNs 1\n";

// Thirteen bones; only the head, 30 units above the origin, has a model.
std::string thirteenBoneSkeleton()
{
    const char* const names[13] = {"Hips",        "Torso",        "Head",         "LeftUpperArm", "LeftLowerArm",
                                   "RightUpperArm", "RightLowerArm", "LeftUpperLeg", "LeftLowerLeg", "LeftFoot",
                                   "RightUpperLeg", "RightLowerLeg", "RightFoot"};
    const char* const parents[13] = {"", "Hips", "Torso", "Torso", "LeftUpperArm", "Torso", "RightUpperArm",
                                     "Hips", "LeftUpperLeg", "LeftLowerLeg", "Hips", "RightUpperLeg",
                                     "RightLowerLeg"};
    std::string text = "Model: Box\n\tFile_Path: Models\\box.obj\n";
    for (int i = 0; i < 13; ++i) {
        text += std::string("Bone: ") + names[i] + "\n";
        const std::string name = names[i];
        text += name == "Head" ? "\tModel_Name: Box\n" : "\tModel_Name: Null\n";
        text += name == "Torso" ? "\tTranslation: 0 10 0\n" : name == "Head" ? "\tTranslation: 0 20 0\n"
                                                                              : "\tTranslation: 0 0 0\n";
    }
    for (int i = 1; i < 13; ++i) {
        text += std::string("Relation:\n\tParent: ") + parents[i] + "\n\tChild: " + names[i] + "\n";
    }
    text += "Anchor_Bone: Hips\n";
    return text;
}

bool isClearColour(const TestPixel& p)
{
    return p.r == 0 && p.g == 0 && p.b == 0;
}

int brightness(const TestPixel& p)
{
    return p.r + p.g + p.b;
}

class BenchSceneTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(openTestWindow());
        {
            VXLogCapture quiet;
            initializeLibrary("VXLibrary");
        }
    }

    void SetUp() override
    {
        poseBlendFactor = 0.0f;
        poseBlendStep = 0.02f;
        files.write("Hero/Models/box.obj", boxObj);
        files.write("Hero/Models/box.mtl", boxMtl);
        files.write("Hero/Hero.ktc", thirteenBoneSkeleton());
        // The scene and what it makes live as long as the program, as in Glenvor.
        scene = new Scene();
        scenes->push_back(scene);
        // A data path as the game writes them, so that the readers find the
        // files that the skeleton names beside it.
        scene->skeletonPath = dataPathOf(files.file("Hero/Hero.ktc"));
        {
            VXLogCapture quiet;
            ASSERT_TRUE(scene->setUp());
        }
    }

    // The frame as Scene::draw renders it, stopped before the swap so that
    // the back buffer can be read.
    void renderFrame(bool withShadowMaps = true)
    {
        if (withShadowMaps) {
            scene->drawShadowMaps();
        }
        scene->defaultRender->begin();
        scene->defaultRender->drawPass();
        scene->defaultRender->end();
    }

    void pressKey(int key) { ASSERT_TRUE(pushKey(key, true)); }

    TempDir files;
    Scene* scene = nullptr;
    // Never destroyed, so the scenes stay reachable until the program ends.
    static std::vector<Scene*>* scenes;
};

std::vector<Scene*>* BenchSceneTest::scenes = new std::vector<Scene*>();

// The head's joint (0, 30, 0) as the start camera sees it.
const int headX = 400;
const int headY = 300 + static_cast<int>(30.0f / (100.0f * std::tan(0.7853982f / 2.0f)) * 300.0f);

} // namespace

TEST_F(BenchSceneTest, SetUpReadsTheModelAndAThirteenBoneSkeletonWithTheRestPoseFirst)
{
    EXPECT_EQ(scene->quitCode, 0);
    EXPECT_NE(scene->input, nullptr);
    EXPECT_GT(scene->model.vertexCount, 0);
    ASSERT_EQ(scene->skeleton->boneCount, 13);
    ASSERT_NE(scene->poseA, nullptr);
    ASSERT_NE(scene->poseB, nullptr);
    EXPECT_EQ(scene->poseA->size(), 13u);
    EXPECT_EQ(scene->poseB->size(), 13u);
    for (int i = 0; i < 13; ++i) {
        EXPECT_TRUE((*scene->poseA)[i].equals(scene->skeleton->bones[i]->rotation)) << "bone " << i;
        EXPECT_TRUE((*scene->poseB)[i].equals(VXQuat::identity())) << "bone " << i;
    }
}

TEST_F(BenchSceneTest, DrawsTheLitModelAndTheSkeleton)
{
    renderFrame();
    const TestPixel centre = readTestPixel(400, 300);
    EXPECT_FALSE(isClearColour(centre)) << "the model at the origin is not drawn";
    const TestPixel head = readTestPixel(headX, headY);
    EXPECT_GT(head.g, head.r + 40) << "the green head bone is not drawn";

    for (VXBone* bone : scene->skeleton->bones) {
        bone->model = nullptr;
    }
    renderFrame();
    const TestPixel withoutSkeleton = readTestPixel(headX, headY);
    EXPECT_LT(withoutSkeleton.g, withoutSkeleton.r + 40) << "green where no bone stands";
    // A whole frame, with its swap, runs too.
    scene->draw();
}

TEST_F(BenchSceneTest, OnlyLightZeroCastsAShadow)
{
    EXPECT_TRUE(scene->lights[0].on);
    EXPECT_NE(scene->lights[0].shadowRender, nullptr);
    EXPECT_EQ(scene->lights[0].shadowMap.width, 512);
    for (int i = 1; i < 4; ++i) {
        EXPECT_EQ(scene->lights[i].index, i);
        EXPECT_FALSE(scene->lights[i].on) << "light " << i;
        EXPECT_EQ(scene->lights[i].shadowRender, nullptr) << "light " << i;
    }

    // The backdrop just beside the cube: in the cube's shadow once light 0
    // has rendered its map, lit while the map is still clear.
    const int besideX = 400 + 85;
    renderFrame(false);
    const TestPixel unshadowed = readTestPixel(besideX, 300);
    renderFrame(true);
    const TestPixel shadowed = readTestPixel(besideX, 300);
    EXPECT_LT(brightness(shadowed) + 30, brightness(unshadowed));
}

TEST_F(BenchSceneTest, BlendFactorClimbsFromTheFirstUpdateAndSwingsWithinItsBounds)
{
    EXPECT_EQ(scene->update(), 0);
    EXPECT_FLOAT_EQ(poseBlendFactor, 0.02f);

    float lowest = poseBlendFactor;
    float highest = poseBlendFactor;
    int turns = 0;
    float lastStep = poseBlendStep;
    for (int i = 0; i < 400; ++i) {
        scene->update();
        lowest = std::min(lowest, poseBlendFactor);
        highest = std::max(highest, poseBlendFactor);
        if (poseBlendStep != lastStep) {
            ++turns;
            lastStep = poseBlendStep;
        }
    }
    EXPECT_GE(lowest, -0.02f - 1e-4f);
    EXPECT_LE(highest, 1.02f + 1e-4f);
    EXPECT_GT(highest, 0.99f);
    EXPECT_LT(lowest, 0.01f);
    EXPECT_GE(turns, 7);
}

TEST_F(BenchSceneTest, UpdateTurnsTheBonesToTheBlendOfTheTwoPoses)
{
    const VXQuat quarterTurn = VXQuat::fromAngleAxis(1.5707964f, 0.0f, 1.0f, 0.0f);
    scene->poseB->setOrientation(2, quarterTurn);
    scene->update();
    const VXQuat expected = VXQuat::slerp((*scene->poseA)[2], quarterTurn, 0.02f);
    const VXQuat& actual = scene->skeleton->bones[2]->rotation;
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(actual[i], expected[i], 1e-6f) << "component " << i;
    }
    EXPECT_GT(std::fabs(actual[1]), 0.0f);
}

TEST_F(BenchSceneTest, TenPressesOfUTakeTheEyeFromFiftyUnitsNearer)
{
    const VXCamera& camera = scene->defaultRender->view.camera;
    EXPECT_FLOAT_EQ(camera.eye.z(), 100.0f);
    for (int i = 0; i < 10; ++i) {
        pressKey('u');
    }
    scene->input->pollInput();
    EXPECT_FLOAT_EQ(camera.eye.z(), 50.0f);
    EXPECT_FLOAT_EQ(camera.eye.x(), 0.0f);
    EXPECT_FLOAT_EQ(camera.eye.y(), 0.0f);
    // The view matrix follows: the origin is 50 units in front of the eye.
    const VXVec4 origin = VXMat4::multiply(camera.view, VXVec4(0.0f, 0.0f, 0.0f, 1.0f));
    EXPECT_NEAR(origin.z(), -50.0f, 1e-4f);
}

TEST_F(BenchSceneTest, ArrowsAndJMoveTheEyeAndEveryKeyRecentresTheView)
{
    VXViewState& view = scene->defaultRender->view;
    pressKey(SDLK_UP);
    pressKey(SDLK_RIGHT);
    pressKey(SDLK_RIGHT);
    pressKey('j');
    scene->input->pollInput();
    EXPECT_FLOAT_EQ(view.camera.eye.x(), 10.0f);
    EXPECT_FLOAT_EQ(view.camera.eye.y(), 5.0f);
    EXPECT_FLOAT_EQ(view.camera.eye.z(), 105.0f);
    pressKey(SDLK_DOWN);
    pressKey(SDLK_LEFT);
    scene->input->pollInput();
    EXPECT_FLOAT_EQ(view.camera.eye.x(), 5.0f);
    EXPECT_FLOAT_EQ(view.camera.eye.y(), 0.0f);

    // Look elsewhere, tilted and with a wider lens; any key brings it back.
    view.lookAt(5.0f, 0.0f, 105.0f, 30.0f, 40.0f, 0.0f, 1.0f, 1.0f, 0.0f);
    view.setProjection(1.5f, 400, 400, 1.0f, 50.0f);
    view.updateView();
    pressKey('q');
    scene->input->pollInput();
    EXPECT_FLOAT_EQ(view.camera.eye.x(), 5.0f);
    EXPECT_FLOAT_EQ(view.camera.eye.z(), 105.0f);
    EXPECT_FLOAT_EQ(view.camera.target.x(), 0.0f);
    EXPECT_FLOAT_EQ(view.camera.target.y(), 0.0f);
    EXPECT_FLOAT_EQ(view.camera.target.z(), 0.0f);
    EXPECT_EQ(view.width, 800);
    EXPECT_EQ(view.height, 600);
    // Up is (0, 1, 0) less its part along the view, which is tiny here.
    EXPECT_NEAR(view.camera.up.x(), 0.0f, 1e-6f);
    EXPECT_NEAR(view.camera.up.y(), 1.0f, 1e-3f);
    const VXVec4 origin = VXMat4::multiply(view.viewProjection, VXVec4(0.0f, 0.0f, 0.0f, 1.0f));
    EXPECT_NEAR(origin.x() / origin.w(), 0.0f, 1e-5f);
    EXPECT_NEAR(origin.y() / origin.w(), 0.0f, 1e-5f);
}

TEST_F(BenchSceneTest, TheQuitEventEndsTheLoop)
{
    SDL_Event event = {};
    event.type = SDL_QUIT;
    ASSERT_EQ(SDL_PushEvent(&event), 0);
    scene->input->pollInput();
    EXPECT_EQ(scene->update(), -1);
}

TEST_F(BenchSceneTest, AMissingSkeletonFileLeavesAnEmptySkeletonThatStillDrawsAndBlends)
{
    Scene* bare = new Scene();
    scenes->push_back(bare);
    bare->skeletonPath = dataPathOf(files.file("Nowhere/None.ktc"));
    {
        VXLogCapture quiet;
        ASSERT_TRUE(bare->setUp());
    }
    EXPECT_EQ(bare->poseA->size(), 13u);
    EXPECT_EQ(bare->update(), 0);
    bare->draw();
}

// The bench as it ships: test.obj and the main character's own skeleton from
// the game directory. Its thirteen bones stand out from the backdrop where
// the model does not hide them (the head above the cube, the legs below it)
// and in the shadow they cast on the backdrop.
TEST_F(BenchSceneTest, TheShippedSkeletonStandsWithTheModel)
{
    Scene* shipped = new Scene();
    scenes->push_back(shipped);
    {
        VXLogCapture quiet;
        ASSERT_TRUE(shipped->setUp());
    }
    ASSERT_EQ(shipped->skeleton->boneCount, 13);
    ASSERT_NE(shipped->skeleton->root, nullptr);
    int modelled = 0;
    for (const VXBone* bone : shipped->skeleton->bones) {
        modelled += bone->model != nullptr ? 1 : 0;
    }
    EXPECT_EQ(modelled, 13);
    EXPECT_EQ(shipped->update(), 0);

    auto render = [shipped] {
        shipped->drawShadowMaps();
        shipped->defaultRender->begin();
        shipped->defaultRender->drawPass();
        shipped->defaultRender->end();
    };
    // Pixels of the window's middle column band, bottom row first.
    auto sample = [] {
        std::vector<TestPixel> pixels;
        for (int y = 150; y < 450; y += 3) {
            for (int x = 340; x < 460; x += 3) {
                pixels.push_back(readTestPixel(x, y));
            }
        }
        return pixels;
    };
    render();
    const std::vector<TestPixel> withHero = sample();
    for (VXBone* bone : shipped->skeleton->bones) {
        bone->model = nullptr;
    }
    render();
    const std::vector<TestPixel> without = sample();
    // Rows outside the cube's square (world y beyond 8, 58 pixels from the middle).
    int differing = 0;
    const int columns = (460 - 340 + 2) / 3;
    for (size_t i = 0; i < withHero.size(); ++i) {
        const int y = 150 + 3 * static_cast<int>(i / columns);
        if (std::abs(y - 300) < 62) {
            continue;
        }
        differing += std::abs(brightness(withHero[i]) - brightness(without[i])) > 30 ? 1 : 0;
    }
    EXPECT_GT(differing, 200) << "the hero's head and legs are not drawn";
}
