// A skeleton (".vxs", and the game's ".ktc" character files) with its bone
// models, built into a skeleton that plays no choreography.
#include "FuzzFiles.h"

#include "engine/animation/VXSkeleton.h"
#include "engine/animation/VXVXAChoreographyManagerData.h"
#include "engine/animation/VXVXSSkeletonData.h"

#include <memory>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    enterFuzzFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeFuzzFiles(data, size, "character.ktc");
    VXVXSSkeletonData skeletonData;
    skeletonData.parseFile("character.ktc");
    skeletonData.print("");
    VXVXAChoreographyManagerData choreographyData;
    choreographyData.skeleton = &skeletonData;
    std::unique_ptr<VXSkeleton> skeleton(VXSkeleton::create(skeletonData, choreographyData));
    skeleton->advanceStance();
    return 0;
}
