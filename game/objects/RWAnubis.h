#ifndef GAME_OBJECTS_RWANUBIS_H
#define GAME_OBJECTS_RWANUBIS_H

#include "game/objects/RWShooter.h"

// The walking missile shooter: roams and pursues on the grid and fires red
// block missiles.
class RWAnubis : public RWShooter {
public:
    RWAnubis();

    void wander() override;
    void pursue() override;
};

#endif
