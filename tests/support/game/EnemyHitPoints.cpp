#include "support/game/EnemyHitPoints.h"

#include "game/objects/QMZealot.h"
#include "game/objects/RWColossus.h"
#include "game/objects/RWCreeper.h"
#include "game/objects/RWShooter.h"

int enemyHitPoints(const QMIntelligence* ai)
{
    if (const RWShooter* s = dynamic_cast<const RWShooter*>(ai)) {
        return s->hitPoints;
    }
    if (const QMZealot* z = dynamic_cast<const QMZealot*>(ai)) {
        return z->hitPoints;
    }
    if (const RWCreeper* c = dynamic_cast<const RWCreeper*>(ai)) {
        return c->hitPoints;
    }
    if (const RWColossus* c = dynamic_cast<const RWColossus*>(ai)) {
        return c->hitPoints;
    }
    return 0;
}
