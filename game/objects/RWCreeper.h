#ifndef GAME_OBJECTS_RWCREEPER_H
#define GAME_OBJECTS_RWCREEPER_H

#include "engine/math/VXQuat.h"
#include "game/objects/QMIntelligence.h"

class VXOBJData;

// A small rolling enemy drawn from its own model. It rolls toward its
// destinations, spins when hit, and in range lunges at the player and blows
// itself up two updates later; a second hit blows it up too. Other objects
// never block its path; when it does not get away from a spot it hops.
// Damage comes through hit(), not takeDamage.
class RWCreeper : public QMIntelligence {
public:
    // Read at every spawn; owned, with its GL buffer, which goes with it.
    VXOBJData* model;
    int hitPoints;
    bool rolling;
    // Spinning in place, after a hit or the lunge.
    bool spinning;
    // The lunge has been made (or the creeper exploded).
    bool charged;
    // Heading and roll angles of the drawn orientation, radians.
    float yaw;
    float roll;
    VXQuat rollOrientation;
    // Updates until the self-destruction after the lunge; 0 idle.
    int attackTimer;
    // Updates of spinning left after a hit; 0 idle.
    int stunTimer;
    // Where the creeper was when the stuck count started.
    VXVec4 stuckPosition;
    // Consecutive path steps without moving 2 units.
    int stuckCount;
    int growlCounter;

    RWCreeper();
    ~RWCreeper() override;
    RWCreeper(const RWCreeper&) = delete;
    RWCreeper& operator=(const RWCreeper&) = delete;

    // Rolls or spins the ball, runs the fuse, then thinks and moves itself.
    void update() override;
    void draw(VXViewState* view, VXShaderProgram* program) override;
    void spawn(KTPhysicsWorld* physics, KTLevelWorld* level, KTGameObject* target, int spawnFlag, int roamMinX,
               int roamMinZ, int roamMaxX, int roamMaxZ) override;
    VXVec4 pathDirection(VXVec4 goal) override;
    // Lies still.
    void idle() override;
    // Hisses and starts rolling.
    void alert() override;
    // Hisses now and then and rolls about by the path search unless stunned.
    void wander() override;
    // Rolls after the player by the path search unless stunned.
    void pursue() override;
    // The lunge; the fuse ends in its explosion.
    void attack1() override;
    // Damage does not count: only hit() stuns it, and its last one explodes it.
    void takeDamage(int amount) override;
    // Marks it dead, nothing more: the explosion took it out.
    void die() override;
    float walkSpeed() override;
    float runSpeed() override;
    float sightRange() override;

    // One hit from outside.
    void hit();
    // Explosion, blast of the neighbouring cells and removal, once.
    void explode();

private:
    // Frees the model and gives its GL buffer back: creepers come and go
    // with every level load, their models with them.
    void releaseModel();
};

#endif
