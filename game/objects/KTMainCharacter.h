#ifndef GAME_OBJECTS_KTMAINCHARACTER_H
#define GAME_OBJECTS_KTMAINCHARACTER_H

#include "game/objects/KTGameCharacter.h"

class VXSkeleton;

// The player's character: one instance, created by the scene and kept across
// levels. Movement comes from outside (keyboard, scene) through impulses and
// the animation operations; timers count updates.
class KTMainCharacter : public KTGameCharacter {
public:
    // The named animations of the main character's choreography, in the
    // order their indices are kept.
    enum Stance {
        Stand,
        Attack1,
        Attack2,
        AttackFlight1,
        AttackFlight2,
        AttackRun1,
        AttackRun2,
        Death,
        DeadStand,
        DeathWalk,
        DeadWalk,
        DeathFlight,
        DeathFall,
        LandDeath,
        DeadLand,
        Jump,
        Flight,
        Land,
        Pain,
        PainFlight,
        PainWalk,
        Walk,
        StandToWalk,
        WalkToStand,
        StandToFlight,
        CrankDat,
        StanceCount
    };
    // The choreography's names of the stances, by Stance.
    static const char* const stanceNames[StanceCount];

    // Hearts at attachment and at every level load: a full heart.
    static constexpr int StartHealth = 4;
    // Updates of invulnerability after a hit.
    static constexpr int PainFrames = 60;
    // Each ammunition counter holds at most this many missiles.
    static constexpr int MaxAmmo = 999;

    // Built at attachment, owned; null while the character assets are not
    // loaded (then nothing animates or draws).
    VXSkeleton* skeleton;
    // `grounded` as it was at the previous update.
    bool wasGrounded;
    // Raised when the death timer runs out; the scene clears it.
    bool restartRequested;
    // Raised when the player touches a goal block; the scene clears it.
    bool goalReached;
    // Set by the first die; the level load clears it.
    bool dead;
    // Hearts: StartHealth at attachment; the HUD clamps what it shows.
    int health;
    // Updates until the restart request; -1 when idle.
    int deathTimer;
    // Updates of invulnerability left after a hit.
    int painTimer;
    // Ammunition of the KTMissileType::Grey, Red and Destroy missiles,
    // 0..MaxAmmo through pickups and keys.
    int greyAmmo;
    int redAmmo;
    int destroyAmmo;
    // The choreography's index of each Stance; -1 without a skeleton.
    int stanceIndex[StanceCount];

    // The spin of the ground shadow, shared by every draw of the character.
    static float shadowSpin;

    KTMainCharacter();
    ~KTMainCharacter() override;
    KTMainCharacter(const KTMainCharacter&) = delete;
    KTMainCharacter& operator=(const KTMainCharacter&) = delete;

    void attachToLevel(KTPhysicsWorld* physicsWorld, KTLevelWorld* world) override;
    void update() override;
    void draw(VXViewState* view, VXShaderProgram* program) override;

    void playAttackAnimation();
    void playJumpAnimation();
    void playLandingAnimation();
    void playPainAnimation();
    void playDeathAnimation();
    void playWalkStartAnimation();
    void playTakeOffAnimation();
    bool isStanding() const;
    bool isFlying() const;
    bool isWalking() const;
    bool isLyingDead() const;

    // One hit: a heart, unless a hit less than 60 updates ago still protects.
    void hurt();
    void die();
    // Drift toward the centre of the grid cell once nearly stopped.
    void settleOnCell();

    // Where draw puts the shadow: 2 above the top of the highest block below
    // the character (see the scan in the source).
    VXVec4 shadowPosition() const;

    // Asks the skeleton for a stance (by priority it switches, queues or is
    // ignored); nothing without a skeleton.
    void requestStance(Stance stance);
};

#endif
