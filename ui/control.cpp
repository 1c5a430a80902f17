#include "ui/control.h"

#include <algorithm>

#include "ui/form.h"

namespace ui {

Control::Control(Kind kind, std::string name) : m_kind(kind), m_name(std::move(name)) {}

Control::~Control() {
    // The window goes first, so that nothing it reports while dying reaches the model.
    m_peer.reset();
    if (m_parent) {
        auto& siblings = m_parent->m_children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    for (Control* child : m_children) child->m_parent = nullptr;
}

void Control::attach(Control* parent) {
    m_parent = parent;
    if (parent) parent->m_children.push_back(this);
}

Form* Control::form() {
    Control* c = this;
    while (c->m_parent) c = c->m_parent;
    return c->m_kind == Kind::Form ? static_cast<Form*>(c) : nullptr;
}

void Control::changed(Change what) {
    if (m_peer) m_peer->changed(what);
}

void Control::setBoundsQuietly(int left, int top, int width, int height) {
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
}

void Control::setBounds(int left, int top, int width, int height) {
    if (left == m_left && top == m_top && width == m_width && height == m_height) return;
    setBoundsQuietly(left, top, width, height);
    changed(Change::Bounds);
    refit();
}

void Control::setCaption(const std::string& caption) {
    if (caption == m_caption) return;
    m_caption = caption;
    changed(Change::Caption);
    refit();
}

void Control::setEnabled(bool enabled) {
    if (enabled == m_enabled) return;
    m_enabled = enabled;
    changed(Change::Enabled);
}

void Control::setVisible(bool visible) {
    if (visible == m_visible) return;
    m_visible = visible;
    changed(Change::Visible);
}

Font Control::font() const {
    if (m_font) return *m_font;
    return m_parent ? m_parent->font() : Font{};
}

void Control::setFont(const Font& font) {
    if (m_font && *m_font == font) return;
    m_font = font;
    changed(Change::Font);
    refit();
    passOn(Change::Font);
}

void Control::setFontName(const std::string& name) {
    Font f = font();
    f.name = name;
    setFont(f);
}

void Control::setFontHeight(int height) {
    Font f = font();
    f.height = height;
    setFont(f);
}

void Control::setFontBold(bool bold) {
    Font f = font();
    f.bold = bold;
    setFont(f);
}

void Control::setFontColor(Color color) {
    Font f = font();
    f.color = color;
    setFont(f);
}

Color Control::color() const {
    if (m_color) return *m_color;
    return m_parent ? m_parent->color() : clBtnFace;
}

void Control::setColor(Color color) {
    if (m_color && *m_color == color) return;
    m_color = color;
    changed(Change::Color);
    passOn(Change::Color);
}

void Control::passOn(Change what) {
    for (Control* child : m_children) {
        bool inherits = what == Change::Font ? !child->m_font : !child->m_color;
        if (!inherits) continue;
        child->changed(what);
        if (what == Change::Font) child->refit();
        child->passOn(what);
    }
}

bool Control::showing() const {
    return selfShown() && (!m_parent || m_parent->showing());
}

bool Control::showingOnForm() const {
    if (m_kind == Kind::Form) return true;
    return selfShown() && (!m_parent || m_parent->showingOnForm());
}

bool Control::acceptsInput() const {
    return m_enabled && selfShown() && (!m_parent || m_parent->acceptsInput());
}

static int scaled(int v, int num, int den) {
    return static_cast<int>(static_cast<long long>(v) * num / den);
}

void Control::scale(int num, int den) {
    setBounds(scaled(m_left, num, den), scaled(m_top, num, den), scaled(m_width, num, den),
              scaled(m_height, num, den));
    if (m_font) {
        Font f = *m_font;
        f.height = scaled(f.height, num, den);
        setFont(f);
    }
}

bool Clickable::click() {
    if (!acceptsInput()) return false;
    clicked();
    return true;
}

void Clickable::clicked() {
    if (onClick) onClick();
}

}  // namespace ui
