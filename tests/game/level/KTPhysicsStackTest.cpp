#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <vector>

#include "game/level/KTPhysicsWorld.h"

namespace {

KTPhysicsBody cube(float inverseMass, bool falls, int id)
{
    return KTPhysicsBody{VXVec4(-15, -15, -15, 1), VXVec4(15, 15, 15, 1), inverseMass, 100, id, true, falls};
}

} // namespace

// Boxes dropped one above the other onto a floor of static blocks settle into
// a still column. Each pass resolves a box against the one below before the
// one above pushes it back down, so resting contacts keep a small overlap that
// grows with the weight above; it must stay small and must not creep.
TEST(KTPhysicsStack, FallingBoxesSettleOnStaticBlocks)
{
    KTPhysicsWorld physics;
    physics.init(KTWorldBox{VXVec4(0, 0, 0, 1), VXVec4(600, 600, 600, 1)}, VXVec4(0, -0.3f, 0, 1));
    std::deque<KTPhysicsBody> bodies;
    int id = 0;
    for (int x = 0; x < 5; ++x) {
        for (int z = 0; z < 5; ++z) {
            bodies.push_back(cube(0, false, id++));
            physics.addObject(VXVec4(x * 30 + 15.0f, 15, z * 30 + 15.0f, 1), &bodies.back());
        }
    }
    const int boxes = 4;
    std::vector<KTPhysicsObject*> stack;
    for (int i = 0; i < boxes; ++i) {
        bodies.push_back(cube(1, true, id++));
        // Slightly off the column centre, and falling from well apart.
        stack.push_back(physics.addObject(VXVec4(75 + 0.5f * (i % 2), 80 + 45.0f * i, 75, 1), &bodies.back()));
    }

    std::vector<float> settled(boxes);
    for (int pass = 0; pass < 1000; ++pass) {
        physics.resolveCollisions();
        physics.collisions.clear();
        for (int i = 0; i < boxes; ++i) {
            float below = i == 0 ? 30.0f : stack[i - 1]->position.y() + 15;
            // Never deeper than a tenth of a box into what lies below.
            ASSERT_GT(stack[i]->position.y() - 15, below - 3.0f) << "box " << i << " pass " << pass;
        }
        if (pass == 500) {
            for (int i = 0; i < boxes; ++i) {
                settled[i] = stack[i]->position.y();
            }
        }
    }

    for (int i = 0; i < boxes; ++i) {
        const KTPhysicsObject& box = *stack[i];
        EXPECT_NEAR(box.position.y(), settled[i], 0.01f) << "box " << i;
        EXPECT_NEAR(box.position.y(), 45 + 30.0f * i, 4.0f) << "box " << i;
        EXPECT_NEAR(box.position.x(), 75, 1.0f) << "box " << i;
        EXPECT_NEAR(box.position.z(), 75, 1.0f) << "box " << i;
    }
    EXPECT_GT(stack[0]->position.y(), 43.0f);
}
