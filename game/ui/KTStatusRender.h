#ifndef GAME_UI_KTSTATUSRENDER_H
#define GAME_UI_KTSTATUSRENDER_H

#include "engine/render/VXOnScreenRender.h"
#include "game/ui/KTStatusLayout.h"

class KTLevelScene;

// The last pass of every frame: the HUD in play, the menu pages in menu mode.
class KTStatusRender : public VXOnScreenRender {
public:
    KTStatusLayout layout;
    // Not owned.
    KTLevelScene* scene;

    KTStatusRender();

    // The layout's rectangles, heart colour and ten inactive flashes.
    void create();
    void drawPass() override;
    // The layout's set-up, then the screen target.
    void initialize() override;
};

#endif
