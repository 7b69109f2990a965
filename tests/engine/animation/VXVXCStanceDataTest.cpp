#include "AnimationFiles.h"

#include "engine/animation/VXPose.h"
#include "engine/animation/VXVXCStanceData.h"
#include "engine/animation/VXVXSSkeletonData.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const float half = 0.7071068f;

void expectQuat(const VXQuat& q, float x, float y, float z, float w)
{
    EXPECT_NEAR(q[0], x, 1e-6f);
    EXPECT_NEAR(q[1], y, 1e-6f);
    EXPECT_NEAR(q[2], z, 1e-6f);
    EXPECT_NEAR(q[3], w, 1e-6f);
}

VXQuat orientationOf(const std::string& line)
{
    VXVXCStanceData stance;
    stance.beginParse("x.vxc");
    stance.parseLine("Bone: B");
    stance.parseLine(line);
    return stance.orientations[0].orientation;
}

} // namespace

TEST(VXVXCStanceData, AnglesTurnAboutYThenXThenYAgain)
{
    const VXQuat bare = orientationOf("Orientation: 10 20 30");
    const VXQuat bracketed = orientationOf("\tOrientation: (10, 20, 30)");
    expectQuat(bare, bracketed[0], bracketed[1], bracketed[2], bracketed[3]);

    expectQuat(orientationOf("Orientation: 0 0 0"), 0, 0, 0, 1);
    expectQuat(orientationOf("Orientation: 90 0 0"), 0, half, 0, half);
    expectQuat(orientationOf("Orientation: 0 90 0"), half, 0, 0, half);
    // The third angle turns about y again, so it adds to the first.
    expectQuat(orientationOf("Orientation: 0 0 90"), 0, half, 0, half);
    expectQuat(orientationOf("Orientation: 30 0 60"), 0, half, 0, half);
    // y, then x in the turned frame: the Hamilton product y(90) x(90).
    expectQuat(orientationOf("Orientation: 90 90 0"), 0.5f, 0.5f, -0.5f, 0.5f);
}

TEST(VXVXCStanceData, BuildPoseMatchesBonesByName)
{
    VXVXSSkeletonData skeleton;
    skeleton.parseLine("Bone: Hips");
    skeleton.parseLine("Bone: Arm");
    skeleton.parseLine("Bone: Leg");
    skeleton.endParse();

    VXVXCStanceData stance;
    stance.beginParse("x.vxc");
    stance.parseLine("Orientation: 0 90 0");  // no bone yet: dropped
    stance.parseLine("Bone: Leg");
    stance.parseLine("Orientation: 90 0 0");
    stance.parseLine("Bone: Arm");
    stance.parseLine("Orientation: 0 90 0");
    std::unique_ptr<VXPose> pose(stance.buildPose(skeleton));

    // Leg and Arm by name; Hips, which the stance does not name, stays identity.
    ASSERT_EQ(pose->size(), 3u);
    expectQuat((*pose)[0], 0, 0, 0, 1);
    expectQuat((*pose)[1], half, 0, 0, half);
    expectQuat((*pose)[2], 0, half, 0, half);
    EXPECT_EQ(stance.boneIndices, (std::vector<int>{2, 1}));

    // A name the skeleton lacks drives bone 0.
    stance.parseLine("Bone: Tail");
    stance.parseLine("Orientation: 0 0 90");
    std::unique_ptr<VXPose> tailed(stance.buildPose(skeleton));
    expectQuat((*tailed)[0], 0, half, 0, half);
    EXPECT_EQ(stance.boneIndices[2], 0);
}

TEST_F(AnimationFilesTest, StanceWrittenAndReadBackKeepsItsOrientations)
{
    VXVXCStanceData stance;
    stance.beginParse("source.vxc");
    stance.parseLine("Bone: Hips");
    stance.parseLine("Orientation: 12.345678 -33.3333333 179.9");
    stance.parseLine("Bone: Arm");
    stance.parseLine("Orientation: (0.001, 720, -45)");
    stance.parseLine("Bone: Leg");
    stance.parseLine("Orientation: 1e-3 0 0");
    stance.writeFile("written.vxc");
    EXPECT_EQ(read("written.vxc"), "Bone: Hips\n\tOrientation: (12.3457, -33.3333, 179.9)\n"
                                   "Bone: Arm\n\tOrientation: (0.001, 720, -45)\n"
                                   "Bone: Leg\n\tOrientation: (0.001, 0, 0)\n");

    VXVXCStanceData readBack;
    readBack.parseFile("written.vxc");
    ASSERT_EQ(readBack.orientations.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        const VXQuat& q = stance.orientations[i].orientation;
        EXPECT_EQ(readBack.orientations[i].boneName, stance.orientations[i].boneName);
        expectQuat(readBack.orientations[i].orientation, q[0], q[1], q[2], q[3]);
    }
}
