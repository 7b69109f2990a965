#include "game/ui/YNMenuInput.h"

#include <SDL_mixer.h>

#include <algorithm>

#include "game/audio/KTMusic.h"
#include "game/level/KTLevelScene.h"
#include "game/ui/KTKeySymbols.h"
#include "game/ui/YNMenuPage.h"

namespace {

// The three volume levels of the volume pages' first three items.
const int MusicLevels[YNMenuPage::VolumeLevelCount] = {KT_VOLUME_LOW, KT_VOLUME_MEDIUM, KT_VOLUME_HIGH};
void (*const AllSoundPresets[YNMenuPage::VolumeLevelCount])() = {
    setVolumePresetLowAll, setVolumePresetMediumAll, setVolumePresetHighAll};
void (*const EffectsPresets[YNMenuPage::VolumeLevelCount])() = {
    setVolumePresetLowEffects, setVolumePresetMediumEffects, setVolumePresetHighEffects};

} // namespace

YNMenuInput::YNMenuInput(KTLevelScene* owner, YNMenuPage* page)
    : scene(owner), currentPage(page)
{
}

void YNMenuInput::onKeyDown(int key)
{
    onMenuKey(scene, currentPage, key);
}

void YNMenuInput::onQuit()
{
    scene->loopCode = -1;
}

void YNMenuInput::onMenuKey(KTLevelScene* owner, YNMenuPage* page, int key)
{
    if (page == nullptr || owner == nullptr) {
        return;
    }
    page->scene = owner;
    switch (key) {
    case KTKey::Return:
        activate(*page);
        break;
    case KTKey::Escape:
        escape(*page);
        break;
    case KTKey::Up:
        up(*page);
        break;
    case KTKey::Down:
        down(*page);
        break;
    default:
        break;
    }
}

void YNMenuInput::enterPage(YNMenuPage* page)
{
    if (page == nullptr) {
        return;
    }
    currentPage = page;
    scene->menuPage = page->id;
    page->selected = 0;
    scene->highlightedItem = 0;
    if (page->itemCount() > 0) {
        scene->highlightFirst = page->firstCorners[0];
        scene->highlightSecond = page->secondCorners[0];
    }
}

void YNMenuInput::up(YNMenuPage& page)
{
    int item = page.selected;
    if (page.id == YNMenuPage::LevelPage) {
        // Only the levels reached so far and the back item can be chosen.
        const int highest = std::clamp(scene->highestLevel, 0, YNMenuPage::LevelCount - 1);
        if (item == YNMenuPage::LevelBackItem) {
            item = highest;
        } else if (item == YNMenuPage::FirstLevelItem) {
            item = YNMenuPage::LevelBackItem;
        } else {
            item -= 1;
        }
    } else {
        item = item == page.firstItem ? page.lastItem : item - 1;
    }
    select(page, item);
}

void YNMenuInput::down(YNMenuPage& page)
{
    int item = page.selected;
    if (page.id == YNMenuPage::LevelPage) {
        const int highest = std::clamp(scene->highestLevel, 0, YNMenuPage::LevelCount - 1);
        if (item == YNMenuPage::LevelBackItem) {
            item = YNMenuPage::FirstLevelItem;
        } else if (item >= highest) {
            item = YNMenuPage::LevelBackItem;
        } else {
            item += 1;
        }
    } else {
        item = item == page.lastItem ? page.firstItem : item + 1;
    }
    select(page, item);
}

void YNMenuInput::select(YNMenuPage& page, int item)
{
    if (item < 0 || item >= page.itemCount()) {
        return;
    }
    page.selected = item;
    scene->highlightedItem = item;
    scene->highlightFirst = page.firstCorners[item];
    scene->highlightSecond = page.secondCorners[item];
}

void YNMenuInput::enterTarget(YNMenuPage& page)
{
    enterPage(scene->page(page.targets[page.selected]));
}

void YNMenuInput::play(int index)
{
    if (!scene->hasLevels() || index >= static_cast<int>(scene->levelNames.size())) {
        return;
    }
    scene->levelIndex = index;
    scene->loadLevel();
    scene->menuMode = false;
    scene->gameStarted = true;
    currentPage = scene->page(YNMenuPage::PausePage);
}

void YNMenuInput::activate(YNMenuPage& page)
{
    const int item = page.selected;
    if (item < 0 || item >= page.itemCount()) {
        return;
    }
    switch (page.id) {
    case YNMenuPage::MainPage:
        if (item == YNMenuPage::NewGameItem) {
            play(0);
        } else if (item == YNMenuPage::QuitItem) {
            scene->loopCode = -1;
        } else {
            enterTarget(page);
        }
        break;
    case YNMenuPage::LevelPage:
        if (item < YNMenuPage::LevelCount) {
            play(item);
        } else {
            enterTarget(page);
        }
        break;
    case YNMenuPage::DifficultyPage:
        if (item < YNMenuPage::DifficultyCount) {
            // The page stays, showing and acting on its own items.
            scene->difficulty = item;
        } else {
            enterTarget(page);
        }
        break;
    case YNMenuPage::PausePage:
        if (item == YNMenuPage::ResumeItem) {
            scene->menuMode = false;
        } else if (item == YNMenuPage::RestartLevelItem) {
            if (scene->hasLevels()) {
                scene->loadLevel();
                scene->menuMode = false;
            }
        } else if (item == YNMenuPage::RestartGameItem) {
            if (scene->hasLevels()) {
                scene->levelIndex = 0;
                scene->loadLevel();
                scene->menuMode = false;
            }
        } else {
            enterTarget(page);
        }
        break;
    case YNMenuPage::AllSoundPage:
    case YNMenuPage::PauseAllSoundPage:
        if (item < YNMenuPage::VolumeLevelCount) {
            AllSoundPresets[item]();
        } else {
            enterTarget(page);
        }
        break;
    case YNMenuPage::MusicPage:
    case YNMenuPage::PauseMusicPage:
        if (item < YNMenuPage::VolumeLevelCount) {
            Mix_VolumeMusic(MusicLevels[item]);
        } else {
            enterTarget(page);
        }
        break;
    case YNMenuPage::EffectsPage:
    case YNMenuPage::PauseEffectsPage:
        if (item < YNMenuPage::VolumeLevelCount) {
            EffectsPresets[item]();
        } else {
            enterTarget(page);
        }
        break;
    default:
        // Settings, controls, volume, pause settings, title and credits
        // only lead to other pages.
        enterTarget(page);
        break;
    }
}

void YNMenuInput::escape(YNMenuPage& page)
{
    if (page.parent != -1) {
        return;
    }
    if (scene->gameStarted) {
        scene->menuMode = false;
        scene->menuPage = YNMenuPage::PausePage;
    } else {
        scene->loopCode = -1;
    }
}
