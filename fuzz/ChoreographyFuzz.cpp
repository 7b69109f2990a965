// A ".vxa" choreography with the stance sets and stances it names, built into
// a skeleton of the fixed bones and played with requests of every set.
#include "FuzzFiles.h"
#include "FuzzSkeleton.h"

#include "engine/animation/VXSkeleton.h"
#include "engine/animation/VXVXAChoreographyManagerData.h"

#include <memory>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    enterFuzzFolder();
    fuzzSkeleton();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeFuzzFiles(data, size, "character.vxa");
    VXVXAChoreographyManagerData choreographyData;
    choreographyData.skeleton = &fuzzSkeleton();
    choreographyData.parseFile("character.vxa");
    std::unique_ptr<VXSkeleton> skeleton(VXSkeleton::create(fuzzSkeleton(), choreographyData));
    const int sets = static_cast<int>(choreographyData.entries.size());
    for (int i = 0; i < 64; ++i) {
        if (i % 8 == 0) {
            // From -1 to one past the last set: the ends are refused.
            skeleton->requestStance((i / 8) % (sets + 2) - 1);
        }
        skeleton->advanceStance();
        skeleton->currentStance();
    }
    return 0;
}
