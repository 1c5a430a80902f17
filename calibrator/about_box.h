#pragma once
// The target window: covers the chosen monitor during a run and shows one target at a
// time. The three corner touches are counted wherever they land; the final one must land on
// the picture, or the run starts again.
#include <string>

#include "calibrator/run_owner.h"
#include "platform/host.h"
#include "ui/ui.h"

namespace touchcal {

constexpr const char* noTouchText = "Do not touch the panel.";
constexpr const char* finalText = "A final touch on the + spot to complete the calibration";
constexpr const char* wrongSpotText = "Not in the correct spot.  Process reinitiated!";
constexpr unsigned wrongSpotPauseMs = 2000;

class TAboutBox : public ui::Form {
public:
    TAboutBox();

    void connect(RunOwner& owner) { m_owner = &owner; }

    // Touches taken in this run, 0 to 3.
    int step_n = 0;

    ui::Image* Image1 = add<ui::Image>(this, "Image1", 0, 0, 64, 64);
    ui::Label* Label3 = add<ui::Label>(this, "Label3", 0, 0, 200, 25, "Do Not Double Tap");
    ui::Label* Label4 = add<ui::Label>(this, "Label4", 0, 0, 0, 0, noTouchText);
    // Its handler is the cancel routine; it is never started, a run has no time-out.
    ui::Timer* Timer1 = addTimer("Timer1", 10000, false);

    // Hidden, step 0, the first target and the notice placed for monitor m.
    void layOutStep1(const platform::Monitor& m);
    // Shown over monitor m with the focus.
    void present(const platform::Monitor& m);

    void FormClick();
    void finalTarget();
    void swFormClick();
    void FormKeyPress(char& key);
    void Timer1Timer();

private:
    void placePicture(int left, int top);
    void centre(ui::Control& c);
    void setMessage(const std::string& text);

    RunOwner* m_owner = nullptr;
    int m_w = 0;
    int m_h = 0;
};

}  // namespace touchcal
