#include "AnimationFiles.h"

#include "engine/animation/VXPose.h"
#include "engine/animation/VXVXCStanceData.h"
#include "engine/animation/VXVXSSkeletonData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <vector>

namespace {

void expectQuat(const VXQuat& q, float x, float y, float z, float w, float tolerance = 1e-6f)
{
    EXPECT_NEAR(q[0], x, tolerance);
    EXPECT_NEAR(q[1], y, tolerance);
    EXPECT_NEAR(q[2], z, tolerance);
    EXPECT_NEAR(q[3], w, tolerance);
}

VXQuat orientationOf(const std::string& line)
{
    VXVXCStanceData stance;
    stance.beginParse("x.vxc");
    stance.parseLine("Bone: B");
    stance.parseLine(line);
    return stance.orientations[0].orientation;
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace

TEST(VXVXCStanceData, OrientationAcceptsBareAndBracketedAngles)
{
    const VXVec4 bare = parseOrientation("10 20 30");
    const VXVec4 bracketed = parseOrientation("(10, 20, 30)");
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(bare[i], bracketed[i]);
    }
    EXPECT_EQ(bare[3], 1.0f);
    const VXVec4 shortLine = parseOrientation("(5)");
    EXPECT_EQ(shortLine[0], 5.0f);
    EXPECT_EQ(shortLine[1], 0.0f);
    EXPECT_EQ(shortLine[2], 0.0f);

    const VXQuat a = orientationOf("Orientation: 10 20 30");
    const VXQuat b = orientationOf("\tOrientation: (10, 20, 30)");
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(a[i], b[i]);
    }
}

TEST(VXVXCStanceData, AnglesTurnAboutYThenXThenYAgain)
{
    const float half = 0.7071068f;
    expectQuat(orientationOf("Orientation: 0 0 0"), 0, 0, 0, 1);
    expectQuat(orientationOf("Orientation: 90 0 0"), 0, half, 0, half);
    expectQuat(orientationOf("Orientation: 0 90 0"), half, 0, 0, half);
    // The third angle turns about y again, so it adds to the first.
    expectQuat(orientationOf("Orientation: 0 0 90"), 0, half, 0, half);
    expectQuat(orientationOf("Orientation: 30 0 60"), 0, half, 0, half);
    // y, then x in the turned frame: the Hamilton product y(90) x(90).
    expectQuat(orientationOf("Orientation: 90 90 0"), 0.5f, 0.5f, -0.5f, 0.5f);
}

TEST(VXVXCStanceData, OrientationBeforeAnyBoneIsIgnored)
{
    VXVXCStanceData stance;
    stance.beginParse("x.vxc");
    stance.parseLine("Orientation: 90 0 0");
    stance.parseLine("Something: else");
    stance.parseLine("");
    EXPECT_TRUE(stance.orientations.empty());
    EXPECT_EQ(stance.currentBone, -1);
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
    stance.parseLine("Bone: Leg");
    stance.parseLine("Orientation: 90 0 0");
    stance.parseLine("Bone: Arm");
    stance.parseLine("Orientation: 0 90 0");
    std::unique_ptr<VXPose> pose(stance.buildPose(skeleton));

    // Leg and Arm by name; Hips, which the stance does not name, stays identity.
    ASSERT_EQ(pose->size(), 3u);
    expectQuat((*pose)[0], 0, 0, 0, 1);
    expectQuat((*pose)[1], 0.7071068f, 0, 0, 0.7071068f);
    expectQuat((*pose)[2], 0, 0.7071068f, 0, 0.7071068f);
    EXPECT_EQ(stance.boneIndices, (std::vector<int>{2, 1}));

    // A name the skeleton lacks drives bone 0.
    stance.parseLine("Bone: Tail");
    stance.parseLine("Orientation: 0 0 90");
    std::unique_ptr<VXPose> tailed(stance.buildPose(skeleton));
    ASSERT_EQ(tailed->size(), 3u);
    expectQuat((*tailed)[0], 0, 0.7071068f, 0, 0.7071068f);
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

    const std::vector<std::string> lines = linesOf(read("written.vxc"));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Bone: Hips");
    EXPECT_EQ(lines[1], "\tOrientation: (12.3457, -33.3333, 179.9)");
    EXPECT_EQ(lines[3], "\tOrientation: (0.001, 720, -45)");
    EXPECT_EQ(lines[5], "\tOrientation: (0.001, 0, 0)");

    VXVXCStanceData readBack;
    readBack.parseFile("written.vxc");
    ASSERT_EQ(readBack.orientations.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(readBack.orientations[i].boneName, stance.orientations[i].boneName);
        expectQuat(readBack.orientations[i].orientation, stance.orientations[i].orientation[0],
                   stance.orientations[i].orientation[1], stance.orientations[i].orientation[2],
                   stance.orientations[i].orientation[3], 1e-6f);
    }
}
