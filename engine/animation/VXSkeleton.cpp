#include "engine/animation/VXSkeleton.h"

#include "engine/animation/VXBone.h"
#include "engine/animation/VXChoreography.h"
#include "engine/animation/VXPose.h"
#include "engine/animation/VXStanceTrack.h"
#include "engine/animation/VXVXAChoreographyManagerData.h"
#include "engine/animation/VXVXSSkeletonData.h"
#include "engine/render/VXViewState.h"

namespace {

bool inSubtree(const VXBone* top, const VXBone* bone)
{
    if (top == bone) {
        return true;
    }
    for (const VXBone* child : top->children) {
        if (inSubtree(child, bone)) {
            return true;
        }
    }
    return false;
}

} // namespace

VXSkeleton::VXSkeleton()
    : root(nullptr)
    , boneCount(0)
    , choreography(nullptr)
    , currentTrack(nullptr)
    , queuedTrack(nullptr)
{
}

VXSkeleton::~VXSkeleton()
{
    for (VXBone* bone : bones) {
        delete bone;
    }
    delete choreography;
}

VXSkeleton* VXSkeleton::create(const VXVXSSkeletonData& data, VXVXAChoreographyManagerData& choreographyData)
{
    VXSkeleton* skeleton = new VXSkeleton();
    for (const VXBoneData& record : data.bones) {
        skeleton->addBone(record.makeBone());
    }
    for (const VXBoneRelation& relation : data.relations) {
        skeleton->link(relation.parent, relation.child);
    }
    skeleton->setRoot(data.anchorBone);
    skeleton->choreography = choreographyData.buildChoreography();
    skeleton->currentTrack = skeleton->choreography->current;
    return skeleton;
}

void VXSkeleton::addBone(VXBone* bone)
{
    bones.push_back(bone);
    ++boneCount;
}

void VXSkeleton::setRoot(int i)
{
    if (i < 0 || i >= static_cast<int>(bones.size())) {
        root = nullptr;
        return;
    }
    root = bones[i];
}

void VXSkeleton::link(int parent, int child)
{
    const int count = static_cast<int>(bones.size());
    if (parent < 0 || parent >= count || child < 0 || child >= count) {
        return;
    }
    VXBone* childBone = bones[child];
    for (const VXBone* bone : bones) {
        for (const VXBone* linked : bone->children) {
            if (linked == childBone) {
                return;
            }
        }
    }
    // Linking a bone under itself or under one of its own descendants would
    // make the draw recurse without end.
    if (inSubtree(childBone, bones[parent])) {
        return;
    }
    bones[parent]->addChild(childBone);
}

void VXSkeleton::draw(VXViewState& view, const VXShaderProgram& program)
{
    if (root == nullptr) {
        return;
    }
    view.stack.push();
    root->draw(view, program);
}

void VXSkeleton::interpolatePose(const VXPose& from, const VXPose& to, float t)
{
    const VXQuat identity = VXQuat::identity();
    const int fromCount = static_cast<int>(from.size());
    const int toCount = static_cast<int>(to.size());
    const int count = boneCount < static_cast<int>(bones.size()) ? boneCount : static_cast<int>(bones.size());
    for (int i = 0; i < count; ++i) {
        const VXQuat& a = i < fromCount ? from[i] : identity;
        const VXQuat& b = i < toCount ? to[i] : identity;
        bones[i]->rotation = VXQuat::slerp(a, b, t);
    }
}

void VXSkeleton::advanceStance()
{
    if (currentTrack == nullptr) {
        return;
    }
    VXStanceTrack* following = currentTrack->step();
    // A track that ends without a successor holds its last pose.
    const bool ended = following == nullptr;
    if (!ended) {
        currentTrack = following;
    }
    if ((ended || currentTrack->restarted) && queuedTrack != nullptr) {
        currentTrack = queuedTrack;
        queuedTrack = nullptr;
        currentTrack->reset();
    }
    currentTrack->apply(*this);
}

int VXSkeleton::currentStance() const
{
    if (currentTrack == nullptr) {
        return -1;
    }
    return currentTrack->index;
}

void VXSkeleton::requestStance(int i)
{
    if (choreography == nullptr || i < 0 || i >= static_cast<int>(choreography->tracks.size())) {
        return;
    }
    VXStanceTrack* track = choreography->tracks[i];
    if (currentTrack == nullptr) {
        queuedTrack = nullptr;
        currentTrack = track;
        currentTrack->reset();
        return;
    }
    // Wide enough that priorities near the int limits cannot overflow.
    const long long current = currentTrack->priority;
    const long long requested = track->priority;
    if (requested < current - 1) {
        return;
    }
    if (requested > current + 1) {
        queuedTrack = nullptr;
        currentTrack = track;
        currentTrack->reset();
        return;
    }
    queuedTrack = track;
}
