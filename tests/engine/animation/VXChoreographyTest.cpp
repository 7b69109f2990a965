#include "AnimationFiles.h"
#include "engine/core/VXLog.h"

#include "engine/animation/VXBone.h"
#include "engine/animation/VXChoreography.h"
#include "engine/animation/VXPose.h"
#include "engine/animation/VXSkeleton.h"
#include "engine/animation/VXStanceTrack.h"
#include "engine/animation/VXVXAChoreographyManagerData.h"
#include "engine/animation/VXVXSSkeletonData.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

// The hero's skeleton and choreography, read as the game reads them.
class HeroTest : public AnimationFilesTest {
protected:
    void SetUp() override
    {
        AnimationFilesTest::SetUp();
        writeHero();
        VXLogCapture logged;
        skeletonData.parseFile("Hero\\hero.vxs");
        choreographyData.skeleton = &skeletonData;
        choreographyData.parseFile("Hero\\hero.vxa");
        echoed = logged.text();
        skeleton.reset(VXSkeleton::create(skeletonData, choreographyData));
    }

    void advance(int updates)
    {
        for (int i = 0; i < updates; ++i) {
            skeleton->advanceStance();
        }
    }

    VXVXSSkeletonData skeletonData;
    VXVXAChoreographyManagerData choreographyData;
    std::unique_ptr<VXSkeleton> skeleton;
    std::string echoed;
};

void expectQuatNear(const VXQuat& a, const VXQuat& b)
{
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(a[i], b[i], 1e-6f) << "component " << i;
    }
}

} // namespace

TEST_F(HeroTest, ReadsSetsByNameAndEchoesOnlyUnknownSkeletonAndChoreographyLines)
{
    ASSERT_EQ(choreographyData.entries.size(), 5u);
    EXPECT_EQ(choreographyData.indexOf("attack"), 2);
    EXPECT_EQ(choreographyData.indexOf("nobody"), 0);
    EXPECT_EQ(choreographyData.entries[2].nextName, "stand");
    EXPECT_NE(echoed.find("# test character\n"), std::string::npos);
    EXPECT_NE(echoed.find("# hero animations\n"), std::string::npos);
    EXPECT_EQ(echoed.find("Stance_Set"), std::string::npos);
    EXPECT_EQ(echoed.find("Next_Stance"), std::string::npos);
    EXPECT_EQ(echoed.find("# stand"), std::string::npos);

    // Poses follow the skeleton's bone order, whatever the stance file's order.
    const VXVXMStanceSetData& stand = choreographyData.entries[0].set;
    ASSERT_EQ(stand.entries.size(), 3u);
    EXPECT_EQ(stand.entries[0].movementSpeed, 10.0f);
    EXPECT_EQ(stand.entries[0].frameId, 0);
    const VXPose& turn = *stand.entries[1].pose;
    ASSERT_EQ(turn.size(), 3u);
    EXPECT_NEAR(turn[0][1], 0.7071068f, 1e-6f);
    EXPECT_NEAR(turn[1][0], 0.3826834f, 1e-6f);
    EXPECT_NEAR(turn[2][0], -0.3826834f, 1e-6f);
}

TEST_F(HeroTest, AttackHandsOverToTheLoopingStand)
{
    ASSERT_NE(skeleton->choreography, nullptr);
    const std::vector<VXStanceTrack*>& tracks = skeleton->choreography->tracks;
    ASSERT_EQ(tracks.size(), 5u);
    EXPECT_EQ(skeleton->currentStance(), 0);
    EXPECT_EQ(tracks[0]->next, tracks[0]);
    EXPECT_EQ(tracks[1]->next, tracks[1]);
    EXPECT_EQ(tracks[2]->next, tracks[0]);
    EXPECT_EQ(tracks[3]->next, tracks[1]);
    // Neither recursive nor given a successor: set 0.
    EXPECT_EQ(tracks[4]->next, tracks[0]);
    EXPECT_EQ(tracks[2]->priority, 3);

    // Stand blends rest to turn over 10 updates: halfway after 5.
    advance(5);
    const VXQuat halfTurn = VXQuat::slerp(VXPose(1)[0], (*choreographyData.entries[0].set.entries[1].pose)[0], 0.5f);
    expectQuatNear(skeleton->bones[0]->rotation, halfTurn);

    skeleton->requestStance(2);
    EXPECT_EQ(skeleton->currentStance(), 2);
    advance(3);
    EXPECT_EQ(skeleton->currentStance(), 2);
    advance(1);
    EXPECT_EQ(skeleton->currentStance(), 0);
    EXPECT_TRUE(tracks[0]->restarted);
    expectQuatNear(skeleton->bones[0]->rotation, VXPose(1)[0]);
    advance(20);
    EXPECT_EQ(skeleton->currentStance(), 0);
    EXPECT_TRUE(tracks[0]->restarted);
}

