#ifndef GAME_EFFECTS_KTPARTICLEMANAGER_H
#define GAME_EFFECTS_KTPARTICLEMANAGER_H

#include "engine/math/VXVec4.h"
#include "game/effects/KTExplosion.h"

struct VXShaderProgram;
struct VXViewState;

// The fixed pool of explosions. Every particle exists from construction on;
// starting, updating and drawing allocate nothing.
class KTParticleManager {
public:
    static constexpr int PoolSize = 100;

    KTExplosion explosions[PoolSize];
    // Where the next free-slot search begins, so slots are reused in rotation.
    int next;

    KTParticleManager();
    KTParticleManager(const KTParticleManager&) = delete;
    KTParticleManager& operator=(const KTParticleManager&) = delete;

    // Null when every explosion is running.
    KTExplosion* findFreeExplosion();
    // `count` is held to 0..MaxParticles.
    void startExplosion(KTExplosion* explosion, int count, VXVec4 position, float speed, float scaleDecay,
                        float damping);
    void update();
    // Draws nothing while the particle model is not loaded.
    void draw(VXViewState* view, VXShaderProgram* program);

    int activeCount() const;
};

// Builds the shared particle type (white, yellow, red, black, 30 updates per
// phase) into assets().particleType; a type already there is kept.
void createParticleManager();

#endif
