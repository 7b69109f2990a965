#ifndef FUZZ_FUZZSKELETON_H
#define FUZZ_FUZZSKELETON_H

class VXVXSSkeletonData;

// A fixed three-bone skeleton (Hips with the leaves LeftLeg and RightLeg),
// read once from a file of the fuzz folder: the bones that the stance,
// stance-set and choreography targets build their poses for. Call first after
// enterFuzzFolder.
const VXVXSSkeletonData& fuzzSkeleton();

#endif
