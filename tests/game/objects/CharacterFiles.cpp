#include "engine/core/VXLog.h"
#include "tests/game/objects/CharacterFiles.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <string>

#include "game/objects/KTMainCharacter.h"

MainCharacterFiles::MainCharacterFiles()
    : previous(assets().mainCharacter)
{
    directory.write("hero.vxs",
                    "Bone: Hips\n"
                    "\tModel_Name: Null\n"
                    "\tTranslation: (0, 10, 0)\n"
                    "Anchor_Bone: Hips\n");
    directory.write("Sets/rest.vxc", "Bone: Hips\n\tOrientation: 0 0 0\n");
    directory.write("Sets/pose.vxm",
                    "Stance:\n\tStance_File_Path: rest.vxc\n\tMovement_Speed: 1000\n"
                    "Stance:\n\tStance_File_Path: rest.vxc\n"
                    "Movement_Type: Recursive\n");
    std::string choreography;
    for (int i = KTMainCharacter::StanceCount - 1; i >= 0; --i) {
        choreography += std::string("Stance_Set: ") + KTMainCharacter::stanceNames[i]
            + "\n\tFile_Path: Sets\\pose.vxm\n\tStance_Priority: 0\n";
    }
    choreography += "Starting_Stance_Set: Stand\n";
    directory.write("hero.vxa", choreography);

    // Read from inside the folder, with relative data paths as the game's.
    char previousDirectory[PATH_MAX];
    EXPECT_NE(getcwd(previousDirectory, sizeof previousDirectory), nullptr);
    EXPECT_EQ(chdir(directory.path().c_str()), 0);
    {
        VXLogCapture quiet;
        skeletonData.parseFile("hero.vxs");
        choreographyData.skeleton = &skeletonData;
        choreographyData.parseFile("hero.vxa");
    }
    EXPECT_EQ(chdir(previousDirectory), 0);
    assets().mainCharacter.skeleton = &skeletonData;
    assets().mainCharacter.choreography = &choreographyData;
}

MainCharacterFiles::~MainCharacterFiles()
{
    assets().mainCharacter = previous;
}
