#ifndef GAME_EFFECTS_KTPARTICLETYPE_H
#define GAME_EFFECTS_KTPARTICLETYPE_H

#include <vector>

#include "engine/math/VXVec4.h"

// The colour timeline that every particle follows: a start colour and phases
// of a fixed number of updates, each moving the colour by a constant step.
class KTParticleType {
public:
    static constexpr int FramesPerPhase = 30;

    // Added to a particle's colour on each update of the phase.
    std::vector<VXVec4> colourSteps;
    std::vector<int> phaseFrames;
    VXVec4 baseColour;
    // Where the last phase added so far ends; the next phase starts here.
    VXVec4 lastColour;
    int phaseCount;

    explicit KTParticleType(const VXVec4& baseColour);

    // A phase of FramesPerPhase updates from lastColour to `target`.
    void addPhase(const VXVec4& target);
};

#endif
