#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <string>
#include <vector>

#include "engine/core/VXLog.h"
#include "tests/game/audio/AudioDevice.h"
#include "tests/game/level/SceneFixture.h"

namespace {

const int Return = KTKey::Return;
const int Escape = KTKey::Escape;
const int Up = KTKey::Up;
const int Down = KTKey::Down;

// What Return on one item does. `enters` is the page shown and acted on
// afterwards (-1: the page stays); `plays` the level loaded and played
// (-1: none); `quits` the program ends.
struct ReturnCase {
    int page;
    int item;
    int enters;
    int plays;
    bool quits;
};

const int Stay = -1;
const int None = -1;

const std::vector<ReturnCase> returnCases = {
    {0, 0, Stay, 0, false},     {0, 1, 1, None, false},     {0, 2, 2, None, false},   {0, 3, 17, None, false},
    {0, 4, Stay, None, true},   {1, 0, Stay, 0, false},     {1, 1, Stay, 1, false},   {1, 2, Stay, 2, false},
    {1, 32, 0, None, false},    {2, 0, 3, None, false},     {2, 1, 5, None, false},   {2, 2, 4, None, false},
    {2, 3, 0, None, false},     {3, 4, 2, None, false},     {4, 0, 2, None, false},   {8, 0, 7, None, false},
    {5, 0, 11, None, false},    {5, 1, 12, None, false},    {5, 2, 13, None, false},  {5, 3, 2, None, false},
    {9, 0, 14, None, false},    {9, 1, 15, None, false},    {9, 2, 16, None, false},  {9, 3, 7, None, false},
    {6, 3, 7, None, false},     {6, 4, 0, None, false},     {7, 0, 8, None, false},   {7, 1, 9, None, false},
    {7, 2, 6, None, false},     {10, 0, 0, None, false},    {11, 3, 5, None, false},  {12, 3, 5, None, false},
    {13, 3, 5, None, false},    {14, 3, 9, None, false},    {15, 3, 9, None, false},  {16, 3, 9, None, false},
    {17, 0, 0, None, false},
};

class MenuTest : public SceneTest {
protected:
    // Shows `pageId` with `item` selected, as the arrows would leave it.
    void showItem(int pageId, int item)
    {
        scene.menuMode = true;
        scene.menuInput->enterPage(scene.page(pageId));
        YNMenuPage* page = scene.page(pageId);
        page->selected = item;
        scene.highlightedItem = item;
        scene.highlightFirst = page->firstCorners[item];
        scene.highlightSecond = page->secondCorners[item];
    }

    // The scene shows `pageId` with its first item highlighted, and the
    // menu keys act on it.
    void expectEntered(int pageId, const std::string& what)
    {
        const YNMenuPage* page = scene.page(pageId);
        ASSERT_NE(page, nullptr) << what;
        EXPECT_EQ(scene.menuPage, pageId) << what;
        EXPECT_EQ(scene.menuInput->currentPage, page) << what;
        EXPECT_EQ(page->selected, 0) << what;
        EXPECT_EQ(scene.highlightedItem, 0) << what;
        EXPECT_FLOAT_EQ(scene.highlightFirst.y(), page->firstCorners[0].y()) << what;
        EXPECT_FLOAT_EQ(scene.highlightSecond.y(), page->secondCorners[0].y()) << what;
    }

    void expectHighlight(int pageId, int item, const std::string& what)
    {
        const YNMenuPage* page = scene.page(pageId);
        EXPECT_EQ(page->selected, item) << what;
        EXPECT_EQ(scene.highlightedItem, item) << what;
        EXPECT_FLOAT_EQ(scene.highlightFirst.x(), page->firstCorners[item].x()) << what;
        EXPECT_FLOAT_EQ(scene.highlightFirst.y(), page->firstCorners[item].y()) << what;
        EXPECT_FLOAT_EQ(scene.highlightSecond.x(), page->secondCorners[item].x()) << what;
        EXPECT_FLOAT_EQ(scene.highlightSecond.y(), page->secondCorners[item].y()) << what;
        EXPECT_FLOAT_EQ(scene.highlightFirst.w(), 1.0f) << what;
    }
};

class EmptyListMenuTest : public MenuTest {
protected:
    EmptyListMenuTest() { levels = 0; }
};

} // namespace

