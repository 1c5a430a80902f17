#include "ui/form.h"

#include "ui/application.h"
#include "ui/backend.h"
#include "ui/screen.h"

namespace ui {

Form::Form(std::string typeName)
    : Clickable(Kind::Form, typeName), m_typeName(std::move(typeName)) {
    setVisibleQuietly(false);
    Size frame = backend().frameSize(*this);
    setBoundsQuietly(0, 0, 300 + frame.width, 200 + frame.height);
    backend().attach(*this);
}

Form::~Form() {
    // Controls die in reverse order of creation, so children go before their containers.
    while (!m_controls.empty()) m_controls.pop_back();
    m_timers.clear();
    if (Application* app = Application::current()) app->formGone(this);
}

void Form::adopt(std::unique_ptr<Control> control, Control* parent, int left, int top,
                 int width, int height, const std::string& caption) {
    Control* c = control.get();
    c->setBoundsQuietly(left, top, width, height);
    c->design(caption);
    c->attach(parent ? parent : this);
    m_controls.push_back(std::move(control));
    if (c->kind() == Kind::TabSheet) static_cast<PageControl*>(c->parent())->addPage(static_cast<TabSheet*>(c));
    backend().attach(*c);
    c->refit();
}

TabSheet* Form::addSheet(PageControl* pages, std::string name, const std::string& caption) {
    return add<TabSheet>(pages, std::move(name), 0, 0, 0, 0, caption);
}

Timer* Form::addTimer(std::string name, unsigned interval, bool enabled) {
    m_timers.push_back(std::make_unique<Timer>(std::move(name), interval, enabled));
    return m_timers.back().get();
}

Control* Form::find(const std::string& name) const {
    for (const auto& c : m_controls) {
        if (c->name() == name) return c.get();
    }
    return nullptr;
}

int Form::clientWidth() const { return width() - backend().frameSize(*this).width; }

int Form::clientHeight() const { return height() - backend().frameSize(*this).height; }

void Form::setClientSize(int width, int height) {
    Size frame = backend().frameSize(*this);
    setBounds(left(), top(), width + frame.width, height + frame.height);
}

void Form::setBorderStyle(BorderStyle style) {
    if (style == m_borderStyle) return;
    int w = clientWidth(), h = clientHeight();
    m_borderStyle = style;
    changed(Change::Style);
    setClientSize(w, h);
}

void Form::setBorderIcons(unsigned icons) {
    if (icons == m_borderIcons) return;
    int w = clientWidth(), h = clientHeight();
    m_borderIcons = icons;
    changed(Change::Style);
    setClientSize(w, h);
}

void Form::setStayOnTop(bool stayOnTop) {
    if (stayOnTop == m_stayOnTop) return;
    m_stayOnTop = stayOnTop;
    changed(Change::Style);
}

void Form::setVisible(bool visible) {
    if (visible == this->visible()) return;
    if (!visible) {
        Control::setVisible(false);
        return;
    }
    if (m_centered) centre();
    Control::setVisible(true);
    if (onShow) onShow();
}

void Form::centre() {
    for (const platform::Monitor& m : screen().monitors()) {
        if (!m.primary) continue;
        setBounds(m.left + (m.width - width()) / 2, m.top + (m.height - height()) / 2, width(),
                  height());
        return;
    }
}

void Form::close() {
    hide();
    Application* app = Application::current();
    if (app && app->mainForm() == this) app->terminate();
}

char Form::keyPress(char key, bool atControl) {
    if (!acceptsInput()) return 0;
    if (onKeyPress && (!atControl || m_keyPreview)) onKeyPress(key);
    if (key == 27 && m_cancelButton) {
        m_cancelButton->click();
        return 0;
    }
    return key;
}

bool Form::closeBox() {
    if (!acceptsInput()) return false;
    close();
    return true;
}

bool Form::clickAt(int x, int y) {
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
        Control& c = **it;
        if (!c.showingOnForm()) continue;
        int left = c.left(), top = c.top();
        for (const Control* up = c.parent(); up && up != this; up = up->parent()) {
            left += up->left();
            top += up->top();
        }
        if (x >= left && x < left + c.width() && y >= top && y < top + c.height()) return c.click();
    }
    return click();
}

void Form::scale(int num, int den) {
    int w = clientWidth(), h = clientHeight();
    Control::scale(num, den);
    setClientSize(static_cast<int>(static_cast<long long>(w) * num / den),
                  static_cast<int>(static_cast<long long>(h) * num / den));
    for (const auto& c : m_controls) {
        if (c->kind() != Kind::TabSheet) c->scale(num, den);
    }
}

}  // namespace ui
