#pragma once
// The calibrator's main window: Start and Exit, or the countdown of the auto modes. It binds
// the controller while it is built and keeps the library until it is destroyed.
#include "calibrator/run_owner.h"
#include "common/exchange.h"
#include "ui/ui.h"

namespace touchcal {

constexpr const char* designCaption = "  Tormalin USB Touch Calibration Utility   v1.04";
constexpr const char* captionFile = "touchcal.ini";
constexpr unsigned countdownMs = 7000;
constexpr unsigned immediateCountdownMs = 500;

// The calibrator's copy of the exchange.
extern const ExchangeStyle exchangeStyle;

class TAboutBox;

class TForm1 : public ui::Form, public RunOwner {
public:
    // Builds the window: caption, binding, firmware version, monitor choice.
    TForm1();
    // Shutdown: cancels, releases the library and ends the log, between two beeps.
    ~TForm1() override;

    // The target window the runs use; created after this window.
    void connect(TAboutBox& box);
    // The construction stopped before the monitor choice: no library, an entry missing, or
    // no controller.
    bool endedEarly() const { return m_endedEarly; }

    Padlink m_pl{&exchangeStyle};

    ui::Label* Label1 = add<ui::Label>(this, "Label1", 48, 64, 441, 41,
                                       "Calibration process will start in 5 seconds...");
    ui::Label* Label2 = add<ui::Label>(
        this, "Label2", 40, 120, 457, 49,
        "Please tap on \"EXIT\"  button if you do not wish to proceed.");
    ui::Button* Button1 = add<ui::Button>(this, "Button1", 153, 41, 232, 136, "Start");
    ui::Button* Button2 = add<ui::Button>(this, "Button2", 201, 224, 137, 97, "Exit");
    ui::Timer* Timer1 = addTimer("Timer1", countdownMs, false);

    void FormShow1();
    // A run start; `sender` is Start, the countdown, or null for a restart.
    void Button1Click(const void* sender);
    void Button2Click();
    void Timer1Timer();

    // RunOwner
    Padlink& padlink() override { return m_pl; }
    void enableMain() override;
    void restoreMain() override;
    void endProgram() override;
    void restart() override;

private:
    void layOut();
    bool bindController();
    void logReply();

    TAboutBox* m_box = nullptr;
    bool m_endedEarly = true;
};

}  // namespace touchcal
