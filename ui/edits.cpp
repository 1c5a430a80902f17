#include "ui/edits.h"

#include <algorithm>

namespace ui {

void Edit::setText(const std::string& text) {
    if (text == m_text) return;
    m_text = text;
    changed(Change::State);
    if (onChange) onChange();
}

void Edit::setReadOnly(bool readOnly) {
    if (readOnly == m_readOnly) return;
    m_readOnly = readOnly;
    changed(Change::Style);
}

bool Edit::type(const std::string& text) {
    if (!acceptsInput() || m_readOnly) {
        // The window may already show the refused text: bring it back to the model's.
        changed(Change::State);
        return false;
    }
    setText(text);
    return true;
}

void UpDown::setRange(int min, int max) {
    m_min = min;
    m_max = max;
    changed(Change::Style);
    setPosition(m_position);
}

void UpDown::setPosition(int position) {
    position = std::clamp(position, std::min(m_min, m_max), std::max(m_min, m_max));
    if (position == m_position) return;
    m_position = position;
    changed(Change::State);
}

bool UpDown::press(int arrow) {
    if (!acceptsInput()) return false;
    setPosition(arrow == arrowUp ? m_position + 1 : m_position - 1);
    if (onClick) onClick(arrow);
    return true;
}

}  // namespace ui
