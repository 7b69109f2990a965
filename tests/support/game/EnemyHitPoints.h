#ifndef TESTS_SUPPORT_GAME_ENEMYHITPOINTS_H
#define TESTS_SUPPORT_GAME_ENEMYHITPOINTS_H

class QMIntelligence;

// What is left of an AI enemy; 0 for a type without hit points.
int enemyHitPoints(const QMIntelligence* ai);

#endif
