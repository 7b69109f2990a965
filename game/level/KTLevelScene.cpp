#include "game/level/KTLevelScene.h"

#include "game/ui/YNMenuPage.h"

KTLevelScene::KTLevelScene()
    : loopCode(0),
      lastTrack(-1),
      music(nullptr),
      levelIndex(0),
      highestLevel(0),
      difficulty(0),
      levelRender(nullptr),
      statusRender(nullptr),
      world(nullptr),
      physics(nullptr),
      player(nullptr),
      initialEyeOffset(0.0f, 25.0f, -80.0f, 1.0f),
      menuPages(),
      menuMode(true),
      menuInput(nullptr),
      gameStarted(false),
      menuPage(TitlePage),
      highlightedItem(0),
      highlightFirst(0.0f, 0.0f, 0.0f, 1.0f),
      highlightSecond(0.0f, 0.0f, 0.0f, 1.0f),
      levelInput(nullptr),
      shadows()
{
}

KTLevelScene::~KTLevelScene()
{
}

bool KTLevelScene::setUp()
{
    return true;
}

int KTLevelScene::update()
{
    return loopCode;
}

void KTLevelScene::draw()
{
}

YNMenuPage* KTLevelScene::page(int id) const
{
    for (YNMenuPage* record : menuPages) {
        if (record != nullptr && record->id == id) {
            return record;
        }
    }
    return nullptr;
}
