#include "engine/animation/VXChoreography.h"

#include "engine/animation/VXStanceTrack.h"

VXChoreography::VXChoreography()
    : current(nullptr)
{
}

VXChoreography::~VXChoreography()
{
    for (VXStanceTrack* track : tracks) {
        delete track;
    }
}
