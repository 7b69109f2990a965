#include "AnimationFiles.h"
#include "engine/core/VXLog.h"

#include "engine/animation/VXBone.h"
#include "engine/animation/VXSkeleton.h"
#include "engine/animation/VXVXAChoreographyManagerData.h"
#include "engine/animation/VXVXSSkeletonData.h"
#include "engine/model/VXOBJData.h"
#include "engine/render/VXLibrary.h"
#include "engine/render/VXViewState.h"

#include "support/TestWindow.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Draws skeletons in the real window with the library's lit program.
class SkeletonDrawTest : public AnimationFilesTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(openTestWindow());
        // From the game directory, before the test moves to its own.
        {
            VXLogCapture quiet;
            initializeLibrary("VXLibrary");
        }
        AnimationFilesTest::SetUp();
        defaultRenderProgram->use();
        view.takeProgramLocations(*defaultRenderProgram);
        view.setProjection(0.7853982f, 800, 600, 1, 1000);
        view.lookAt(0, 0, 100, 0, 0, 0, 0, 1, 0);
        view.updateView();
    }

    std::unique_ptr<VXSkeleton> read(const std::string& skeletonFile)
    {
        {
            VXLogCapture quiet;
            skeletonData.parseFile(skeletonFile);
        }
        return std::unique_ptr<VXSkeleton>(VXSkeleton::create(skeletonData, choreographyData));
    }

    VXViewState view;
    VXVXSSkeletonData skeletonData;
    VXVXAChoreographyManagerData choreographyData;
};

void expectMatrixNear(const VXMat4& actual, const VXMat4& expected)
{
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(actual[i], expected[i], 1e-5f) << "element " << i;
    }
}

VXMat4 boneTransform(const VXBone& bone)
{
    return VXMat4::translation(bone.translation) * VXMat4::rotation(bone.rotation);
}

} // namespace

TEST_F(SkeletonDrawTest, RootWithTwoLeavesLeavesTheStackDepthUnchanged)
{
    write("Char/Models/bone.obj", "v 0 0 0\nv 4 0 0\nv 0 4 0\nvn 0 0 1\nvt 0 0\nf 1/1/1 2/1/1 3/1/1\n");
    write("Char/body.vxs",
          "Model: Limb\n"
          "File_Path: Models\\bone.obj\n"
          "Bone: Body\nModel_Name: Limb\nTranslation: 1 2 3\n"
          "Bone: Left\nModel_Name: Limb\nTranslation: -5 0 0\n"
          "Bone: Right\nTranslation: 5 0 0\n"
          "Relation:\nParent: Body\nChild: Left\n"
          "Relation:\nParent: Body\nChild: Right\n"
          "Anchor_Bone: Body\n");
    std::unique_ptr<VXSkeleton> skeleton = read("Char\\body.vxs");
    // The model is read relative to the skeleton file.
    ASSERT_EQ(skeletonData.models.size(), 1u);
    EXPECT_EQ(skeletonData.models[0]->vertexCount, 3);
    ASSERT_EQ(skeleton->boneCount, 3);
    EXPECT_EQ(skeleton->bones[1]->model, skeletonData.models[0]);
    EXPECT_EQ(skeleton->bones[2]->model, nullptr);

    skeleton->bones[0]->rotation = VXQuat::fromAngleAxis(0.5f, 0, 1, 0);
    skeleton->bones[1]->rotation = VXQuat::fromAngleAxis(-1.0f, 1, 0, 0);
    skeleton->bones[2]->rotation = VXQuat::fromAngleAxis(0.25f, 0, 0, 1);
    view.stack.push();
    view.stack.translate(VXVec4(0, -10, 0, 1));
    const VXMat4 base = view.stack.top();
    const int depth = view.stack.depth;

    skeleton->draw(view, *defaultRenderProgram);
    EXPECT_EQ(view.stack.depth, depth);
    expectMatrixNear(view.stack.top(), base);
    const VXMat4 body = base * boneTransform(*skeleton->bones[0]);
    expectMatrixNear(skeleton->bones[0]->worldMatrix, body);
    expectMatrixNear(skeleton->bones[1]->worldMatrix, body * boneTransform(*skeleton->bones[1]));
    expectMatrixNear(skeleton->bones[2]->worldMatrix, body * boneTransform(*skeleton->bones[2]));
}

TEST_F(SkeletonDrawTest, BoneWithoutModelStillDrawsItsChildren)
{
    // Root - Hinge (no model) - Tip, and a root with three children.
    write("chain.vxs",
          "Bone: Root\nTranslation: 0 1 0\n"
          "Bone: Hinge\nModel_Name: Null\nTranslation: 0 2 0\n"
          "Bone: Tip\nTranslation: 0 3 0\n"
          "Bone: A\nBone: B\n"
          "Relation:\nParent: Root\nChild: Hinge\n"
          "Relation:\nParent: Hinge\nChild: Tip\n"
          "Relation:\nParent: Root\nChild: A\n"
          "Relation:\nParent: Root\nChild: B\n"
          "Anchor_Bone: Root\n");
    std::unique_ptr<VXSkeleton> skeleton = read("chain.vxs");
    skeleton->bones[1]->rotation = VXQuat::fromAngleAxis(1.5707964f, 0, 0, 1);
    const int depth = view.stack.depth;

    skeleton->draw(view, *defaultRenderProgram);
    EXPECT_EQ(view.stack.depth, depth);
    // The tip's origin: up 1 and 2, then 3 along the hinge's turned y axis.
    const VXVec4 tip = VXMat4::multiply(skeleton->bones[2]->worldMatrix, VXVec4(0, 0, 0, 1));
    EXPECT_NEAR(tip[0], -3.0f, 1e-5f);
    EXPECT_NEAR(tip[1], 3.0f, 1e-5f);
    EXPECT_NEAR(tip[2], 0.0f, 1e-5f);

    // Without an anchor there is nothing to draw and the stack is untouched.
    VXSkeleton empty;
    empty.draw(view, *defaultRenderProgram);
    EXPECT_EQ(view.stack.depth, depth);
}