TEST_F(HeroTest, RequestsAreIgnoredQueuedOrSwitchedByPriority)
{
    const std::vector<VXStanceTrack*>& tracks = skeleton->choreography->tracks;
    // Stand (0) asks for walk (1): queued until stand restarts.
    skeleton->requestStance(1);
    EXPECT_EQ(skeleton->queuedTrack, tracks[1]);
    EXPECT_EQ(skeleton->currentStance(), 0);
    // Another request within one of the current priority replaces it.
    skeleton->requestStance(0);
    EXPECT_EQ(skeleton->queuedTrack, tracks[0]);
    skeleton->requestStance(1);
    advance(19);
    EXPECT_EQ(skeleton->currentStance(), 0);
    advance(1);
    EXPECT_EQ(skeleton->currentStance(), 1);
    EXPECT_EQ(skeleton->queuedTrack, nullptr);

    // Walk (1) asks for pain (5): at once, and the queue is emptied.
    skeleton->requestStance(0);
    skeleton->requestStance(3);
    EXPECT_EQ(skeleton->currentStance(), 3);
    EXPECT_EQ(skeleton->queuedTrack, nullptr);
    EXPECT_TRUE(tracks[3]->restarted);
    // Pain (5) ignores attack (3) and stand (0).
    skeleton->requestStance(2);
    skeleton->requestStance(0);
    EXPECT_EQ(skeleton->currentStance(), 3);
    EXPECT_EQ(skeleton->queuedTrack, nullptr);
    // Numbers outside the choreography are ignored.
    skeleton->requestStance(5);
    skeleton->requestStance(-1);
    EXPECT_EQ(skeleton->currentStance(), 3);
    advance(4);
    EXPECT_EQ(skeleton->currentStance(), 1);
}

TEST_F(AnimationFilesTest, SetWrittenAndReadBackGivesTheSamePoses)
{
    writeHero();
    VXVXSSkeletonData skeletonData;
    VXVXAChoreographyManagerData choreographyData;
    {
        VXLogCapture quiet;
        skeletonData.parseFile("Hero\\hero.vxs");
        choreographyData.skeleton = &skeletonData;
        choreographyData.parseFile("Hero\\hero.vxa");
    }

    VXVXMStanceSetData& walk = choreographyData.entries[1].set;
    write("Copy/keep.txt", "");
    walk.writeFile("Copy\\walk.vxm");

    write("Copy/copy.vxa", "Stance_Set: walk\n\tFile_Path: walk.vxm\n");
    VXVXAChoreographyManagerData copyData;
    copyData.skeleton = &skeletonData;
    {
        VXLogCapture quiet;
        copyData.parseFile("Copy\\copy.vxa");
    }

    ASSERT_EQ(copyData.entries.size(), 1u);
    const VXVXMStanceSetData& copy = copyData.entries[0].set;
    EXPECT_EQ(copy.movementType, walk.movementType);
    ASSERT_EQ(copy.entries.size(), walk.entries.size());
    for (size_t e = 0; e < walk.entries.size(); ++e) {
        EXPECT_EQ(copy.entries[e].movementSpeed, walk.entries[e].movementSpeed);
        const VXPose& original = *walk.entries[e].pose;
        const VXPose& readBack = *copy.entries[e].pose;
        ASSERT_EQ(readBack.size(), original.size());
        for (size_t b = 0; b < original.size(); ++b) {
            expectQuatNear(readBack[b], original[b]);
        }
    }
}

TEST_F(AnimationFilesTest, FilesWithCarriageReturnsReadAsTheirNewlineForms)
{
    writeHero();
    VXVXSSkeletonData skeletonData;
    VXVXAChoreographyManagerData choreographyData;
    {
        VXLogCapture quiet;
        skeletonData.parseFile("Hero\\hero.vxs");
        choreographyData.skeleton = &skeletonData;
        choreographyData.parseFile("Hero\\hero.vxa");
    }

    // Every file of the hero again, each line ended by CR LF.
    for (const auto& entry : std::filesystem::recursive_directory_iterator(directory.path())) {
        if (!entry.is_regular_file()) {
            continue;
        }
        std::string text = readWholeFile(entry.path().string());
        std::string crlf;
        for (char c : text) {
            crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        }
        std::ofstream(entry.path()) << crlf;
    }
    VXVXSSkeletonData skeletonCrLf;
    VXVXAChoreographyManagerData choreographyCrLf;
    {
        VXLogCapture quiet;
        skeletonCrLf.parseFile("Hero\\hero.vxs");
        choreographyCrLf.skeleton = &skeletonCrLf;
        choreographyCrLf.parseFile("Hero\\hero.vxa");
    }

    ASSERT_EQ(skeletonCrLf.boneCount, skeletonData.boneCount);
    ASSERT_EQ(skeletonCrLf.relations.size(), 2u);
    for (size_t r = 0; r < skeletonData.relations.size(); ++r) {
        EXPECT_EQ(skeletonCrLf.relations[r].parent, skeletonData.relations[r].parent);
        EXPECT_EQ(skeletonCrLf.relations[r].child, skeletonData.relations[r].child);
    }
    EXPECT_EQ(skeletonCrLf.anchorBone, skeletonData.anchorBone);
    ASSERT_EQ(choreographyCrLf.entries.size(), choreographyData.entries.size());
    for (size_t s = 0; s < choreographyData.entries.size(); ++s) {
        const VXVXMStanceSetData& set = choreographyData.entries[s].set;
        const VXVXMStanceSetData& setCrLf = choreographyCrLf.entries[s].set;
        EXPECT_EQ(choreographyCrLf.entries[s].name, choreographyData.entries[s].name);
        EXPECT_EQ(choreographyCrLf.entries[s].nextName, choreographyData.entries[s].nextName);
        EXPECT_EQ(setCrLf.movementType, set.movementType);
        ASSERT_EQ(setCrLf.entries.size(), set.entries.size()) << "set " << s;
        for (size_t e = 0; e < set.entries.size(); ++e) {
            EXPECT_EQ(setCrLf.entries[e].movementSpeed, set.entries[e].movementSpeed);
            const VXPose& pose = *set.entries[e].pose;
            const VXPose& poseCrLf = *setCrLf.entries[e].pose;
            ASSERT_EQ(poseCrLf.size(), pose.size());
            for (size_t b = 0; b < pose.size(); ++b) {
                expectQuatNear(poseCrLf[b], pose[b]);
            }
        }
    }
}
