#include "ui/page_control.h"

#include <algorithm>

namespace ui {

PageControl* TabSheet::pageControl() const { return static_cast<PageControl*>(parent()); }

int TabSheet::pageIndex() const {
    const auto& pages = pageControl()->pages();
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TabSheet::setTabVisible(bool visible) {
    if (visible == m_tabVisible) return;
    m_tabVisible = visible;
    pageControl()->tabShownOrHidden(this);
}

bool TabSheet::selfShown() const {
    return visible() && pageControl()->activePage() == this;
}

void PageControl::addPage(TabSheet* page) {
    m_pages.push_back(page);
    layoutPages();
    if (!m_active && page->tabVisible()) m_active = page;
    changed(Change::State);
}

void PageControl::setActivePage(TabSheet* page) {
    if (page && !page->tabVisible()) return;
    if (page == m_active) return;
    TabSheet* was = m_active;
    m_active = page;
    changed(Change::State);
    if (was) was->changed(Change::Visible);
    if (page) page->changed(Change::Visible);
}

std::vector<TabSheet*> PageControl::visibleTabs() const {
    std::vector<TabSheet*> tabs;
    for (TabSheet* p : m_pages) {
        if (p->tabVisible()) tabs.push_back(p);
    }
    return tabs;
}

void PageControl::tabShownOrHidden(TabSheet* page) {
    changed(Change::State);
    if (page->tabVisible()) {
        if (!m_active) setActivePage(page);
        return;
    }
    if (page != m_active) return;
    // The hidden tab's page gives way to the next shown tab, else the one before it.
    std::size_t at = static_cast<std::size_t>(page->pageIndex());
    TabSheet* next = nullptr;
    for (std::size_t i = at + 1; i < m_pages.size() && !next; ++i) {
        if (m_pages[i]->tabVisible()) next = m_pages[i];
    }
    for (std::size_t i = at; i-- > 0 && !next;) {
        if (m_pages[i]->tabVisible()) next = m_pages[i];
    }
    m_active = nullptr;
    page->changed(Change::Visible);
    setActivePage(next);
}

void PageControl::setTabWidth(int width) {
    if (width == m_tabWidth) return;
    m_tabWidth = width;
    changed(Change::Style);
}

void PageControl::setTabHeight(int height) {
    if (height == m_tabHeight) return;
    m_tabHeight = height;
    changed(Change::Style);
    layoutPages();
}

bool PageControl::selectTab(TabSheet* page) {
    if (!acceptsInput() || !page || page->parent() != this || !page->tabVisible()) {
        changed(Change::State);
        return false;
    }
    setActivePage(page);
    return true;
}

void PageControl::scale(int num, int den) {
    Control::scale(num, den);
    m_tabWidth = static_cast<int>(static_cast<long long>(m_tabWidth) * num / den);
    m_tabHeight = static_cast<int>(static_cast<long long>(m_tabHeight) * num / den);
    changed(Change::Style);
    layoutPages();
}

void PageControl::layoutPages() {
    // The sheets fill the body below the tabs, inside the control's frame.
    for (TabSheet* p : m_pages) {
        p->setBounds(4, m_tabHeight + 6, std::max(0, width() - 8),
                     std::max(0, height() - m_tabHeight - 10));
    }
}

}  // namespace ui
