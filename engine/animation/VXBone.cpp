#include "engine/animation/VXBone.h"

#include "engine/model/VXOBJData.h"
#include "engine/render/VXShaderProgram.h"
#include "engine/render/VXViewState.h"

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

void VXBone::draw(VXViewState& view, const VXShaderProgram& program)
{
    view.stack.translate(translation);
    view.stack.rotate(rotation);
    view.uploadModelViewProjection();
    view.uploadModelView();
    if (model != nullptr) {
        // The model draw takes the program unqualified but leaves it unchanged.
        model->draw(const_cast<VXShaderProgram*>(&program));
    }
    worldMatrix = view.stack.top();
    const int count = static_cast<int>(children.size());
    if (count == 0) {
        view.stack.pop();
    }
    for (int i = 1; i < count; ++i) {
        view.stack.push();
    }
    for (VXBone* child : children) {
        child->draw(view, program);
    }
}
