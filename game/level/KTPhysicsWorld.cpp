#include "game/level/KTPhysicsWorld.h"

#include <algorithm>
#include <cmath>

#include "engine/math/VXPenetration3D.h"
#include "game/level/KTGridCell.h"

namespace {

const float FloorRestitution = -0.5f;
const float SeparationMargin = 0.0001f;
const float VelocityRestitution = 0.5f;
const float FallDamping = 0.9f;

// Neither a huge box nor a non-finite one may turn into an endless search.
int searchBound(double cells)
{
    const double limit = 1.0e6;
    if (!(cells > -limit)) {
        return -static_cast<int>(limit);
    }
    if (cells > limit) {
        return static_cast<int>(limit);
    }
    return static_cast<int>(cells);
}

} // namespace

KTPhysicsWorld::KTPhysicsWorld()
    : worldMin(0.0f, 0.0f, 0.0f, 1.0f),
      worldMax(0.0f, 0.0f, 0.0f, 1.0f),
      gravity(0.0f, 0.0f, 0.0f, 1.0f)
{
}

KTPhysicsWorld::~KTPhysicsWorld()
{
    for (KTPhysicsObject* object : objects) {
        delete object;
    }
}

void KTPhysicsWorld::init(const KTWorldBox& worldBox, const VXVec4& gravityVector)
{
    worldMin = worldBox.lower;
    worldMax = worldBox.upper;
    gravity = gravityVector;
    grid.init(worldBox, KT_CELL_SIZE);
}

KTPhysicsObject* KTPhysicsWorld::addObject(const VXVec4& position, KTPhysicsBody* body)
{
    if (body == nullptr) {
        return nullptr;
    }
    KTPhysicsObject* object = new KTPhysicsObject;
    object->body = body;
    object->position = position;
    object->velocity = VXVec4(0.0f, 0.0f, 0.0f, 1.0f);
    object->node = objects.insert(objects.end(), object);
    return object;
}

void KTPhysicsWorld::resolveCollisions()
{
    for (KTGridCell& cell : grid.cells) {
        cell.objects.clear();
    }

    for (KTPhysicsObject* object : objects) {
        integrate(*object);
        if (grid.containsCell(object->position, 0, 0, 0)) {
            grid.cellAtPosition(object->position, 0, 0, 0).objects.add(object);
        }
    }

    for (KTPhysicsObject* object : objects) {
        const KTPhysicsBody& body = *object->body;
        if (body.inverseMass > 0.0f && body.collides) {
            searchNeighbours(*object);
        }
        if (body.falls) {
            object->velocity *= FallDamping;
        }
    }
}

void KTPhysicsWorld::integrate(KTPhysicsObject& object)
{
    const KTPhysicsBody& body = *object.body;
    if (body.inverseMass != 0.0f) {
        if (body.falls) {
            object.velocity += gravity;
        }
        object.position += object.velocity;
    }
    // The floor holds every body, immovable ones included.
    if (worldMin.y() > object.position.y() + body.boxMin.y()) {
        object.position.y() = worldMin.y() - body.boxMin.y();
        if (object.velocity.y() < 0.0f) {
            object.velocity.y() = object.velocity.y() * FloorRestitution;
        }
    }
}

void KTPhysicsWorld::searchNeighbours(KTPhysicsObject& a)
{
    const KTPhysicsBody& bodyA = *a.body;
    int lo[3];
    int hi[3];
    for (int k = 0; k < 3; ++k) {
        // The +0.5 makes the range one cell longer on the upper side; the
        // extra cell on each side catches boxes filed in the next cell.
        lo[k] = searchBound(std::floor(bodyA.boxMin.elements[k] / grid.cellSize + 0.5f) - 1.0);
        hi[k] = searchBound(std::floor(bodyA.boxMax.elements[k] / grid.cellSize + 0.5f) + 1.0);
        // An offset beyond the grid's span never reaches a cell from inside
        // it, so a box larger than the level searches no further.
        const int span = grid.cellsAlong(k);
        lo[k] = std::max(lo[k], -span);
        hi[k] = std::min(hi[k], span);
    }

    // Each offset counts from A's cell as it is now: a push that moves A into
    // the next cell moves the rest of the search with it.
    for (int dx = lo[0]; dx <= hi[0]; ++dx) {
        for (int dy = lo[1]; dy <= hi[1]; ++dy) {
            for (int dz = lo[2]; dz <= hi[2]; ++dz) {
                if (!grid.containsCell(a.position, dx, dy, dz)) {
                    continue;
                }
                KTGridCell& cell = grid.cellAtPosition(a.position, dx, dy, dz);
                const int size = cell.objects.size();
                for (int i = 0; i < size; ++i) {
                    KTPhysicsObject* b = cell.objects[i];
                    if (b == &a || !b->body->collides) {
                        continue;
                    }
                    VXPenetration3D p;
                    p.compute(a.position, bodyA, b->position, *b->body);
                    if (p.exists) {
                        separate(a, *b, p.axis, p.elements[p.axis].direction, p.elements[p.axis].depth);
                    }
                }
            }
        }
    }
}

void KTPhysicsWorld::separate(KTPhysicsObject& a, KTPhysicsObject& b, int axis, int direction, float depth)
{
    const KTPhysicsBody& bodyA = *a.body;
    const KTPhysicsBody& bodyB = *b.body;

    // The margin leaves the boxes a hair apart, so that B does not find the
    // same pair again when it searches.
    float push = (depth + SeparationMargin) * static_cast<float>(direction);
    // The lighter body takes the larger share; 1 when B is immovable.
    float shareA = bodyA.inverseMass / (bodyA.inverseMass + bodyB.inverseMass);
    a.position.elements[axis] += -shareA * push;
    b.position.elements[axis] += (1.0f - shareA) * push;

    float common = (1.0f - shareA) * a.velocity.elements[axis] + shareA * b.velocity.elements[axis];
    b.velocity.elements[axis] = common + VelocityRestitution * (common - b.velocity.elements[axis]);
    a.velocity.elements[axis] = common + VelocityRestitution * (common - a.velocity.elements[axis]);

    collisions.add(KTPhysicsCollision{bodyA.kind, bodyA.id, bodyB.kind, bodyB.id, axis});
}
