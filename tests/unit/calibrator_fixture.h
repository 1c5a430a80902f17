#pragma once
// The calibrator's two windows in a headless application under the fake host, with virtual
// controllers behind an in-process padlink.dll.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "calibrator/about_box.h"
#include "calibrator/cal_form.h"
#include "calibrator/flags.h"
#include "common/cmdbuf.h"
#include "common/debug_log.h"
#include "platform/testing/fake_host.h"
#include "simulator/fake_padlink.h"
#include "ui/ui.h"

namespace touchcal {

// A terminal of its own per case: the fake host and the controllers behind padlink.dll.
struct Terminal {
    Terminal() { std::memset(cmdBuf, 0, sizeof cmdBuf); }  // as a fresh process has it
    ~Terminal() {
        app.reset();
        closeLog();
    }

    void plugIn() { host.addLibrary("padlink.dll", pad.entries()); }
    void withLog() {
        host.writeFile("\\touchcal.log", "earlier run\n");
        openLog("\\touchcal.log", "w");
    }

    // Both windows as the entry makes them; the main window shown unless immediate.
    void start(const char* commandLine = "") {
        readFlags(commandLine);
        app.emplace(ui::Mode::Headless);
        main = app->createForm<TForm1>();
        box = app->createForm<TAboutBox>();
        main->connect(*box);
        if (!imm_f)
            main->show();
    }

    // The countdown expires.
    void expire() { main->Timer1->fire(); }
    void pressStart() { ASSERT_TRUE(main->Button1->click()); }
    void touch(int x, int y) { box->clickAt(x, y); }
    void touchPicture() {
        touch(box->Image1->left() + pictureCentre, box->Image1->top() + pictureCentre);
    }
    // The three corners, wherever they are touched.
    void touchCorners() {
        for (int i = 0; i < 3; ++i)
            touchPicture();
    }
    void esc() { box->keyPress(27); }

    // The texts of the commands written since the journal was cleared, blanks kept.
    std::vector<std::string> sent() const {
        std::vector<std::string> texts;
        for (const std::string& line : pad.journalLines("WriteTP ")) {
            const std::string hex = line.substr(line.rfind(' ') + 1);
            std::string text;
            for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
                const char c = static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
                if (c == 0)
                    break;
                text += c;
            }
            texts.push_back(text);
        }
        return texts;
    }
    std::vector<std::string> calls() const {
        std::vector<std::string> names;
        for (const std::string& line : pad.journal())
            names.push_back(line.substr(0, line.find(' ')));
        return names;
    }

    static constexpr int pictureCentre = 32;

    platform::FakeHost host;
    sim::FakePadlink pad;
    std::optional<ui::Application> app;
    TForm1* main = nullptr;
    TAboutBox* box = nullptr;
};

// The 17 meaningful bytes of the two run commands, as the controller receives them.
inline const std::string cancelSent = "D1_swcancel      ";
inline const std::string calibrateSent = "D1_calibrst      ";

}  // namespace touchcal
