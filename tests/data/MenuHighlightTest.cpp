#include <gtest/gtest.h>

#include "DataTables.h"
#include "game/ui/YNMenuPage.h"

// The highlight the menus draw over an item must cover the label that the
// menu art drew for it: the page records and the art's tables agree item by
// item.
TEST(MenuHighlight, EveryPageRecordMatchesTheRectanglesItsImageWasDrawnFor)
{
    const std::vector<datagen::MenuPage>& art = datagen::menuPages();
    ASSERT_EQ(static_cast<int>(art.size()), YNMenuPage::PageCount);
    for (int id = 0; id < YNMenuPage::PageCount; ++id) {
        YNMenuPage page;
        page.build(id);
        const std::vector<datagen::MenuItem>& items = art[id].items;
        ASSERT_EQ(page.itemCount(), static_cast<int>(items.size())) << "page " << id;
        for (int i = 0; i < page.itemCount(); ++i) {
            const datagen::MenuItem& item = items[i];
            EXPECT_FLOAT_EQ(page.firstCorners[i].x(), item.x0) << "page " << id << " " << item.label;
            EXPECT_FLOAT_EQ(page.firstCorners[i].y(), item.y0) << "page " << id << " " << item.label;
            EXPECT_FLOAT_EQ(page.secondCorners[i].x(), item.x1) << "page " << id << " " << item.label;
            EXPECT_FLOAT_EQ(page.secondCorners[i].y(), item.y1) << "page " << id << " " << item.label;
        }
    }
}
