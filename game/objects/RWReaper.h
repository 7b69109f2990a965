#ifndef GAME_OBJECTS_RWREAPER_H
#define GAME_OBJECTS_RWREAPER_H

#include "game/objects/RWShooter.h"

// The flying missile shooter: ignores the grid and its roaming rectangle,
// flies straight at the player also while wandering, always sees it, and
// fires acid block missiles. Its corpse falls.
class RWReaper : public RWShooter {
public:
    RWReaper();

    void wander() override;
    void pursue() override;
    bool hasLineOfSight() override;

private:
    void flyingStep();
};

#endif