TEST_F(MenuTest, SetUpStartsOnTheTitlePageWithEveryPageRecordInPlace)
{
    EXPECT_TRUE(scene.menuMode);
    EXPECT_FALSE(scene.gameStarted);
    EXPECT_EQ(scene.menuPage, 10);
    EXPECT_EQ(scene.menuInput->currentPage, scene.page(10));
    EXPECT_EQ(scene.levelIndex, 0);
    EXPECT_EQ(scene.highestLevel, 0);
    const int order[] = {0, 2, 6, 7, 5, 4, 9, 8, 10, 3, 1, 11, 12, 13, 14, 15, 16, 17};
    for (int i = 0; i < 18; ++i) {
        EXPECT_EQ(scene.menuPages[i]->id, order[i]);
        EXPECT_EQ(scene.menuPages[i]->selected, 0);
    }
    EXPECT_EQ(scene.page(18), nullptr);
}

TEST_F(MenuTest, PageRecordsHoldTheirTargetsParentsAndItemRanges)
{
    struct Expected {
        int id;
        std::vector<int> targets;
        int parent;
    };
    std::vector<int> levelTargets(32, 1);
    levelTargets.push_back(0);
    const std::vector<Expected> pages = {
        {0, {0, 1, 2, 17, 0}, -1},  {1, levelTargets, 0},       {2, {3, 5, 4, 0}, 0},       {3, {3, 3, 3, 3, 2}, 2},
        {4, {2}, 2},                {5, {11, 12, 13, 2}, 2},    {6, {6, 6, 6, 7, 0}, -1},   {7, {8, 9, 6}, 6},
        {8, {7}, 7},                {9, {14, 15, 16, 7}, 7},    {10, {0}, -1},              {11, {11, 11, 11, 5}, 5},
        {12, {12, 12, 12, 5}, 5},   {13, {13, 13, 13, 5}, 5},   {14, {14, 14, 14, 9}, 9},   {15, {15, 15, 15, 9}, 9},
        {16, {16, 16, 16, 9}, 9},   {17, {0}, 0},
    };
    for (const Expected& expected : pages) {
        const YNMenuPage* page = scene.page(expected.id);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->targets, expected.targets) << "page " << expected.id;
        EXPECT_EQ(page->parent, expected.parent) << "page " << expected.id;
        EXPECT_EQ(page->firstItem, 0);
        EXPECT_EQ(page->lastItem, static_cast<int>(expected.targets.size()) - 1) << "page " << expected.id;
        ASSERT_EQ(page->firstCorners.size(), expected.targets.size());
        ASSERT_EQ(page->secondCorners.size(), expected.targets.size());
        for (size_t i = 0; i < expected.targets.size(); ++i) {
            EXPECT_FLOAT_EQ(page->firstCorners[i].z(), 0.0f);
            EXPECT_FLOAT_EQ(page->firstCorners[i].w(), 1.0f);
            EXPECT_LT(page->firstCorners[i].x(), page->secondCorners[i].x());
            EXPECT_LT(page->firstCorners[i].y(), page->secondCorners[i].y());
        }
    }
    // Level i = 8c + r: column c, row r.
    const YNMenuPage* levelsPage = scene.page(1);
    EXPECT_FLOAT_EQ(levelsPage->firstCorners[9].x(), -0.45f);
    EXPECT_FLOAT_EQ(levelsPage->firstCorners[9].y(), 0.41f);
    EXPECT_FLOAT_EQ(levelsPage->secondCorners[9].x(), -0.05f);
    EXPECT_FLOAT_EQ(levelsPage->secondCorners[9].y(), 0.56f);
    EXPECT_FLOAT_EQ(scene.page(3)->firstCorners[3].x(), -0.03f);
    EXPECT_FLOAT_EQ(scene.page(3)->secondCorners[3].y(), -0.1f);
}

TEST_F(MenuTest, ReturnOnEveryItemDoesWhatItsPageSays)
{
    for (const ReturnCase& c : returnCases) {
        const std::string what = "page " + std::to_string(c.page) + " item " + std::to_string(c.item);
        scene.gameStarted = false;
        scene.loopCode = 0;
        scene.levelIndex = 1;
        scene.highestLevel = 2;
        scene.player->health = 1;
        scene.world->scriptReader->levelName.clear();
        showItem(c.page, c.item);

        {
            VXLogCapture quiet;
            menuKey(Return);
        }

        EXPECT_EQ(scene.loopCode, c.quits ? -1 : 0) << what;
        if (c.plays != None) {
            EXPECT_FALSE(scene.menuMode) << what;
            EXPECT_TRUE(scene.gameStarted) << what;
            EXPECT_EQ(scene.levelIndex, c.plays) << what;
            EXPECT_EQ(loadedLevel(), "Level" + std::to_string(c.plays)) << what;
            EXPECT_EQ(scene.player->health, 4) << what;
            // The next Escape in play opens the pause page.
            EXPECT_EQ(scene.menuInput->currentPage, scene.page(6)) << what;
            continue;
        }
        EXPECT_TRUE(scene.menuMode) << what;
        EXPECT_FALSE(scene.gameStarted) << what;
        EXPECT_EQ(scene.levelIndex, 1) << what;
        EXPECT_EQ(loadedLevel(), "") << what;
        if (c.enters != Stay) {
            expectEntered(c.enters, what);
        } else {
            EXPECT_EQ(scene.menuPage, c.page) << what;
            EXPECT_EQ(scene.menuInput->currentPage, scene.page(c.page)) << what;
            expectHighlight(c.page, c.item, what);
        }
    }
}

