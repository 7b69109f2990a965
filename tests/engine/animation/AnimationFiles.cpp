#include "AnimationFiles.h"

#include <unistd.h>

#include <climits>

void AnimationFilesTest::SetUp()
{
    char buffer[PATH_MAX];
    ASSERT_NE(getcwd(buffer, sizeof buffer), nullptr);
    previousDirectory = buffer;
    ASSERT_FALSE(directory.path().empty());
    ASSERT_EQ(chdir(directory.path().c_str()), 0);
}

void AnimationFilesTest::TearDown()
{
    if (!previousDirectory.empty()) {
        EXPECT_EQ(chdir(previousDirectory.c_str()), 0);
    }
}

void AnimationFilesTest::write(const std::string& relative, const std::string& contents)
{
    directory.write(relative, contents);
}

std::string AnimationFilesTest::read(const std::string& relative) const
{
    return readWholeFile(directory.file(relative));
}

void AnimationFilesTest::writeHero()
{
    write("Hero/hero.vxs",
          "# test character\n"
          "Bone: Hips\n"
          "\tModel_Name: Null\n"
          "\tTranslation: (0, 10, 0)\n"
          "Bone: LeftLeg\n"
          "\tTranslation: -2 0 0\n"
          "\tExtension: (0, -5, 0)\n"
          "Bone: RightLeg\n"
          "\tTranslation: 2 0 0\n"
          "Relation:\n"
          "\tParent: Hips\n"
          "\tChild: LeftLeg\n"
          "Relation:\n"
          "\tParent: Hips\n"
          "\tChild: RightLeg\n"
          "Anchor_Bone: Hips\n");
    // Stances name their bones in any order.
    write("Hero/Sets/rest.vxc",
          "Bone: RightLeg\n\tOrientation: 0 0 0\n"
          "Bone: Hips\n\tOrientation: 0 0 0\n"
          "Bone: LeftLeg\n\tOrientation: 0 0 0\n");
    write("Hero/Sets/turn.vxc",
          "Bone: Hips\n\tOrientation: (90, 0, 0)\n"
          "Bone: LeftLeg\n\tOrientation: (0, 45, 0)\n"
          "Bone: RightLeg\n\tOrientation: (0, -45, 0)\n");
    // The stray lines are skipped; "Frame_Identifier: " never matches a word.
    write("Hero/Sets/stand.vxm",
          "Movement_Speed: 3\n# stand\n"
          "Stance:\n\tStance_File_Path: rest.vxc\n\tFrame_Identifier: 5\n"
          "Stance:\n\tStance_File_Path: turn.vxc\n\tMovement_Speed: 10\n"
          "Stance:\n\tStance_File_Path: rest.vxc\n"
          "Movement_Type: Recursive\n");
    write("Hero/Sets/walk.vxm",
          "Stance:\n\tStance_File_Path: rest.vxc\n\tMovement_Speed: 5\n"
          "Stance:\n\tStance_File_Path: turn.vxc\n"
          "Movement_Type: Reflexive_Recursive\n");
    write("Hero/Sets/attack.vxm",
          "Stance:\n\tStance_File_Path: turn.vxc\n\tMovement_Speed: 4\n"
          "Stance:\n\tStance_File_Path: rest.vxc\n");
    write("Hero/hero.vxa",
          "# hero animations\n"
          "Next_Stance: walk\n"
          "Stance_Set: stand\n\tFile_Path: Sets\\stand.vxm\n\tStance_Priority: 0\n"
          "Stance_Set: walk\n\tFile_Path: Sets\\walk.vxm\n\tStance_Priority: 1\n"
          "Stance_Set: attack\n\tFile_Path: Sets\\attack.vxm\n\tNext_Stance: stand\n\tStance_Priority: 3\n"
          "Stance_Set: pain\n\tFile_Path: Sets\\attack.vxm\n\tNext_Stance: walk\n\tStance_Priority: 5\n"
          "Stance_Set: idle\n\tFile_Path: Sets\\attack.vxm\n"
          "Starting_Stance_Set: stand\n");
}
