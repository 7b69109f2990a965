#ifndef ENGINE_ANIMATION_VXCHOREOGRAPHY_H
#define ENGINE_ANIMATION_VXCHOREOGRAPHY_H

#include <vector>

class VXStanceTrack;

// The tracks of one skeleton instance, one per stance set, each linked to
// the track that follows it.
class VXChoreography {
public:
    std::vector<VXStanceTrack*> tracks;  // owned, in file order
    VXStanceTrack* current;

    VXChoreography();
    ~VXChoreography();
    VXChoreography(const VXChoreography&) = delete;
    VXChoreography& operator=(const VXChoreography&) = delete;
};

#endif
