#include "game/effects/KTParticleType.h"

KTParticleType::KTParticleType(const VXVec4& base)
    : baseColour(base), lastColour(base), phaseCount(0)
{
}

void KTParticleType::addPhase(const VXVec4& target)
{
    VXVec4 step = target - lastColour;
    step *= 1.0f / static_cast<float>(FramesPerPhase);
    step.w() = 1.0f;
    colourSteps.push_back(step);
    phaseFrames.push_back(FramesPerPhase);
    lastColour = target;
    phaseCount += 1;
}
