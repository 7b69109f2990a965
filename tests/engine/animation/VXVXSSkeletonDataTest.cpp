#include "engine/animation/VXBone.h"
#include "engine/animation/VXSkeleton.h"
#include "engine/animation/VXVXSSkeletonData.h"
#include "engine/core/VXLog.h"

#include "support/VectorChecks.h"

#include <gtest/gtest.h>

TEST(VXVXSSkeletonData, ReadsNumbersInBothFormsAndUnknownNamesAsBoneZero)
{
    VXVXSSkeletonData data;
    data.parseLine("Bone: Hips");
    data.parseLine("Translation: 4");
    data.parseLine("Extension: (0, 5, 0)");
    data.parseLine("\tExtension: 1 2 3 0 9");
    data.parseLine("Bone: Leg");
    data.parseLine("Model_Name: Nowhere");
    data.parseLine("Translation: (1, 2, 3, 7)");
    data.parseLine("Relation:");
    data.parseLine("Parent: Ghost");
    data.parseLine("Child: Leg");
    data.parseLine("Anchor_Bone: Leg");
    data.endParse();

    ASSERT_EQ(data.boneCount, 2);
    expectVector(4, 0, 0, 1, data.bones[0].translation);
    ASSERT_EQ(data.bones[0].extensions.size(), 2u);
    expectVector(0, 5, 0, 1, data.bones[0].extensions[0]);
    expectVector(1, 2, 3, 0, data.bones[0].extensions[1]);
    expectVector(1, 2, 3, 1, data.bones[1].translation);
    EXPECT_EQ(data.bones[1].model, nullptr);
    EXPECT_EQ(data.bones[1].modelName, "Nowhere");
    ASSERT_EQ(data.relations.size(), 1u);
    EXPECT_EQ(data.relations[0].parent, 0);
    EXPECT_EQ(data.relations[0].child, 1);
    EXPECT_EQ(data.anchorBone, 1);
}

TEST(VXVXSSkeletonData, EchoesUnknownLinesAndDropsLinesWithoutTheirOpeningLine)
{
    VXVXSSkeletonData data;
    VXLogCapture logged;
    data.parseLine("# a comment");
    data.parseLine("");
    data.parseLine("Translation: 1 2 3");
    data.parseLine("Model_Name: Null");
    data.parseLine("Parent: Hips");
    data.parseLine("File_Path: nothing.obj");
    data.parseLine("bone: lower case");
    const std::string echoed = logged.text();
    data.endParse();

    EXPECT_EQ(echoed, "# a comment\n\nbone: lower case\n");
    EXPECT_TRUE(data.bones.empty());
    EXPECT_TRUE(data.relations.empty());
    EXPECT_EQ(data.boneCount, 0);
}

TEST(VXSkeleton, RefusesLinksThatWouldBreakTheTree)
{
    VXSkeleton skeleton;
    for (int i = 0; i < 3; ++i) {
        skeleton.addBone(new VXBone());
    }
    skeleton.link(0, 1);
    skeleton.link(1, 2);
    skeleton.link(2, 0);   // a loop
    skeleton.link(0, 2);   // a second parent
    skeleton.link(1, 1);   // itself
    skeleton.link(-1, 0);  // a relation that named no bones
    skeleton.link(0, 3);
    EXPECT_EQ(skeleton.bones[0]->children.size(), 1u);
    EXPECT_EQ(skeleton.bones[1]->children.size(), 1u);
    EXPECT_TRUE(skeleton.bones[2]->children.empty());

    skeleton.setRoot(-1);
    EXPECT_EQ(skeleton.root, nullptr);
    skeleton.setRoot(2);
    EXPECT_EQ(skeleton.root, skeleton.bones[2]);
}
