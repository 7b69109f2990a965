#ifndef ENGINE_ANIMATION_VXSKELETON_H
#define ENGINE_ANIMATION_VXSKELETON_H

#include <vector>

class VXBone;
class VXChoreography;
class VXPose;
struct VXShaderProgram;
class VXStanceTrack;
struct VXViewState;
class VXVXAChoreographyManagerData;
class VXVXSSkeletonData;

// An animated character: a tree of bones and the choreography that decides
// which stance track plays.
class VXSkeleton {
public:
    std::vector<VXBone*> bones;   // owned
    VXBone* root;
    int boneCount;
    VXChoreography* choreography; // owned
    VXStanceTrack* currentTrack;
    VXStanceTrack* queuedTrack;

    VXSkeleton();
    ~VXSkeleton();
    VXSkeleton(const VXSkeleton&) = delete;
    VXSkeleton& operator=(const VXSkeleton&) = delete;

    // A new skeleton with its own bones and its own choreography.
    static VXSkeleton* create(const VXVXSSkeletonData& data, VXVXAChoreographyManagerData& choreographyData);

    void addBone(VXBone* bone);
    void setRoot(int i);
    // Links bone `child` under bone `parent`. A link that would give a bone a
    // second parent or close a loop is refused, so the bones stay a tree.
    void link(int parent, int child);

    // Draws the bones from the root down; leaves the matrix stack at the
    // depth it found.
    void draw(VXViewState& view, const VXShaderProgram& program);
    // Every bone turned to the blend of the two poses at t; a bone that a
    // pose has no entry for is turned to the identity.
    void interpolatePose(const VXPose& from, const VXPose& to, float t);
    // One update of the animation.
    void advanceStance();
    // The number of the stance set being played; -1 when none plays.
    int currentStance() const;
    // Asks for track i; by priority the request is ignored, queued until the
    // current track restarts, or switched to at once.
    void requestStance(int i);
};

#endif
