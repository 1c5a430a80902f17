// Tab sheets: which page is active when tabs are hidden and shown, and what that means for
// the controls on the pages.
#include <gtest/gtest.h>

#include <string>

#include "ui/ui.h"

namespace {

struct PagesForm : ui::Form {
    ui::PageControl* PageControl1 = add<ui::PageControl>(this, "PageControl1", 10, 10, 400, 300);
    ui::TabSheet* TabSheet1 = addSheet(PageControl1, "TabSheet1", "General");
    ui::TabSheet* TabSheet2 = addSheet(PageControl1, "TabSheet2", "1st Touch");
    ui::TabSheet* TabSheet3 = addSheet(PageControl1, "TabSheet3", "2nd Touch");
    ui::Button* Button1 = add<ui::Button>(TabSheet1, "Button1", 10, 10, 75, 25, "Start");
    ui::CheckBox* CheckBox1 = add<ui::CheckBox>(TabSheet2, "CheckBox1", 10, 10, 100, 17, "Enable");

    PagesForm() : ui::Form("TPagesForm") { show(); }

    std::string active() const {
        return PageControl1->activePage() ? PageControl1->activePage()->name() : "none";
    }
};

TEST(UiPages, FirstSheetIsActiveAndOnlyItsControlsShow) {
    PagesForm f;
    EXPECT_EQ(f.active(), "TabSheet1");
    EXPECT_TRUE(f.Button1->showing());
    EXPECT_FALSE(f.CheckBox1->showing());
    EXPECT_FALSE(f.CheckBox1->click());
    f.PageControl1->setActivePage(f.TabSheet2);
    EXPECT_FALSE(f.Button1->showing());
    EXPECT_TRUE(f.CheckBox1->click());
    EXPECT_TRUE(f.CheckBox1->checked());
}

TEST(UiPages, HidingTheActiveTabMovesToTheNextShownTab) {
    struct Step {
        const char* what;
        void (*act)(PagesForm&);
        const char* active;
    };
    const Step steps[] = {
        {"hide the first tab", [](PagesForm& f) { f.TabSheet1->setTabVisible(false); }, "TabSheet2"},
        {"a hidden tab cannot become active", [](PagesForm& f) { f.PageControl1->setActivePage(f.TabSheet1); }, "TabSheet2"},
        {"hide the last tab while another is active", [](PagesForm& f) { f.TabSheet3->setTabVisible(false); }, "TabSheet2"},
        {"hide the only tab left", [](PagesForm& f) { f.TabSheet2->setTabVisible(false); }, "none"},
        {"show a tab again", [](PagesForm& f) { f.TabSheet3->setTabVisible(true); }, "TabSheet3"},
        {"show another tab", [](PagesForm& f) { f.TabSheet2->setTabVisible(true); }, "TabSheet3"},
        {"hide the active last tab: the one before it", [](PagesForm& f) { f.TabSheet3->setTabVisible(false); }, "TabSheet2"},
    };
    PagesForm f;
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        s.act(f);
        EXPECT_EQ(f.active(), s.active);
    }
    EXPECT_EQ(f.PageControl1->visibleTabs(), std::vector<ui::TabSheet*>{f.TabSheet2});
}

TEST(UiPages, UserSelectsOnlyShownTabsOfAnEnabledControl) {
    PagesForm f;
    f.TabSheet3->setTabVisible(false);
    EXPECT_FALSE(f.PageControl1->selectTab(f.TabSheet3));
    EXPECT_TRUE(f.PageControl1->selectTab(f.TabSheet2));
    EXPECT_EQ(f.active(), "TabSheet2");
    f.PageControl1->setEnabled(false);
    EXPECT_FALSE(f.PageControl1->selectTab(f.TabSheet1));
    EXPECT_EQ(f.active(), "TabSheet2");
}

TEST(UiPages, SheetsFillTheBodyBelowTheTabs) {
    PagesForm f;
    f.PageControl1->setTabHeight(30);
    EXPECT_EQ(f.TabSheet2->top(), 36);
    EXPECT_EQ(f.TabSheet2->height(), 300 - 40);
    f.PageControl1->setWidth(200);
    EXPECT_EQ(f.TabSheet3->width(), 192);
    f.PageControl1->setTabWidth(f.PageControl1->width() / 4 - 3);
    EXPECT_EQ(f.PageControl1->tabWidth(), 47);
}

}  // namespace
