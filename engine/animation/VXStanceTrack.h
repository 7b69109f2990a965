#ifndef ENGINE_ANIMATION_VXSTANCETRACK_H
#define ENGINE_ANIMATION_VXSTANCETRACK_H

class VXPose;
class VXSkeleton;

// One key pose of a playing animation and the way to the next one.
class VXStanceFrame {
public:
    VXPose* pose;         // not owned
    VXStanceFrame* next;  // null on the last frame
    float step;           // share of the way to the next frame covered per update
    float t;              // 0 to 1 between this frame and the next
    int frameId;

    VXStanceFrame(VXPose* pose, int frameId);

    void resetT();
    // Moves t on by step; past the end of the way, the next frame (with its t
    // at 0). The last frame has no way to go and returns itself.
    VXStanceFrame* advance();
    void apply(VXSkeleton& skeleton) const;
};

// A played animation: a list of frames and the track that follows it.
class VXStanceTrack {
public:
    VXStanceFrame* first;
    // The last frame while frames are appended; the playing frame after reset.
    VXStanceFrame* cursor;
    VXStanceTrack* next;  // plays when this one ends; this track when recursive
    int index;            // number in the choreography
    int priority;
    bool restarted;       // set by reset, cleared by every step

    VXStanceTrack(VXPose* pose, int frameId);
    ~VXStanceTrack();
    VXStanceTrack(const VXStanceTrack&) = delete;
    VXStanceTrack& operator=(const VXStanceTrack&) = delete;

    void append(VXPose* pose, float step, int frameId);
    void makeRecursive();
    // Plays forward and then back to the first pose at the same speeds; the
    // returning frames carry negated frame ids.
    void makeReflexive();
    void reset();
    void apply(VXSkeleton& skeleton) const;
    // The track that plays after this update: this one, its successor (reset)
    // when this one has ended, or null when it ended without a successor.
    VXStanceTrack* step();
};

#endif