TEST_F(MenuTest, PauseItemsResumeRestartTheLevelOrRestartTheGame)
{
    scene.gameStarted = true;
    scene.levelIndex = 2;
    scene.player->health = 1;
    scene.world->scriptReader->levelName.clear();
    showItem(6, 0);
    menuKey(Return);
    EXPECT_FALSE(scene.menuMode) << "resume";
    EXPECT_EQ(scene.player->health, 1) << "resume loads nothing";
    EXPECT_EQ(loadedLevel(), "") << "resume loads nothing";

    showItem(6, 1);
    {
        VXLogCapture quiet;
        menuKey(Return);
    }
    EXPECT_FALSE(scene.menuMode);
    EXPECT_EQ(scene.levelIndex, 2);
    EXPECT_EQ(loadedLevel(), "Level2") << "restart level";
    EXPECT_EQ(scene.player->health, 4);

    showItem(6, 2);
    {
        VXLogCapture quiet;
        menuKey(Return);
    }
    EXPECT_FALSE(scene.menuMode);
    EXPECT_EQ(scene.levelIndex, 0);
    EXPECT_EQ(loadedLevel(), "Level0") << "restart game";
    EXPECT_TRUE(scene.gameStarted);
}

TEST_F(MenuTest, DifficultyItemsStoreTheChoiceAndStayOnTheirPage)
{
    for (int item = 0; item < 4; ++item) {
        showItem(3, item);
        menuKey(Return);
        EXPECT_EQ(scene.difficulty, item);
        EXPECT_EQ(scene.menuPage, 3);
        EXPECT_EQ(scene.menuInput->currentPage, scene.page(3));
        expectHighlight(3, item, "difficulty " + std::to_string(item));
    }
    // The keys still act on the difficulty page: Down, then back.
    menuKey(Down);
    expectHighlight(3, 4, "difficulty back");
    menuKey(Return);
    expectEntered(2, "settings after difficulty");
}

TEST_F(MenuTest, VolumeItemsSetTheMixerAndLeaveThePageAndHighlight)
{
    AudioDevice audio;
    ASSERT_TRUE(audio.open);
    const int levels[] = {32, 64, 128};
    // Pages of all sound, music only and effects only, from the main and the pause menus.
    const struct {
        int page;
        bool effects;
        bool music;
    } pages[] = {{11, true, true}, {12, false, true}, {13, true, false},
                 {14, true, true}, {15, false, true}, {16, true, false}};
    for (const auto& p : pages) {
        for (int item = 0; item < 3; ++item) {
            const std::string what = "page " + std::to_string(p.page) + " item " + std::to_string(item);
            Mix_Volume(-1, 100);
            Mix_VolumeMusic(100);
            showItem(p.page, item);
            menuKey(Return);
            EXPECT_EQ(Mix_Volume(0, -1), p.effects ? levels[item] : 100) << what;
            EXPECT_EQ(Mix_Volume(7, -1), p.effects ? levels[item] : 100) << what;
            EXPECT_EQ(Mix_VolumeMusic(-1), p.music ? levels[item] : 100) << what;
            EXPECT_EQ(scene.menuPage, p.page) << what;
            expectHighlight(p.page, item, what);
        }
    }
}

TEST_F(MenuTest, UpAndDownWrapOnOrdinaryPages)
{
    scene.menuInput->enterPage(scene.page(0));
    menuKey(Up);
    expectHighlight(0, 4, "main: up from the first item selects quit");
    menuKey(Down);
    expectHighlight(0, 0, "main: down from quit wraps");
    menuKey(Down);
    menuKey(Down);
    expectHighlight(0, 2, "main: two down");

    scene.menuInput->enterPage(scene.page(7));
    menuKey(Down);
    menuKey(Down);
    menuKey(Down);
    expectHighlight(7, 0, "pause settings: three items wrap");
    // One-item pages stay on their item.
    scene.menuInput->enterPage(scene.page(4));
    menuKey(Up);
    expectHighlight(4, 0, "controls");
    menuKey(Down);
    expectHighlight(4, 0, "controls");
}

