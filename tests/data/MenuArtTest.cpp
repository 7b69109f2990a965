#include <gtest/gtest.h>

#include <set>
#include <string>

#include "DataTables.h"
#include "MediaFiles.h"

namespace {

using datagen::MenuItem;
using datagen::MenuPage;
using datagen::PixelRect;

bool isLabelInk(const unsigned char* p)
{
    return p[0] >= datagen::LABEL_INK_FLOOR && p[1] >= datagen::LABEL_INK_FLOOR && p[2] >= datagen::LABEL_INK_FLOOR;
}

bool inside(const PixelRect& rect, int x, int y)
{
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

void expectCorners(const MenuItem& item, float x0, float y0, float x1, float y1, const std::string& where)
{
    EXPECT_FLOAT_EQ(item.x0, x0) << where;
    EXPECT_FLOAT_EQ(item.y0, y0) << where;
    EXPECT_FLOAT_EQ(item.x1, x1) << where;
    EXPECT_FLOAT_EQ(item.y1, y1) << where;
}

} // namespace

TEST(MenuLayout, PagesMatchTheMenuRecords)
{
    const std::vector<MenuPage>& pages = datagen::menuPages();
    ASSERT_EQ(pages.size(), static_cast<size_t>(datagen::MENU_PAGE_COUNT));
    const char* images[] = {"main",    "main_levels",     "main_settings",   "difficulty",      "controls",
                            "volume",  "pause",           "pause_settings",  "controls",        "volume",
                            "MenuStart", "volume_controls", "volume_controls", "volume_controls", "volume_controls",
                            "volume_controls", "volume_controls", "credits"};
    const size_t counts[] = {5, 33, 4, 5, 1, 4, 5, 3, 1, 4, 1, 4, 4, 4, 4, 4, 4, 1};
    for (int id = 0; id < datagen::MENU_PAGE_COUNT; ++id) {
        EXPECT_EQ(pages[id].id, id);
        EXPECT_EQ(pages[id].image, images[id]);
        EXPECT_EQ(pages[id].items.size(), counts[id]) << "page " << id;
    }
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 8; ++r) {
            const MenuItem& item = pages[1].items[8 * c + r];
            expectCorners(item, -0.9f + 0.45f * c, 0.6f - 0.19f * r, -0.5f + 0.45f * c, 0.75f - 0.19f * r,
                          item.label);
            EXPECT_EQ(item.label, "Level " + std::to_string(8 * c + r + 1)) << "numbered down each column";
        }
    }
    expectCorners(pages[1].items[32], -1.0f, -0.91f, 1.0f, -0.76f, "level page back");
    expectCorners(pages[3].items[1], -0.03f, -0.1f, 0.42f, 0.1f, "difficulty 1");
    expectCorners(pages[6].items[4], -1.0f, -0.58f, 1.0f, -0.43f, "pause main menu");
    expectCorners(pages[17].items[0], -1.0f, -0.85f, 1.0f, -0.75f, "credits back");
    EXPECT_EQ(pages[7].items[0].label, "Controls") << "pause settings lists controls first";
    EXPECT_EQ(pages[2].items[1].label, "Volume");

    // A shared image can only fit every page that shows it if their items agree.
    for (const MenuPage& page : pages) {
        for (const MenuPage& other : pages) {
            if (other.image != page.image) {
                continue;
            }
            ASSERT_EQ(other.items.size(), page.items.size());
            for (size_t i = 0; i < page.items.size(); ++i) {
                EXPECT_EQ(other.items[i].label, page.items[i].label);
                expectCorners(other.items[i], page.items[i].x0, page.items[i].y0, page.items[i].x1,
                              page.items[i].y1, page.image);
            }
        }
    }
}

TEST(MenuLayout, PixelRectanglesCountRowsFromTheTop)
{
    const PixelRect bar = datagen::pixelRect(datagen::menuPages()[0].items[0]);
    EXPECT_EQ(bar.left, 0);
    EXPECT_EQ(bar.right, 800);
    EXPECT_EQ(bar.top, 180);
    EXPECT_EQ(bar.bottom, 225);
    const PixelRect level = datagen::pixelRect(datagen::menuPages()[1].items[9]);
    EXPECT_EQ(level.left, 220);
    EXPECT_EQ(level.right, 380);
    EXPECT_EQ(level.top, 132);
    EXPECT_EQ(level.bottom, 177);
}

// Every item of the menus shows its label, except the level page's slots
// past the end of the level list: those are left empty, so that no level
// seems to be there that the game does not have.
TEST(MenuArt, EveryItemRectangleHoldsItsLabelClearOfItsEdges)
{
    const size_t levels = datagen::levelNames(".").size();
    ASSERT_GT(levels, 0u) << "no level list in the game directory";
    std::set<std::string> checked;
    for (const MenuPage& page : datagen::menuPages()) {
        if (!checked.insert(page.image).second) {
            continue;
        }
        RgbaImage image;
        ASSERT_TRUE(readPng("Data/Status/Main_menu/" + page.image + ".png", image)) << page.image;
        for (size_t i = 0; i < page.items.size(); ++i) {
            const MenuItem& item = page.items[i];
            const bool emptySlot = page.id == 1 && i < static_cast<size_t>(datagen::LEVEL_SLOT_COUNT) && i >= levels;
            const PixelRect rect = datagen::pixelRect(item);
            int ink = 0;
            bool touchesEdge = false;
            for (int y = rect.top; y < rect.bottom; ++y) {
                for (int x = rect.left; x < rect.right; ++x) {
                    if (!isLabelInk(image.at(x, y))) {
                        continue;
                    }
                    ++ink;
                    touchesEdge = touchesEdge || x < rect.left + 2 || x >= rect.right - 2 || y < rect.top + 2 ||
                                  y >= rect.bottom - 2;
                }
            }
            if (emptySlot) {
                EXPECT_EQ(ink, 0) << page.image << ": slot " << i + 1 << " is past the level list's end";
                continue;
            }
            EXPECT_GT(ink, 40) << page.image << ": no label under " << item.label;
            EXPECT_FALSE(touchesEdge) << page.image << ": " << item.label << " runs into its rectangle's edge";
        }
    }
}

TEST(MenuArt, LabelInkAppearsNowhereOutsideTheRectangles)
{
    std::set<std::string> checked;
    for (const MenuPage& page : datagen::menuPages()) {
        if (!checked.insert(page.image).second) {
            continue;
        }
        RgbaImage image;
        ASSERT_TRUE(readPng("Data/Status/Main_menu/" + page.image + ".png", image)) << page.image;
        int stray = 0;
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                bool covered = false;
                for (const MenuItem& item : page.items) {
                    covered = covered || inside(datagen::pixelRect(item), x, y);
                }
                stray += !covered && isLabelInk(image.at(x, y)) ? 1 : 0;
            }
        }
        EXPECT_EQ(stray, 0) << page.image;
    }
}
