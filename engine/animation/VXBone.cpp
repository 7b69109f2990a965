#include "engine/animation/VXBone.h"

VXBone::VXBone()
    : model(nullptr)
    , rotation()
    , translation(0.0f, 0.0f, 0.0f, 1.0f)
{
    rotation[0] = 0.0f;
    rotation[1] = 0.0f;
    rotation[2] = 0.0f;
    rotation[3] = 1.0f;
    worldMatrix.setIdentity();
}

void VXBone::addExtension(const VXVec4& p)
{
    extensionPoints.push_back(p);
    extensionPointsCopy.push_back(p);
}

void VXBone::addChild(VXBone* child)
{
    children.push_back(child);
}
