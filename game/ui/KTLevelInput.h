#ifndef GAME_UI_KTLEVELINPUT_H
#define GAME_UI_KTLEVELINPUT_H

#include "engine/core/VXInput.h"

class KTLevelScene;
struct KTMovementRequest;

// The keyboard while a level is played: arrows walk, Space jumps, Return/z,
// x and c fire, a/d turn the camera, w/s zoom, m/n/+/-/0/9 the music and
// volumes, Escape pauses, F5/F6/F12 change level. Keys are SDL 1.2 symbols.
class KTLevelInput : public VXInput {
public:
    static constexpr int KeyReturn = 13;
    static constexpr int KeyEscape = 27;
    static constexpr int KeySpace = 32;
    static constexpr int KeyPlus = 43;
    static constexpr int KeyMinus = 45;
    static constexpr int KeyZero = 48;
    static constexpr int KeyNine = 57;
    static constexpr int KeyEquals = 61;
    static constexpr int KeyA = 97;
    static constexpr int KeyC = 99;
    static constexpr int KeyD = 100;
    static constexpr int KeyM = 109;
    static constexpr int KeyN = 110;
    static constexpr int KeyS = 115;
    static constexpr int KeyW = 119;
    static constexpr int KeyX = 120;
    static constexpr int KeyZ = 122;
    static constexpr int KeyUp = 273;
    static constexpr int KeyDown = 274;
    static constexpr int KeyRight = 275;
    static constexpr int KeyLeft = 276;
    static constexpr int KeyF5 = 286;
    static constexpr int KeyF6 = 287;
    static constexpr int KeyF12 = 293;
    static constexpr int KeyRightShift = 303;
    static constexpr int KeyLeftShift = 304;
    static constexpr int KeyRightCtrl = 305;
    static constexpr int KeyLeftCtrl = 306;

    // Missile types fired by the keys.
    static constexpr int RedMissile = 0;
    static constexpr int GreyMissile = 1;
    static constexpr int DestroyMissile = 9;

    // Neither is owned.
    KTLevelScene* scene;
    KTMovementRequest* movement;

    KTLevelInput(KTLevelScene* scene, KTMovementRequest* movement);

    void onKeyUp(int key) override;
    void onKeyDown(int key) override;
    void onQuit() override;

    // One missile of `type` 25 units ahead of the player, in its facing;
    // nothing while the player is dead.
    void fireMissile(int type, KTLevelScene* scene);

private:
    void jump();
    // Spends one unit of `counter` on a missile of `type`; an empty counter
    // only clicks.
    void fireFrom(int& counter, int type);
    void zoom(float rate, float offsetSign);
    void pause();
    // Adds to dx or dz, held within -1..1 (they index the 3 x 3 tables).
    void step(int& axis, int change);
};

#endif
