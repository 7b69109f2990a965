#ifndef GAME_UI_KTSTATUSLAYOUT_H
#define GAME_UI_KTSTATUSLAYOUT_H

#include "engine/math/VXVec4.h"
#include "engine/render/VXScreenRect.h"
#include "game/ui/KTStatusFlash.h"

class KTLevelScene;
struct VXShaderProgram;

// What the HUD pass draws, in screen coordinates (-1..1, y up): the heart,
// three three-digit ammunition counters, the menu page with its highlight and
// the overlay flashes.
struct KTStatusLayout {
    static constexpr int HeartRect = 0;
    static constexpr int GreyCounterRect = 1;
    static constexpr int DestroyCounterRect = 4;
    static constexpr int RedCounterRect = 7;
    static constexpr int MenuPageRect = 10;
    static constexpr int HighlightRect = 11;
    static constexpr int RectCount = 12;
    static constexpr int FlashCount = 10;
    static constexpr int CounterDigits = 3;

    VXScreenRect rects[RectCount];
    // Radians; grows by heartSpeed every drawn frame.
    float heartPhase;
    float heartSpeed;
    float heartAmplitude;
    VXVec4 heartColour;
    KTStatusFlash flashes[FlashCount];
    // Not owned.
    KTLevelScene* scene;

    KTStatusLayout();

    // Start values, the highlight and the three counters at 000.
    void initialize(KTLevelScene* scene);

    // The scene's menu page, or the play HUD, from the scene's state.
    void draw(const VXShaderProgram& program);
    void drawMenu(const VXShaderProgram& program);
    void drawPlay(const VXShaderProgram& program);

    // The heart's pulse, size, picture and colour for this frame.
    void updateHeart(int health);
    // The three digits of `value` (limited to 0..999) into the rects from
    // `firstRect` on.
    void setCounter(int firstRect, int value);
};

#endif
