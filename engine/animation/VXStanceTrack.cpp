#include "engine/animation/VXStanceTrack.h"

#include "engine/animation/VXSkeleton.h"

#include <vector>

VXStanceFrame::VXStanceFrame(VXPose* pose, int frameId)
    : pose(pose)
    , next(nullptr)
    , step(0.0f)
    , t(0.0f)
    , frameId(frameId)
{
}

void VXStanceFrame::resetT()
{
    t = 0.0f;
}

VXStanceFrame* VXStanceFrame::advance()
{
    t = t + step;
    if (next == nullptr) {
        return this;
    }
    if (static_cast<double>(t) > 0.9999999) {
        next->t = 0.0f;
        return next;
    }
    return this;
}

void VXStanceFrame::apply(VXSkeleton& skeleton) const
{
    if (next == nullptr) {
        skeleton.interpolatePose(*pose, *pose, t);
        return;
    }
    skeleton.interpolatePose(*pose, *next->pose, t);
}

VXStanceTrack::VXStanceTrack(VXPose* pose, int frameId)
    : first(new VXStanceFrame(pose, frameId))
    , cursor(first)
    , next(nullptr)
    , index(-1)
    , priority(0)
    , restarted(false)
{
}

VXStanceTrack::~VXStanceTrack()
{
    VXStanceFrame* frame = first;
    while (frame != nullptr) {
        VXStanceFrame* following = frame->next;
        delete frame;
        frame = following;
    }
}

void VXStanceTrack::append(VXPose* pose, float step, int frameId)
{
    VXStanceFrame* frame = new VXStanceFrame(pose, frameId);
    frame->next = cursor->next;
    cursor->next = frame;
    cursor->step = step;
    cursor = frame;
}

void VXStanceTrack::makeRecursive()
{
    next = this;
}

void VXStanceTrack::makeReflexive()
{
    std::vector<VXStanceFrame*> frames;
    for (VXStanceFrame* frame = first; frame != nullptr; frame = frame->next) {
        frames.push_back(frame);
    }
    cursor = frames.back();
    for (int i = static_cast<int>(frames.size()) - 2; i >= 0; --i) {
        append(frames[i]->pose, frames[i]->step, -frames[i]->frameId);
    }
}

void VXStanceTrack::reset()
{
    cursor = first;
    cursor->t = 0.0f;
    restarted = true;
}

void VXStanceTrack::apply(VXSkeleton& skeleton) const
{
    cursor->apply(skeleton);
}

VXStanceTrack* VXStanceTrack::step()
{
    restarted = false;
    cursor = cursor->advance();
    if (cursor->next != nullptr) {
        return this;
    }
    if (next == nullptr) {
        return nullptr;
    }
    next->reset();
    return next;
}
