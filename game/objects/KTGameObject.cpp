#include "game/objects/KTGameObject.h"

#include <cmath>

#include "engine/model/VXOBJData.h"
#include "engine/render/VXViewState.h"
#include "game/level/KTGridCell.h"
#include "game/level/KTPhysicsObject.h"
#include "game/level/KTPhysicsWorld.h"

namespace {

int bodyIdCounter = 0;

const float GroundHeight = 0.01f;
const float BoundLow = 16.0f;
const float BoundHigh = 584.0f;

float cellCentre(float p)
{
    // std::trunc rather than an int cast: same result in range, defined beyond.
    return std::trunc(p / KT_CELL_SIZE) * KT_CELL_SIZE + KT_CELL_SIZE * 0.5f;
}

} // namespace

KTGameObject::KTGameObject()
    : world(nullptr),
      physicsWorld(nullptr),
      physicsObject(nullptr),
      objectId(-1),
      grounded(false),
      touched(false),
      position(0.0f, 0.0f, 0.0f, 1.0f),
      orientation(VXQuat::fromAngleAxis(0.0f, 0.0f, 0.0f, 1.0f)),
      columnSlot(-1)
{
    body.boxMin = VXVec4(0.0f, 0.0f, 0.0f, 1.0f);
    body.boxMax = VXVec4(0.0f, 0.0f, 0.0f, 1.0f);
    body.inverseMass = 0.0f;
    body.kind = 0;
    body.id = -1;
    body.collides = false;
    body.falls = false;
}

void KTGameObject::attachToLevel(KTPhysicsWorld* physics, KTLevelWorld* level)
{
    attachBody(physics, level);
}

void KTGameObject::attachBody(KTPhysicsWorld* physics, KTLevelWorld* level)
{
    world = level;
    physicsWorld = physics;
    body.id = takeNextBodyId();
    grounded = false;
    touched = false;
    physicsObject = physics != nullptr ? physics->addObject(position, &body) : nullptr;
}

void KTGameObject::update()
{
    // Tested on the previous copy: grounded lags the physics by one frame.
    grounded = position.y() + body.boxMin.y() < GroundHeight;
    touched = false;
    if (physicsObject == nullptr) {
        return;
    }
    position = physicsObject->position;
}

void KTGameObject::clampToLevelBounds()
{
    if (physicsObject == nullptr) {
        return;
    }
    // No lower bound on y: the physics floor holds objects up.
    VXVec4& p = physicsObject->position;
    if (p.x() < BoundLow) {
        p.x() = BoundLow;
    }
    if (p.z() < BoundLow) {
        p.z() = BoundLow;
    }
    if (p.x() > BoundHigh) {
        p.x() = BoundHigh;
    }
    if (p.z() > BoundHigh) {
        p.z() = BoundHigh;
    }
    if (p.y() > BoundHigh) {
        p.y() = BoundHigh;
    }
}

void KTGameObject::applyImpulse(const VXVec4& v)
{
    if (physicsObject == nullptr) {
        return;
    }
    VXVec4 change = v;
    change *= body.inverseMass;
    physicsObject->velocity += change;
}

void KTGameObject::emptyHook()
{
}

void KTGameObject::drawModel(VXOBJData* model, VXViewState* view, VXShaderProgram* program)
{
    if (model == nullptr || view == nullptr || program == nullptr) {
        return;
    }
    view->stack.push();
    view->stack.translate(position);
    view->stack.rotate(orientation);
    view->uploadModelViewProjection();
    view->uploadModelView();
    model->draw(program);
    view->stack.pop();
}

int KTGameObject::takeNextBodyId()
{
    return bodyIdCounter++;
}

VXVec4 KTGameObject::snapToCellCentre(const VXVec4& p)
{
    return VXVec4(cellCentre(p.x()), cellCentre(p.y()), cellCentre(p.z()), p.w());
}
