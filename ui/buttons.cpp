#include "ui/buttons.h"

namespace ui {

void BitBtn::setGlyph(const Picture& glyph) {
    m_glyph = glyph;
    changed(Change::State);
}

void CheckBox::setChecked(bool checked) {
    if (checked == m_checked) return;
    m_checked = checked;
    changed(Change::State);
    if (onClick) onClick();
}

void RadioButton::setChecked(bool checked) {
    if (checked == m_checked) return;
    if (checked && parent()) {
        for (Control* sibling : parent()->children()) {
            if (sibling != this && sibling->kind() == Kind::RadioButton) {
                static_cast<RadioButton*>(sibling)->setChecked(false);
            }
        }
    }
    m_checked = checked;
    changed(Change::State);
    if (checked && onClick) onClick();
}

}  // namespace ui
