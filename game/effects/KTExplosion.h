#ifndef GAME_EFFECTS_KTEXPLOSION_H
#define GAME_EFFECTS_KTEXPLOSION_H

#include "game/effects/KTParticle.h"

// One slot of the explosion pool: up to MaxParticles particles, of which the
// first `count` are in use.
struct KTExplosion {
    static constexpr int MaxParticles = 100;

    KTParticle particles[MaxParticles];
    bool active;
    int count;

    KTExplosion() : active(false), count(0) {}
};

#endif
