#include "calibrator/about_box.h"

#include "calibrator/commands.h"
#include "calibrator/entry.h"
#include "calibrator/flags.h"
#include "calibrator/target_picture.h"
#include "calibrator/target_places.h"
#include "common/debug_log.h"

namespace touchcal {

namespace {

constexpr char escKey = 27;
constexpr unsigned cancelPauseMs = 300;
constexpr unsigned finalPauseMs = 300;

}  // namespace

TAboutBox::TAboutBox() : ui::Form("TAboutBox") {
    setCaption(appTitle);
    setBorderStyle(ui::BorderStyle::None);
    setBorderIcons(0);
    setStayOnTop(true);
    setKeyPreview(true);
    onKeyPress = [this](char& key) { FormKeyPress(key); };

    Image1->setAutoSize(true);
    Image1->setPicture(targetPicture());
    Image1->onClick = [this] { FormClick(); };
    Label3->setFont({"MS Sans Serif", 20, false, ui::clBlack});
    Label3->setAlignment(ui::Align::Center);
    Label4->setFont({"MS Sans Serif", 30, false, ui::clBlack});
    Label4->setAutoSize(true);
    for (ui::Control* c : {static_cast<ui::Control*>(Image1), static_cast<ui::Control*>(Label3),
                           static_cast<ui::Control*>(Label4)})
        c->hide();
    Timer1->onTimer = [this] { Timer1Timer(); };
}

void TAboutBox::layOutStep1(const platform::Monitor& m) {
    hide();
    step_n = 0;
    m_w = m.width;
    m_h = m.height;
    onClick = [this] { FormClick(); };
    Label3->onClick = [this] { FormClick(); };
    Label4->onClick = [this] { FormClick(); };
    const Place first = cornerPlace(0, m_w, m_h);
    placePicture(first.left, first.top);
    Image1->show();
    centre(*Label3);
    Label3->show();
    setMessage(noTouchText);
    Label4->hide();
}

void TAboutBox::present(const platform::Monitor& m) {
    show();
    setBounds(m.left, m.top, m.width, m.height);
    logf(" aboutbox top=%d, left=%d \n", top(), left());
    show();
    repaint();
    setFocus();
}

// Each beep sounds while the previous target has gone and the panel must not be touched.
void TAboutBox::FormClick() {
    platform::Host& h = platform::host();
    Image1->hide();
    Label3->hide();
    setMessage(noTouchText);
    Label4->show();
    repaint();
    setFocus();
    if (step_n >= 3) {
        h.beep(2500, 100);
        hide();
        m_owner->restoreMain();
        if (auto_f)
            m_owner->endProgram();
        return;
    }
    if (step_n == 2) {
        h.beep(2000, 100);
        h.pause(finalPauseMs);
        finalTarget();
        return;
    }
    h.beep(step_n == 0 ? 1000 : 1500, 100);
    const Place next = cornerPlace(step_n + 1, m_w, m_h);
    placePicture(next.left, next.top);
    Image1->show();
    centre(*Label3);
    Label3->show();
    ++step_n;
    Label4->hide();
    repaint();
    setFocus();
}

// Only the picture completes the run; the instruction takes a touch and does nothing.
void TAboutBox::finalTarget() {
    step_n = 3;
    onClick = [this] { swFormClick(); };
    Label3->onClick = nullptr;
    Label4->onClick = nullptr;
    Label3->hide();
    const Place last = finalPlace(m_w, m_h);
    placePicture(last.left, last.top);
    Image1->show();
    setMessage(finalText);
    Label4->show();
    repaint();
    setFocus();
}

void TAboutBox::swFormClick() {
    setMessage(wrongSpotText);
    Label4->show();
    Image1->hide();
    Label3->hide();
    repaint();
    setFocus();
    platform::host().pause(wrongSpotPauseMs);
    m_owner->restart();
}

void TAboutBox::FormKeyPress(char& key) {
    if (key != escKey)
        return;
    m_owner->enableMain();
    if (dbg_f)
        hide();
    else
        Timer1Timer();
    m_owner->restoreMain();
}

// The cancel routine.
void TAboutBox::Timer1Timer() {
    sendText(m_owner->padlink(), cancelCommand);
    platform::host().pause(cancelPauseMs);
    setMessage(noTouchText);
    Label4->show();
    Image1->hide();
    Label3->hide();
    repaint();
    setFocus();
    hide();
    if (auto_f)
        m_owner->endProgram();
}

void TAboutBox::placePicture(int left, int top) {
    Image1->setBounds(left, top, Image1->width(), Image1->height());
}

void TAboutBox::centre(ui::Control& c) {
    c.setBounds((m_w - c.width()) / 2, (m_h - c.height()) / 2, c.width(), c.height());
}

void TAboutBox::setMessage(const std::string& text) {
    Label4->setCaption(text);
    centre(*Label4);
}

}  // namespace touchcal
