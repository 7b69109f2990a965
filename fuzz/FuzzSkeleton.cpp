#include "FuzzSkeleton.h"

#include "engine/animation/VXVXSSkeletonData.h"

#include <fstream>

const VXVXSSkeletonData& fuzzSkeleton()
{
    static VXVXSSkeletonData* skeleton = nullptr;
    if (skeleton == nullptr) {
        std::ofstream("fuzz-skeleton.vxs") << "Bone: Hips\n\tModel_Name: Null\n\tTranslation: (0, 10, 0)\n"
                                              "Bone: LeftLeg\n\tTranslation: -2 0 0\n\tExtension: (0, -5, 0)\n"
                                              "Bone: RightLeg\n\tTranslation: 2 0 0\n"
                                              "Relation:\n\tParent: Hips\n\tChild: LeftLeg\n"
                                              "Relation:\n\tParent: Hips\n\tChild: RightLeg\n"
                                              "Anchor_Bone: Hips\n";
        // Kept for the whole run.
        skeleton = new VXVXSSkeletonData();
        skeleton->parseFile("fuzz-skeleton.vxs");
    }
    return *skeleton;
}
