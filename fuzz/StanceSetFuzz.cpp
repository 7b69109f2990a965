// A ".vxm" stance set with the ".vxc" stances it names, built into a track
// for the fixed skeleton and played.
#include "FuzzFiles.h"
#include "FuzzSkeleton.h"

#include "engine/animation/VXStanceTrack.h"
#include "engine/animation/VXVXMStanceSetData.h"

#include <memory>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    enterFuzzFolder();
    fuzzSkeleton();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeFuzzFiles(data, size, "set.vxm");
    VXVXMStanceSetData set;
    set.skeleton = &fuzzSkeleton();
    set.parseFile("set.vxm");
    std::unique_ptr<VXStanceTrack> track(set.buildTrack());
    VXStanceTrack* playing = track.get();
    for (int i = 0; i < 64 && playing != nullptr; ++i) {
        playing = playing->step();
    }
    set.writeFile("written.vxm");
    return 0;
}
