#include "game/ui/YNMenuPage.h"

namespace {

struct Bar {
    float low;
    float high;
};

VXVec4 corner(float x, float y)
{
    return VXVec4(x, y, 0.0f, 1.0f);
}

void addItem(YNMenuPage& page, int target, float x0, float y0, float x1, float y1)
{
    page.targets.push_back(target);
    page.firstCorners.push_back(corner(x0, y0));
    page.secondCorners.push_back(corner(x1, y1));
}

// Full-width bars, one per target.
void addBars(YNMenuPage& page, const std::vector<int>& targets, const std::vector<Bar>& bars)
{
    for (size_t i = 0; i < targets.size() && i < bars.size(); ++i) {
        addItem(page, targets[i], -1.0f, bars[i].low, 1.0f, bars[i].high);
    }
}

const std::vector<Bar> MainBars = {{0.25f, 0.4f}, {0.01f, 0.16f}, {-0.23f, -0.08f}, {-0.45f, -0.3f},
                                             {-0.65f, -0.5f}};
const std::vector<Bar> SettingsBars = {{0.25f, 0.4f}, {0.01f, 0.16f}, {-0.23f, -0.08f}, {-0.45f, -0.3f}};
const std::vector<Bar> ControlsBars = {{-0.9f, -0.8f}};
const std::vector<Bar> VolumeBars = {{0.4f, 0.55f}, {0.07f, 0.22f}, {-0.28f, -0.13f}, {-0.57f, -0.42f}};
const std::vector<Bar> PauseBars = {{0.33f, 0.48f}, {0.08f, 0.23f}, {-0.11f, 0.04f}, {-0.34f, -0.19f},
                                              {-0.58f, -0.43f}};
const std::vector<Bar> PauseSettingsBars = {{0.19f, 0.34f}, {-0.08f, 0.07f}, {-0.32f, -0.17f}};
const std::vector<Bar> TitleBars = {{-1.0f, -0.34f}};
const std::vector<Bar> LevelBars = {{0.25f, 0.4f}, {0.05f, 0.2f}, {-0.15f, 0.0f}, {-0.4f, -0.25f}};
const std::vector<Bar> CreditsBars = {{-0.85f, -0.75f}};

void buildLevelPage(YNMenuPage& page)
{
    // Four columns of eight, numbered down each column.
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 8; ++r) {
            addItem(page, YNMenuPage::LevelPage, -0.9f + 0.45f * c, 0.6f - 0.19f * r, -0.5f + 0.45f * c,
                    0.75f - 0.19f * r);
        }
    }
    addItem(page, YNMenuPage::MainPage, -1.0f, -0.91f, 1.0f, -0.76f);
}

void buildDifficultyPage(YNMenuPage& page)
{
    const int self = YNMenuPage::DifficultyPage;
    addItem(page, self, -0.45f, -0.1f, -0.05f, 0.1f);
    addItem(page, self, -0.03f, -0.1f, 0.42f, 0.1f);
    addItem(page, self, -0.45f, -0.3f, -0.05f, -0.1f);
    addItem(page, self, -0.03f, -0.3f, 0.42f, -0.1f);
    addItem(page, YNMenuPage::SettingsPage, -1.0f, -0.5f, 1.0f, -0.3f);
}

// A volume level page: three levels that stay on the page, then back.
void buildLevelsOf(YNMenuPage& page, int self, int back)
{
    addBars(page, {self, self, self, back}, LevelBars);
}

} // namespace

YNMenuPage::YNMenuPage()
    : id(0), selected(0), firstItem(0), lastItem(0), parent(0), scene(nullptr)
{
}

void YNMenuPage::build(int pageId)
{
    id = pageId;
    targets.clear();
    firstCorners.clear();
    secondCorners.clear();
    selected = 0;
    firstItem = 0;
    switch (pageId) {
    case MainPage:
        addBars(*this, {MainPage, LevelPage, SettingsPage, CreditsPage, MainPage}, MainBars);
        parent = -1;
        break;
    case LevelPage:
        buildLevelPage(*this);
        parent = MainPage;
        break;
    case SettingsPage:
        addBars(*this, {DifficultyPage, VolumePage, ControlsPage, MainPage}, SettingsBars);
        parent = MainPage;
        break;
    case DifficultyPage:
        buildDifficultyPage(*this);
        parent = SettingsPage;
        break;
    case ControlsPage:
        addBars(*this, {SettingsPage}, ControlsBars);
        parent = SettingsPage;
        break;
    case VolumePage:
        addBars(*this, {AllSoundPage, MusicPage, EffectsPage, SettingsPage}, VolumeBars);
        parent = SettingsPage;
        break;
    case PausePage:
        addBars(*this, {PausePage, PausePage, PausePage, PauseSettingsPage, MainPage}, PauseBars);
        parent = -1;
        break;
    case PauseSettingsPage:
        addBars(*this, {PauseControlsPage, PauseVolumePage, PausePage}, PauseSettingsBars);
        parent = PausePage;
        break;
    case PauseControlsPage:
        addBars(*this, {PauseSettingsPage}, ControlsBars);
        parent = PauseSettingsPage;
        break;
    case PauseVolumePage:
        addBars(*this, {PauseAllSoundPage, PauseMusicPage, PauseEffectsPage, PauseSettingsPage}, VolumeBars);
        parent = PauseSettingsPage;
        break;
    case TitlePage:
        addBars(*this, {MainPage}, TitleBars);
        parent = -1;
        break;
    case AllSoundPage:
    case MusicPage:
    case EffectsPage:
        buildLevelsOf(*this, pageId, VolumePage);
        parent = VolumePage;
        break;
    case PauseAllSoundPage:
    case PauseMusicPage:
    case PauseEffectsPage:
        buildLevelsOf(*this, pageId, PauseVolumePage);
        parent = PauseVolumePage;
        break;
    case CreditsPage:
        addBars(*this, {MainPage}, CreditsBars);
        parent = MainPage;
        break;
    default:
        parent = -1;
        break;
    }
    lastItem = itemCount() > 0 ? itemCount() - 1 : 0;
}

int YNMenuPage::itemCount() const
{
    return static_cast<int>(targets.size());
}
