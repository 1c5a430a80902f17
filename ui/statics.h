#pragma once
// Labels, images, panels and group boxes.
#include <string>

#include "ui/control.h"
#include "ui/picture.h"

namespace ui {

enum class Align { Left, Center, Right };

class Label : public Clickable {
public:
    explicit Label(std::string name) : Clickable(Kind::Label, std::move(name)) {}

    Align alignment() const { return m_alignment; }
    void setAlignment(Align alignment);
    bool middle() const { return m_middle; }
    // Centres a single line of text vertically in the label's box.
    void setMiddle(bool middle);
    bool autoSize() const { return m_autoSize; }
    // The box takes the size of its text, now and whenever the text or font changes.
    void setAutoSize(bool autoSize);

protected:
    void refit() override;

private:
    Align m_alignment = Align::Left;
    bool m_middle = false;
    bool m_autoSize = false;
};

class Image : public Clickable {
public:
    explicit Image(std::string name) : Clickable(Kind::Image, std::move(name)) {}

    const Picture& picture() const { return m_picture; }
    void setPicture(const Picture& picture);
    bool autoSize() const { return m_autoSize; }
    // The box takes the picture's size, now and whenever the picture changes.
    void setAutoSize(bool autoSize);
    bool stretch() const { return m_stretch; }
    // Draws the picture over the whole box instead of at its top left corner.
    void setStretch(bool stretch);

private:
    void refit() override;

    Picture m_picture;
    bool m_autoSize = false;
    bool m_stretch = false;
};

// A container with a raised edge and its caption in the middle.
class Panel : public Control {
public:
    explicit Panel(std::string name) : Control(Kind::Panel, std::move(name)) {}
};

// A framed container with its caption in the frame; radio buttons in it form one group.
class GroupBox : public Control {
public:
    explicit GroupBox(std::string name) : Control(Kind::GroupBox, std::move(name)) {}
};

}  // namespace ui
