#pragma once
// The controls of one touch tab, by their role, so that code serving both slots is
// written once.
#include <array>

#include "ui/ui.h"

namespace touchman {

// The six topics of a touch tab, in the order of their picture buttons on the menu panel.
enum Topic { topicSound, topicCalibration, topicEdge, topicTouchMode, topicDoubleClick,
             topicInformation, topicCount };

// One touch tab's controls by their role; slot 0 and slot 1 give them different names.
struct TouchPage {
    ui::TabSheet* sheet = nullptr;
    ui::Panel* menu = nullptr;
    std::array<ui::BitBtn*, topicCount> topicButtons{};
    std::array<ui::Panel*, topicCount> topicPanels{};
    std::array<ui::Button*, topicCount> returnButtons{};

    ui::CheckBox* beep = nullptr;  // "Enable Touch Beep"
    ui::Label* freqLabel = nullptr;
    ui::Edit* freqEdit = nullptr;
    ui::UpDown* freqUpDown = nullptr;
    ui::Label* duraLabel = nullptr;
    ui::Edit* duraEdit = nullptr;
    ui::UpDown* duraUpDown = nullptr;

    ui::Label* dotsLabel = nullptr;
    ui::Edit* dotsEdit = nullptr;
    ui::UpDown* dotsUpDown = nullptr;

    ui::CheckBox* enableTouch = nullptr;
    ui::GroupBox* modeGroup = nullptr;
    std::array<ui::RadioButton*, 3> modes{};  // mbMode bits 1, 2, 4
    ui::CheckBox* suspend = nullptr;
    ui::GroupBox* startupGroup = nullptr;
    ui::UpDown* startupUpDown = nullptr;
    ui::Edit* startupEdit = nullptr;

    ui::CheckBox* edgeTop = nullptr;
    ui::CheckBox* edgeLeft = nullptr;
    ui::CheckBox* edgeBottom = nullptr;
    ui::CheckBox* edgeRight = nullptr;
    ui::Button* edgeTool = nullptr;  // "Edge Accel."

    ui::Button* calibrate = nullptr;  // "Start"
    ui::Label* firmware = nullptr;    // "Firmware:  V" and the version text
};

}  // namespace touchman
