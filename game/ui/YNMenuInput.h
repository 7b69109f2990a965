#ifndef GAME_UI_YNMENUINPUT_H
#define GAME_UI_YNMENUINPUT_H

#include "engine/core/VXInput.h"

class KTLevelScene;
struct YNMenuPage;

// The keyboard while the menus show: Up and Down move the highlight, Return
// acts on the selected item, Escape leaves the three top pages.
class YNMenuInput : public VXInput {
public:
    // Neither is owned.
    KTLevelScene* scene;
    // The page whose keys are active.
    YNMenuPage* currentPage;

    YNMenuInput(KTLevelScene* scene, YNMenuPage* currentPage);

    void onKeyDown(int key) override;
    void onQuit() override;

    void onMenuKey(KTLevelScene* scene, YNMenuPage* page, int key);

    // Makes `page` current and shown, with its first item highlighted.
    void enterPage(YNMenuPage* page);

private:
    void up(YNMenuPage& page);
    void down(YNMenuPage& page);
    void select(YNMenuPage& page, int item);
    void activate(YNMenuPage& page);
    void escape(YNMenuPage& page);
    // Loads level `index` and plays it; the next Escape opens the pause page.
    void play(int index);
    void enterTarget(YNMenuPage& page);
};

#endif
