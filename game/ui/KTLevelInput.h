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
    // Neither is owned.
    KTLevelScene* scene;
    KTMovementRequest* movement;

    KTLevelInput(KTLevelScene* scene, KTMovementRequest* movement);

    void onKeyUp(int key) override;
    void onKeyDown(int key) override;
    void onQuit() override;

    // One missile of `type` (a KTMissileType) 25 units ahead of the player,
    // in its facing; nothing while the player is dead.
    void fireMissile(int type, KTLevelScene* scene);

    // Play resumes from the menus, which had the keyboard meanwhile: the
    // movement request, walk and the camera zoom are rebuilt from the keys
    // SDL reports held now, and only those count as pressed.
    void resume();

private:
    // The keys whose release undoes their press: the arrows and the zoom keys.
    static constexpr int CountedKeyCount = 6;
    // Which of them the level keys saw pressed and not yet released.
    bool counted[CountedKeyCount] = {};

    // Counts the press of `key`; false when it is not a counted key or its
    // press is already counted.
    bool countPress(int key);
    // Ends the count of `key`; false when its press was not counted here (a
    // press the menus had), so its release undoes nothing.
    bool countRelease(int key);

    void jump();
    // Spends one unit of `counter` on a missile of `type`; an empty counter
    // only clicks.
    void fireFrom(int& counter, int type);
    // A counted press of `key` adds `sign` to the zoom rate; every press
    // moves the camera offset one step the way of `sign`.
    void zoom(int key, float sign);
    void pause();
    // Adds to dx or dz, held within -1..1 (they index the 3 x 3 tables).
    void step(int& axis, int change);
};

#endif
