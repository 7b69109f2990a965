#include "AnimationFiles.h"

#include "engine/animation/VXPose.h"
#include "engine/animation/VXStanceTrack.h"
#include "engine/animation/VXVXMStanceSetData.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Entries A, B, C with frame ids 1, 2, 3 and speeds 10, 5, 1.
VXVXMStanceSetData threeStances(int movementType)
{
    VXVXMStanceSetData set;
    const float speeds[3] = {10.0f, 5.0f, 1.0f};
    for (int i = 0; i < 3; ++i) {
        VXStanceEntry entry;
        entry.frameId = i + 1;
        entry.movementSpeed = speeds[i];
        entry.pose = new VXPose(1);
        set.entries.push_back(entry);
    }
    set.movementType = movementType;
    return set;
}

std::vector<VXStanceFrame*> framesOf(const VXStanceTrack& track)
{
    std::vector<VXStanceFrame*> frames;
    for (VXStanceFrame* frame = track.first; frame != nullptr; frame = frame->next) {
        frames.push_back(frame);
    }
    return frames;
}

} // namespace

TEST(VXStanceTrack, SpeedsSetTheUpdatesBetweenKeyPoses)
{
    const VXVXMStanceSetData set = threeStances(VXVXMStanceSetData::None);
    std::unique_ptr<VXStanceTrack> track(set.buildTrack());
    const std::vector<VXStanceFrame*> frames = framesOf(*track);
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_FLOAT_EQ(frames[0]->step, 0.1f);
    EXPECT_FLOAT_EQ(frames[1]->step, 0.2f);
    EXPECT_EQ(frames[2]->pose, set.entries[2].pose);
    EXPECT_TRUE(track->restarted);

    for (int update = 1; update <= 9; ++update) {
        ASSERT_EQ(track->step(), track.get());
        ASSERT_EQ(track->cursor, frames[0]) << "update " << update;
    }
    EXPECT_FALSE(track->restarted);
    EXPECT_EQ(track->step(), track.get());
    EXPECT_EQ(track->cursor, frames[1]);
    EXPECT_EQ(frames[1]->t, 0.0f);
    for (int update = 1; update <= 4; ++update) {
        ASSERT_EQ(track->step(), track.get());
    }
    // Reaching the last key pose ends a track that has no successor.
    EXPECT_EQ(track->step(), nullptr);
    EXPECT_EQ(track->cursor, frames[2]);
}

TEST(VXStanceTrack, ReflexiveTrackReturnsAtTheSameSpeedsWithNegatedIds)
{
    const VXVXMStanceSetData set = threeStances(VXVXMStanceSetData::Reflexive);
    std::unique_ptr<VXStanceTrack> track(set.buildTrack());
    const std::vector<VXStanceFrame*> frames = framesOf(*track);
    ASSERT_EQ(frames.size(), 5u);
    const float steps[5] = {0.1f, 0.2f, 0.2f, 0.1f, 0.0f};
    const int ids[5] = {1, 2, 3, -2, -1};
    for (int i = 0; i < 5; ++i) {
        EXPECT_FLOAT_EQ(frames[i]->step, steps[i]);
        EXPECT_EQ(frames[i]->frameId, ids[i]);
    }
    EXPECT_EQ(frames[3]->pose, set.entries[1].pose);
    EXPECT_EQ(frames[4]->pose, set.entries[0].pose);
    EXPECT_EQ(track->cursor, frames[0]);
    EXPECT_EQ(track->next, nullptr);
}

TEST(VXStanceTrack, RecursiveTrackRestartsItself)
{
    const VXVXMStanceSetData set = threeStances(VXVXMStanceSetData::Recursive);
    std::unique_ptr<VXStanceTrack> track(set.buildTrack());
    EXPECT_EQ(track->next, track.get());
    for (int update = 1; update < 15; ++update) {
        ASSERT_EQ(track->step(), track.get());
        ASSERT_FALSE(track->restarted);
    }
    EXPECT_EQ(track->step(), track.get());
    EXPECT_TRUE(track->restarted);
    EXPECT_EQ(track->cursor, track->first);
    EXPECT_EQ(track->cursor->t, 0.0f);
}

TEST(VXStanceTrack, DegenerateSetsStillPlay)
{
    // No entries: one frame of the identity pose, ended at every update.
    VXVXMStanceSetData empty;
    std::unique_ptr<VXStanceTrack> track(empty.buildTrack());
    ASSERT_NE(track->first->pose, nullptr);
    EXPECT_EQ(track->first->next, nullptr);
    EXPECT_EQ(track->step(), nullptr);

    // A speed of 0 crosses its gap in one update instead of dividing by zero.
    VXVXMStanceSetData stalled = threeStances(VXVXMStanceSetData::None);
    stalled.entries[0].movementSpeed = 0.0f;
    std::unique_ptr<VXStanceTrack> quick(stalled.buildTrack());
    EXPECT_EQ(quick->first->step, 1.0f);
    quick->step();
    EXPECT_EQ(quick->cursor, quick->first->next);
}

TEST_F(AnimationFilesTest, StanceSetWritesOneStanceFilePerEntry)
{
    VXVXMStanceSetData set;
    for (int i = 0; i < 2; ++i) {
        VXStanceEntry entry;
        entry.movementSpeed = i == 0 ? 2.5f : 10.0f;
        entry.stance.beginParse("x.vxc");
        entry.stance.parseLine("Bone: Hips");
        entry.stance.parseLine(i == 0 ? "Orientation: 10 20 30" : "Orientation: 0 45 0");
        set.entries.push_back(entry);
    }
    set.movementType = VXVXMStanceSetData::ReflexiveRecursive;
    write("Anim/keep.txt", "");
    set.writeFile("Anim\\walk.vxm");

    // Seven lines, the last one the movement type.
    EXPECT_EQ(read("Anim/walk.vxm"), "Stance: \n\tStance_File_Path: walk_Stance_0.vxc\n\tMovement_Speed: 2.5\n"
                                     "Stance: \n\tStance_File_Path: walk_Stance_1.vxc\n\tMovement_Speed: 10\n"
                                     "Movement_Type: Reflexive_Recursive\n");
    EXPECT_EQ(read("Anim/walk_Stance_0.vxc"), "Bone: Hips\n\tOrientation: (10, 20, 30)\n");
    EXPECT_EQ(read("Anim/walk_Stance_1.vxc"), "Bone: Hips\n\tOrientation: (0, 45, 0)\n");
}
