#include "game/effects/KTParticleManager.h"

#include <algorithm>
#include <cmath>

#include "engine/math/VXMat4.h"
#include "engine/math/VXMath.h"
#include "engine/model/VXOBJData.h"
#include "engine/render/VXViewState.h"
#include "game/effects/KTParticleType.h"
#include "game/start/KTAssets.h"
#include "platform/HostRandom.h"

namespace {

float unitRandom()
{
    return static_cast<float>(hostRand()) / static_cast<float>(HOST_RAND_MAX);
}

// Three turns of up to 0.1 radians about x, y and z, in that order.
VXQuat smallRandomRotation()
{
    float ax = unitRandom() / 10.0f;
    float ay = unitRandom() / 10.0f;
    float az = unitRandom() / 10.0f;
    VXQuat q = VXQuat::fromAngleAxis(ax, 1.0f, 0.0f, 0.0f) * VXQuat::fromAngleAxis(ay, 0.0f, 1.0f, 0.0f)
        * VXQuat::fromAngleAxis(az, 0.0f, 0.0f, 1.0f);
    q.normalize();
    return q;
}

} // namespace

KTParticleManager::KTParticleManager()
    : next(0)
{
}

KTExplosion* KTParticleManager::findFreeExplosion()
{
    for (int i = 0; i < PoolSize; ++i) {
        int slot = (next + i) % PoolSize;
        if (!explosions[slot].active) {
            next = slot + 1;
            return &explosions[slot];
        }
    }
    return nullptr;
}

void KTParticleManager::startExplosion(KTExplosion* explosion, int count, VXVec4 position, float speed,
                                       float scaleDecay, float damping)
{
    if (explosion == nullptr) {
        return;
    }
    count = std::clamp(count, 0, KTExplosion::MaxParticles);
    explosion->active = true;
    explosion->count = count;
    KTParticleType* type = assets().particleType;
    for (int i = 0; i < count; ++i) {
        KTParticle& particle = explosion->particles[i];
        float a = unitRandom() * VX_PI;
        float b = unitRandom() * 2.0f * VX_PI;
        float r = unitRandom() * speed;

        particle.phase = 0;
        particle.frame = 0;
        VXVec4 base = type != nullptr ? type->baseColour : VXVec4(1.0f, 1.0f, 1.0f, 1.0f);
        base.w() = 1.0f;
        particle.material.ambient = base;
        particle.material.diffuse = base;
        particle.material.specular = base;
        particle.type = type;
        particle.position = VXVec4(position.x(), position.y(), position.z(), 1.0f);
        particle.velocity = VXVec4(r * std::sin(a) * std::cos(b), r * std::cos(a), r * std::sin(a) * std::sin(b), 1.0f);
        particle.orientation = smallRandomRotation();
        particle.spin = smallRandomRotation();
        particle.scaleDecay = scaleDecay;
        particle.damping = damping;
        particle.scale = 1.0f;
        particle.active = true;
    }
}

void KTParticleManager::update()
{
    for (KTExplosion& explosion : explosions) {
        if (!explosion.active) {
            continue;
        }
        explosion.active = false;
        for (int i = 0; i < explosion.count; ++i) {
            KTParticle& particle = explosion.particles[i];
            particle.update();
            if (particle.active) {
                explosion.active = true;
            }
        }
    }
}

void KTParticleManager::draw(VXViewState* view, VXShaderProgram* program)
{
    VXOBJData* model = assets().particle;
    if (model == nullptr || view == nullptr || program == nullptr) {
        return;
    }
    for (KTExplosion& explosion : explosions) {
        if (!explosion.active) {
            continue;
        }
        // Ended particles of a running explosion are drawn too, at their last place.
        for (int i = 0; i < explosion.count; ++i) {
            KTParticle& particle = explosion.particles[i];
            view->stack.push();
            view->stack.translate(particle.position);
            view->stack.rotate(particle.orientation);
            view->uploadModelViewProjection();
            view->uploadModelView();
            model->drawWithMaterial(program, &particle.material);
            view->stack.pop();
        }
    }
}

int KTParticleManager::activeCount() const
{
    int active = 0;
    for (const KTExplosion& explosion : explosions) {
        if (explosion.active) {
            ++active;
        }
    }
    return active;
}

void createParticleManager()
{
    if (assets().particleType != nullptr) {
        return;
    }
    KTParticleType* type = new KTParticleType(VXVec4(1.0f, 1.0f, 1.0f, 1.0f));
    type->addPhase(VXVec4(1.0f, 1.0f, 0.0f, 1.0f));
    type->addPhase(VXVec4(1.0f, 0.0f, 0.0f, 1.0f));
    type->addPhase(VXVec4(0.0f, 0.0f, 0.0f, 1.0f));
    assets().particleType = type;
}
