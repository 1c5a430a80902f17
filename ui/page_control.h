#pragma once
// A page control: tab sheets, one active at a time, whose tabs can be hidden. A sheet is
// shown only while it is the active page; a hidden tab cannot be the active page.
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class PageControl;

class TabSheet : public Control {
public:
    explicit TabSheet(std::string name) : Control(Kind::TabSheet, std::move(name)) {}

    PageControl* pageControl() const;
    int pageIndex() const;
    bool tabVisible() const { return m_tabVisible; }
    void setTabVisible(bool visible);

protected:
    bool selfShown() const override;

private:
    friend class PageControl;
    bool m_tabVisible = true;
};

class PageControl : public Control {
public:
    explicit PageControl(std::string name) : Control(Kind::PageControl, std::move(name)) {}

    const std::vector<TabSheet*>& pages() const { return m_pages; }
    TabSheet* activePage() const { return m_active; }
    // A sheet with a hidden tab is not made active; null leaves no page active.
    void setActivePage(TabSheet* page);
    // The sheets whose tabs show, in page order.
    std::vector<TabSheet*> visibleTabs() const;

    // Tab size in pixels; a width of 0 fits each tab to its caption.
    int tabWidth() const { return m_tabWidth; }
    int tabHeight() const { return m_tabHeight; }
    void setTabWidth(int width);
    void setTabHeight(int height);

    // A user's choice of a tab; false when the control takes no input or the tab is hidden.
    bool selectTab(TabSheet* page);

    void scale(int num, int den) override;

protected:
    void refit() override { layoutPages(); }

private:
    friend class Form;
    friend class TabSheet;
    void addPage(TabSheet* page);
    void tabShownOrHidden(TabSheet* page);
    void layoutPages();

    std::vector<TabSheet*> m_pages;
    TabSheet* m_active = nullptr;
    int m_tabWidth = 0;
    int m_tabHeight = 20;
};

}  // namespace ui
