#pragma once
// Push buttons, bitmap buttons, check boxes and radio buttons.
#include <string>

#include "ui/control.h"
#include "ui/picture.h"

namespace ui {

class Button : public Clickable {
public:
    explicit Button(std::string name) : Clickable(Kind::Button, std::move(name)) {}

protected:
    Button(Kind kind, std::string name) : Clickable(kind, std::move(name)) {}
};

// A push button with a glyph left of its caption.
class BitBtn : public Button {
public:
    explicit BitBtn(std::string name) : Button(Kind::BitBtn, std::move(name)) {}
    const Picture& glyph() const { return m_glyph; }
    void setGlyph(const Picture& glyph);

private:
    Picture m_glyph;
};

// Setting the checked state from code runs the click handler when the state changes;
// a user's click toggles the state the same way.
class CheckBox : public Clickable {
public:
    explicit CheckBox(std::string name) : Clickable(Kind::CheckBox, std::move(name)) {}
    bool checked() const { return m_checked; }
    void setChecked(bool checked);

protected:
    void clicked() override { setChecked(!m_checked); }

private:
    bool m_checked = false;
};

// Becoming checked clears the other radio buttons of the same parent and runs the click
// handler; becoming unchecked runs nothing. A user's click checks the button.
class RadioButton : public Clickable {
public:
    explicit RadioButton(std::string name) : Clickable(Kind::RadioButton, std::move(name)) {}
    bool checked() const { return m_checked; }
    void setChecked(bool checked);

protected:
    void clicked() override { setChecked(true); }

private:
    bool m_checked = false;
};

}  // namespace ui
