#ifndef GAME_EFFECTS_KTPARTICLE_H
#define GAME_EFFECTS_KTPARTICLE_H

#include "engine/math/VXQuat.h"
#include "engine/math/VXVec4.h"
#include "engine/model/VXOBJMaterial.h"

class KTParticleType;

// One tumbling, shrinking, fading piece of an explosion. Its colour lives in
// the material it is drawn with; the orientation's length is its draw scale.
struct KTParticle {
    int phase;
    int frame;
    VXOBJMaterial material;
    // Not owned.
    KTParticleType* type;
    VXVec4 position;
    VXVec4 velocity;
    VXQuat orientation;
    // Applied to the orientation on every update.
    VXQuat spin;
    float scaleDecay;
    float scale;
    float damping;
    bool active;

    KTParticle();

    // One step of an active particle; ends it after the type's last phase.
    void update();
};

#endif
