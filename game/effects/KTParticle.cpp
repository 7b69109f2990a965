#include "game/effects/KTParticle.h"

#include "game/effects/KTParticleType.h"

KTParticle::KTParticle()
    : phase(0),
      frame(0),
      type(nullptr),
      position(0.0f, 0.0f, 0.0f, 1.0f),
      velocity(0.0f, 0.0f, 0.0f, 1.0f),
      orientation(VXQuat::identity()),
      spin(VXQuat::identity()),
      scaleDecay(1.0f),
      scale(1.0f),
      damping(1.0f),
      active(false)
{
}

void KTParticle::update()
{
    if (!active) {
        return;
    }
    // Without a timeline (no type, or one phase past its end) there is
    // nothing left to show.
    if (type == nullptr || phase < 0 || phase >= type->phaseCount
        || phase >= static_cast<int>(type->colourSteps.size())
        || phase >= static_cast<int>(type->phaseFrames.size())) {
        active = false;
        return;
    }

    material.diffuse += type->colourSteps[static_cast<size_t>(phase)];
    material.ambient = material.diffuse;
    material.specular = material.diffuse;

    orientation = orientation * spin;
    orientation.normalize();
    orientation *= scale;
    scale *= scaleDecay;

    position += velocity;
    velocity *= damping;

    frame += 1;
    if (frame >= type->phaseFrames[static_cast<size_t>(phase)]) {
        phase += 1;
        frame = 0;
        if (phase >= type->phaseCount) {
            active = false;
        }
    }
}
