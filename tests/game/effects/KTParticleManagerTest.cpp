#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "game/effects/KTParticleManager.h"
#include "game/effects/KTParticleType.h"
#include "game/start/KTAssets.h"
#include "platform/HostRandom.h"

namespace {

class ParticlePool : public ::testing::Test {
protected:
    std::unique_ptr<KTParticleManager> pool{new KTParticleManager()};

    ParticlePool()
    {
        createParticleManager();
        hostSrand(7);
    }

    KTExplosion* start(int count, float speed)
    {
        KTExplosion* e = pool->findFreeExplosion();
        pool->startExplosion(e, count, VXVec4(100, 50, 200, 1), speed, 0.985f, 0.95f);
        return e;
    }

    static float length(const VXQuat& q)
    {
        return std::sqrt(q.x() * q.x() + q.y() * q.y() + q.z() * q.z() + q.w() * q.w());
    }
};

void expectColour(const VXVec4& c, float r, float g, float b)
{
    EXPECT_NEAR(c.x(), r, 1e-4);
    EXPECT_NEAR(c.y(), g, 1e-4);
    EXPECT_NEAR(c.z(), b, 1e-4);
}

} // namespace

TEST_F(ParticlePool, StillParticleFadesThroughTheTimelineAndShrinks)
{
    KTExplosion* e = start(1, 0.0f);
    const KTParticle& p = e->particles[0];
    expectColour(p.material.diffuse, 1, 1, 1);

    for (int i = 0; i < 30; ++i) {
        pool->update();
    }
    expectColour(p.material.diffuse, 1, 1, 0);
    expectColour(p.material.ambient, 1, 1, 0);
    expectColour(p.material.specular, 1, 1, 0);
    EXPECT_EQ(p.phase, 1);
    // Scaled by the scale before each update's decay: 1, then 0.985 ...
    EXPECT_NEAR(length(p.orientation), std::pow(0.985f, 29), 1e-4);
    EXPECT_EQ(p.position.x(), 100.0f);
    EXPECT_EQ(p.position.y(), 50.0f);
    EXPECT_EQ(p.position.z(), 200.0f);

    for (int i = 0; i < 30; ++i) {
        pool->update();
    }
    expectColour(p.material.diffuse, 1, 0, 0);
    for (int i = 0; i < 29; ++i) {
        pool->update();
    }
    EXPECT_TRUE(p.active);
    EXPECT_TRUE(e->active);
    pool->update();
    expectColour(p.material.diffuse, 0, 0, 0);
    EXPECT_FALSE(p.active);
    EXPECT_FALSE(e->active);
}

TEST_F(ParticlePool, ParticlesFlyWithinTheirSpeedAndSlowDown)
{
    KTExplosion* e = start(100, 4.0f);
    float before[100];
    for (int i = 0; i < 100; ++i) {
        const VXVec4& v = e->particles[i].velocity;
        before[i] = std::sqrt(v.lengthSquared());
        ASSERT_LE(before[i], 4.0f + 1e-4f);
    }
    pool->update();
    for (int i = 0; i < 100; ++i) {
        const KTParticle& p = e->particles[i];
        EXPECT_NEAR(std::sqrt(p.velocity.lengthSquared()), before[i] * 0.95f, 1e-4);
        VXVec4 moved = p.position - VXVec4(100, 50, 200, 1);
        EXPECT_NEAR(std::sqrt(moved.lengthSquared()), before[i], 1e-3);
    }
}

TEST_F(ParticlePool, FreeSlotSearchRotatesAndCountsAreHeld)
{
    pool->next = 99;
    KTExplosion* last = start(5, 1.0f);
    EXPECT_EQ(last, &pool->explosions[99]);
    EXPECT_EQ(pool->next, 100);
    // Past slot 99 the search wraps to slot 0.
    EXPECT_EQ(start(500, 1.0f), &pool->explosions[0]);
    EXPECT_EQ(pool->explosions[0].count, 100);
    EXPECT_EQ(start(-3, 1.0f), &pool->explosions[1]);
    EXPECT_EQ(pool->explosions[1].count, 0);
    // An empty explosion ends on its first update.
    pool->update();
    EXPECT_FALSE(pool->explosions[1].active);
    EXPECT_TRUE(pool->explosions[0].active);

    // Slots 2..98 taken: the only free one left is slot 1.
    for (int i = 2; i < 99; ++i) {
        ASSERT_EQ(start(1, 1.0f), &pool->explosions[i]);
    }
    EXPECT_EQ(pool->findFreeExplosion(), &pool->explosions[1]);
    pool->explosions[1].active = true;
    int next = pool->next;
    EXPECT_EQ(pool->findFreeExplosion(), nullptr);
    EXPECT_EQ(pool->next, next);
}

TEST(ParticleType, PhasesStepFromTheLastColour)
{
    KTParticleType type(VXVec4(1, 1, 1, 1));
    type.addPhase(VXVec4(1, 1, 0, 1));
    type.addPhase(VXVec4(1, 0, 0, 1));
    ASSERT_EQ(type.phaseCount, 2);
    EXPECT_EQ(type.phaseFrames, (std::vector<int>{30, 30}));
    expectColour(type.colourSteps[0], 0, 0, -1.0f / 30);
    expectColour(type.colourSteps[1], 0, -1.0f / 30, 0);
    expectColour(type.lastColour, 1, 0, 0);
    expectColour(type.baseColour, 1, 1, 1);
}

TEST(ParticleType, ParticleWithoutATimelineEndsAtOnce)
{
    KTParticle particle;
    particle.active = true;
    particle.update();
    EXPECT_FALSE(particle.active);
}

TEST_F(ParticlePool, RandomDirectionsSpeedsAndTurnsStayWithinTheirRanges)
{
    // Every slot of the pool, full: ten thousand particles.
    const float speed = 3.0f;
    float fastest = 0.0f;
    float highest = -speed;
    float lowest = speed;
    for (int e = 0; e < KTParticleManager::PoolSize; ++e) {
        KTExplosion* explosion = start(KTExplosion::MaxParticles, speed);
        ASSERT_NE(explosion, nullptr);
        for (int i = 0; i < explosion->count; ++i) {
            const KTParticle& p = explosion->particles[i];
            const float r = std::sqrt(p.velocity.lengthSquared());
            ASSERT_LE(r, speed + 1e-4f);
            fastest = std::max(fastest, r);
            highest = std::max(highest, p.velocity.y() / std::max(r, 1e-6f));
            lowest = std::min(lowest, p.velocity.y() / std::max(r, 1e-6f));
            // Three turns of at most 0.1 radians each: at most 0.3 in all.
            for (const VXQuat* q : {&p.orientation, &p.spin}) {
                ASSERT_NEAR(length(*q), 1.0f, 1e-4f);
                ASSERT_GE(q->w(), std::cos(0.15f) - 1e-5f);
            }
        }
    }
    // The draws spread over the whole range, not a corner of it.
    EXPECT_GT(fastest, 0.99f * speed);
    EXPECT_GT(highest, 0.99f);
    EXPECT_LT(lowest, -0.99f);
}
