// A ".vxc" stance, built into a pose of the fixed skeleton and written back.
#include "FuzzFiles.h"
#include "FuzzSkeleton.h"

#include "engine/animation/VXPose.h"
#include "engine/animation/VXVXCStanceData.h"

#include <memory>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    enterFuzzFolder();
    fuzzSkeleton();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeFuzzFiles(data, size, "stance.vxc");
    VXVXCStanceData stance;
    stance.parseFile("stance.vxc");
    stance.print("");
    std::unique_ptr<VXPose> pose(stance.buildPose(fuzzSkeleton()));
    stance.writeFile("written.vxc");
    return 0;
}
