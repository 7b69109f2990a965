#ifndef GAME_UI_YNMENUPAGE_H
#define GAME_UI_YNMENUPAGE_H

#include <vector>

#include "engine/math/VXVec4.h"

class KTLevelScene;

// One menu page: its items, the page each item leads to, and the highlight
// rectangle of each item in screen coordinates (-1..1, y up).
struct YNMenuPage {
    static constexpr int MainPage = 0;
    static constexpr int LevelPage = 1;
    static constexpr int SettingsPage = 2;
    static constexpr int DifficultyPage = 3;
    static constexpr int ControlsPage = 4;
    static constexpr int VolumePage = 5;
    static constexpr int PausePage = 6;
    static constexpr int PauseSettingsPage = 7;
    static constexpr int PauseControlsPage = 8;
    static constexpr int PauseVolumePage = 9;
    static constexpr int TitlePage = 10;
    static constexpr int AllSoundPage = 11;
    static constexpr int MusicPage = 12;
    static constexpr int EffectsPage = 13;
    static constexpr int PauseAllSoundPage = 14;
    static constexpr int PauseMusicPage = 15;
    static constexpr int PauseEffectsPage = 16;
    static constexpr int CreditsPage = 17;
    static constexpr int PageCount = 18;

    // Items that act rather than lead to a page. The main page: a new game
    // and quitting.
    static constexpr int NewGameItem = 0;
    static constexpr int QuitItem = 4;
    // The level page: 32 levels, item i playing level i, then the back item.
    static constexpr int LevelCount = 32;
    static constexpr int FirstLevelItem = 0;
    static constexpr int LevelBackItem = 32;
    // The difficulty page: one item per difficulty, then the back item.
    static constexpr int DifficultyCount = 4;
    // The pause page.
    static constexpr int ResumeItem = 0;
    static constexpr int RestartLevelItem = 1;
    static constexpr int RestartGameItem = 2;
    // The six volume level pages: low, medium and high, then the back item.
    static constexpr int VolumeLevelCount = 3;

    // 0..17, also the index of the page's image.
    int id;
    std::vector<int> targets;
    int selected;
    std::vector<VXVec4> firstCorners;
    std::vector<VXVec4> secondCorners;
    int firstItem;
    int lastItem;
    // -1 for the three top pages (main, pause, title).
    int parent;
    // Not owned; set on every key.
    KTLevelScene* scene;

    // Every field zero, no items.
    YNMenuPage();

    // Fills the record as page `id` of the game's menus; selected := 0.
    void build(int id);
    int itemCount() const;
};

#endif
