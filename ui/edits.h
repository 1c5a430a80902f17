#pragma once
// Edits and up-down spinners. Up-downs are never attached to an edit: handlers copy the
// values between them.
#include <functional>
#include <string>

#include "ui/control.h"

namespace ui {

// Setting the text from code runs the change handler when the text differs; so does a
// user's typing.
class Edit : public Control {
public:
    explicit Edit(std::string name) : Control(Kind::Edit, std::move(name)) {}
    std::function<void()> onChange;

    const std::string& text() const { return m_text; }
    void setText(const std::string& text);
    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);

    // The user's typing left text in the edit; false when the edit takes no input.
    bool type(const std::string& text);

protected:
    void design(const std::string& caption) override { m_text = caption; }

private:
    std::string m_text;
    bool m_readOnly = false;
};

enum Arrow : int { arrowUp = 0, arrowDown = 1 };

// An arrow press steps the position by one within min..max (no wrap) and then runs the
// click handler with the arrow, also when the position stood at the end already.
class UpDown : public Control {
public:
    explicit UpDown(std::string name) : Control(Kind::UpDown, std::move(name)) {}
    std::function<void(int arrow)> onClick;

    int min() const { return m_min; }
    int max() const { return m_max; }
    int position() const { return m_position; }
    // The position is kept within the new range.
    void setRange(int min, int max);
    void setPosition(int position);

    // A user's press of an arrow; false when the up-down takes no input.
    bool press(int arrow);

private:
    int m_min = 0;
    int m_max = 100;
    int m_position = 0;
};

}  // namespace ui
