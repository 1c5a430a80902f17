#include "ui/statics.h"

#include "ui/backend.h"

namespace ui {

void Label::setAlignment(Align alignment) {
    if (alignment == m_alignment) return;
    m_alignment = alignment;
    changed(Change::Style);
}

void Label::setMiddle(bool middle) {
    if (middle == m_middle) return;
    m_middle = middle;
    changed(Change::Style);
}

void Label::setAutoSize(bool autoSize) {
    m_autoSize = autoSize;
    refit();
}

void Label::refit() {
    if (!m_autoSize) return;
    Size s = backend().textSize(font(), caption());
    setBounds(left(), top(), s.width, s.height);
}

void Image::setPicture(const Picture& picture) {
    m_picture = picture;
    changed(Change::State);
    refit();
}

void Image::setAutoSize(bool autoSize) {
    m_autoSize = autoSize;
    refit();
}

void Image::setStretch(bool stretch) {
    if (stretch == m_stretch) return;
    m_stretch = stretch;
    changed(Change::Style);
}

void Image::refit() {
    if (m_autoSize) setBounds(left(), top(), m_picture.width(), m_picture.height());
}

}  // namespace ui