TEST_F(MenuTest, LevelPageOffersOnlyTheLevelsReachedAndBack)
{
    scene.menuInput->enterPage(scene.page(1));
    menuKey(Up);
    expectHighlight(1, 32, "fresh: up from level 1 selects back");
    menuKey(Up);
    expectHighlight(1, 0, "fresh: up from back selects level 1");
    menuKey(Down);
    expectHighlight(1, 32, "fresh: down from level 1 selects back");
    menuKey(Down);
    expectHighlight(1, 0, "down from back selects level 1");

    scene.highestLevel = 4;
    for (int i = 1; i <= 4; ++i) {
        menuKey(Down);
    }
    expectHighlight(1, 4, "down through the levels reached");
    menuKey(Down);
    expectHighlight(1, 32, "down from the highest level reached selects back");
    menuKey(Down);
    expectHighlight(1, 0, "down from back selects the first level");
    menuKey(Up);
    menuKey(Up);
    expectHighlight(1, 4, "up from back selects the highest level reached");
    menuKey(Up);
    expectHighlight(1, 3, "one up");
}

TEST_F(MenuTest, LevelPageNeverSelectsBeyondItsThirtyTwoLevels)
{
    scene.highestLevel = 40;
    scene.menuInput->enterPage(scene.page(1));
    menuKey(Up);
    menuKey(Up);
    expectHighlight(1, 31, "the last level item");
    menuKey(Down);
    expectHighlight(1, 32, "then back");
}

TEST_F(MenuTest, EscapeEndsTheProgramBeforeAGameAndResumesItAfter)
{
    for (int pageId : {10, 0, 6}) {
        scene.gameStarted = false;
        scene.loopCode = 0;
        scene.menuMode = true;
        scene.menuInput->enterPage(scene.page(pageId));
        menuKey(Escape);
        EXPECT_EQ(scene.loopCode, -1) << "before a game, page " << pageId;
        EXPECT_TRUE(scene.menuMode);

        scene.gameStarted = true;
        scene.loopCode = 0;
        scene.menuMode = true;
        menuKey(Escape);
        EXPECT_EQ(scene.loopCode, 0) << "after a game, page " << pageId;
        EXPECT_FALSE(scene.menuMode) << "after a game, page " << pageId;
        EXPECT_EQ(scene.menuPage, 6);
    }
}

TEST_F(MenuTest, EscapeDoesNothingBelowTheTopPages)
{
    for (int pageId : {1, 2, 3, 4, 5, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17}) {
        for (bool started : {false, true}) {
            scene.gameStarted = started;
            scene.loopCode = 0;
            scene.menuMode = true;
            scene.menuInput->enterPage(scene.page(pageId));
            menuKey(Escape);
            EXPECT_EQ(scene.loopCode, 0) << "page " << pageId;
            EXPECT_TRUE(scene.menuMode) << "page " << pageId;
            EXPECT_EQ(scene.menuPage, pageId);
        }
    }
}

TEST_F(MenuTest, QuittingToTheMainPageAndEscapingResumesTheLevel)
{
    showItem(0, 0);
    {
        VXLogCapture quiet;
        menuKey(Return);
    }
    ASSERT_FALSE(scene.menuMode);
    // In play, Escape opens the pause page; its last item leads to the main page.
    levelKey(KTKey::Escape);
    expectEntered(6, "pause from play");
    showItem(6, 4);
    menuKey(Return);
    expectEntered(0, "main from pause");
    menuKey(Escape);
    EXPECT_FALSE(scene.menuMode);
    EXPECT_EQ(scene.loopCode, 0);
    EXPECT_TRUE(scene.gameStarted);
}

TEST_F(MenuTest, OtherKeysAndTheQuitEventOfTheMenus)
{
    scene.menuInput->enterPage(scene.page(0));
    for (int key : {32, 97, 275, 276, 286, 293}) {
        menuKey(key);
    }
    expectHighlight(0, 0, "other keys change nothing");
    EXPECT_EQ(scene.loopCode, 0);
    EXPECT_TRUE(scene.menuMode);
    scene.menuInput->onQuit();
    EXPECT_EQ(scene.loopCode, -1);
}

TEST_F(EmptyListMenuTest, NewGameAndTheLevelPageOnlySayThereAreNoLevels)
{
    EXPECT_TRUE(scene.levelNames.empty());
    for (int pageId : {0, 1}) {
        showItem(pageId, 0);
        VXLogCapture logged;
        menuKey(Return);
        EXPECT_EQ(logged.text(), "NO LEVELS IN Data/Level List.txt\n");
        EXPECT_TRUE(scene.menuMode);
        EXPECT_FALSE(scene.gameStarted);
        EXPECT_EQ(scene.menuPage, pageId);
    }
}
