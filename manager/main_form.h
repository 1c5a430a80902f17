#pragma once
// TForm1, the touch manager's main window: the settings model of both controller slots
// and every control of its pages. Construction reads the controllers; FormShow copies the
// model into the controls; Apply writes it back.
#include <array>
#include <string>

#include "common/edge_values.h"
#include "common/exchange.h"
#include "manager/settings_model.h"
#include "manager/splash_form.h"
#include "manager/touch_page.h"
#include "manager/touch_settings.h"
#include "ui/ui.h"

namespace touchman {

// The manager's copy of the exchange.
extern const ExchangeStyle exchangeStyle;

class TForm1 : public ui::Form {
public:
    // The splash window, when there is one, is shown while the controllers are read.
    explicit TForm1(TForm2* splash = nullptr);
    ~TForm1() override;

    void FormShow();
    void Button3Click();  // OK
    void Button7Click();  // Apply
    void Button2Click();  // Cancel

    // The touch tabs' editors.
    void CheckBox1Click();  // "Enable Touch", slot 0
    void CheckBox7Click();  // "Enable Touch", slot 1
    void CheckBox6Click();  // "Enable Touch Beep", slot 0
    void CheckBox5Click();  // "Enable Touch Beep", slot 1
    void CheckBox2Click();  // "Touch as Right Button Click"
    void Edit1Change();
    void Edit2Change();
    void Edit3Change();
    void Edit6Change();
    void Edit7Change();
    void Edit8Change();
    void UpDown1Click(int arrow);
    void UpDown2Click(int arrow);
    void UpDown3Click(int arrow);
    void UpDown4Click(int arrow);
    void UpDown7Click(int arrow);
    void UpDown8Click(int arrow);
    void UpDown10Click(int arrow);
    void UpDown11Click(int arrow);
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();
    void RadioButton5Click();
    void RadioButton6Click();

    // The long-press options.
    void CheckBox3Click();  // Touch_to_RightButton
    void CheckBox4Click();  // Touch_to_Calibrate
    void CheckBox8Click();  // the visible twin of CheckBox3
    void Edit4Change();
    void Edit5Change();
    void UpDown5Click(int arrow);
    void UpDown6Click(int arrow);
    void UpDown9Click(int arrow);

    // Cursor hiding.
    void Button5Click();
    void BitBtn1Click();
    // Swap, mirror and defaults.
    void Button12Click();
    void BitBtn3Click();
    void BitBtn17Click();
    void Button4Click();
    void BitBtn4Click();
    // The tools, the help and the driver install.
    void Button1Click();   // the calibrator for slot 0
    void Button10Click();  // the calibrator for slot 1
    void Button6Click();   // the edge tool for slot 0
    void Button9Click();   // the edge tool for slot 1
    void Button8Click();   // help
    void Button11Click();  // driver install
    void BitBtn2Click();

    // 0 the six layout commands went to the slot's controller; 1 nothing to do (fewer
    // than two controllers or monitors); 2 the controller cannot be opened.
    int updres(int slot);
    // Sends "D1_buzopt" with an operation to the first and the second family; 1 when not
    // even the first family's controller opens, else 0.
    int sendcmd(int code, int value);

    // Settings model of the two slots.
    std::array<TouchSettings, 2> m_touch{};
    int m_tchCnt = 0;
    long m_pid[2] = {0, 0};
    int m_rs[2] = {0, 1};
    int m_acc[2] = {0, 0};
    int vn[2] = {0, 0};  // firmware version number per slot; 0 = not read
    // What the edge tool stored, kept through every write; 50 until read.
    EdgeValues m_margins[2] = {{50, 50, 50, 50}, {50, 50, 50, 50}};
    EdgeValues m_comps[2] = {{50, 50, 50, 50}, {50, 50, 50, 50}};
    int m_swapTch = 0;
    int m_noTouchCal = 0;
    std::string crsfn;  // the cursor file of the cursor state, as the registry holds it
    int m_actm = 0;  // Touch_to_Calibrate delay, seconds
    int m_abtm = 0;  // Touch_to_RightButton delay, seconds
    Padlink m_link{&exchangeStyle};  // the device library while one task has it bound
    // Monitor geometry: primary size, the other monitor's size and place.
    int w0 = 0, h0 = 0, w1 = 0, h1 = 0, xleft = 0, ytop = 0;

    TouchPage m_page[2];

    // Header pictures.
    ui::Image* Image1 = nullptr;
    ui::Image* Image2 = nullptr;
    ui::Image* Image3 = nullptr;

    // "General" group, always visible.
    ui::GroupBox* GroupBox5 = nullptr;
    ui::BitBtn* BitBtn1 = nullptr;   // "Hide Cursor"
    ui::BitBtn* BitBtn3 = nullptr;   // "Swap Touch"
    ui::BitBtn* BitBtn17 = nullptr;  // "Mirror Touch"
    ui::BitBtn* BitBtn4 = nullptr;   // "Restore Defaults"
    ui::BitBtn* BitBtn2 = nullptr;   // "2nd Touch Install"
    ui::CheckBox* CheckBox8 = nullptr;
    ui::Label* Label13 = nullptr;
    ui::Edit* Edit9 = nullptr;
    ui::UpDown* UpDown9 = nullptr;

    ui::PageControl* PageControl1 = nullptr;
    ui::TabSheet* TabSheet1 = nullptr;  // "General", its tab always hidden
    ui::TabSheet* TabSheet2 = nullptr;  // "1st Touch"
    ui::TabSheet* TabSheet3 = nullptr;  // "2nd Touch"

    // Page "General".
    ui::CheckBox* CheckBox3 = nullptr;
    ui::Label* Label2 = nullptr;
    ui::Label* Label3 = nullptr;
    ui::Edit* Edit4 = nullptr;
    ui::UpDown* UpDown6 = nullptr;
    ui::CheckBox* CheckBox4 = nullptr;
    ui::Label* Label8 = nullptr;
    ui::Label* Label9 = nullptr;
    ui::Edit* Edit5 = nullptr;
    ui::UpDown* UpDown5 = nullptr;
    ui::Button* Button4 = nullptr;   // "Restore Defaults"
    ui::Button* Button5 = nullptr;   // "Hide Cursor"
    ui::Button* Button11 = nullptr;  // "Install Driver"
    ui::Button* Button12 = nullptr;  // "Swap Touchs"

    // Outside the pages.
    ui::CheckBox* CheckBox2 = nullptr;  // "Touch as Right Button Click", never shown
    ui::Button* Button3 = nullptr;      // "OK"
    ui::Button* Button2 = nullptr;      // "Cancel"
    ui::Button* Button7 = nullptr;      // "Apply"
    ui::Button* Button8 = nullptr;      // "Help"

    // Page "1st Touch" (slot 0).
    ui::Panel*& Panel1 = m_page[0].menu;
    ui::BitBtn*& BitBtn5 = m_page[0].topicButtons[topicSound];
    ui::BitBtn*& BitBtn6 = m_page[0].topicButtons[topicCalibration];
    ui::BitBtn*& BitBtn7 = m_page[0].topicButtons[topicEdge];
    ui::BitBtn*& BitBtn8 = m_page[0].topicButtons[topicTouchMode];
    ui::BitBtn*& BitBtn9 = m_page[0].topicButtons[topicDoubleClick];
    ui::BitBtn*& BitBtn10 = m_page[0].topicButtons[topicInformation];
    ui::Panel*& Panel5 = m_page[0].topicPanels[topicSound];
    ui::Panel*& Panel6 = m_page[0].topicPanels[topicCalibration];
    ui::Panel*& Panel7 = m_page[0].topicPanels[topicEdge];
    ui::Panel*& Panel8 = m_page[0].topicPanels[topicTouchMode];
    ui::Panel*& Panel4 = m_page[0].topicPanels[topicDoubleClick];
    ui::Panel*& Panel3 = m_page[0].topicPanels[topicInformation];
    ui::Button*& Button13 = m_page[0].returnButtons[topicSound];
    ui::Button*& Button15 = m_page[0].returnButtons[topicCalibration];
    ui::Button*& Button16 = m_page[0].returnButtons[topicEdge];
    ui::Button*& Button17 = m_page[0].returnButtons[topicTouchMode];
    ui::Button*& Button18 = m_page[0].returnButtons[topicDoubleClick];
    ui::Button*& Button19 = m_page[0].returnButtons[topicInformation];
    ui::CheckBox*& CheckBox6 = m_page[0].beep;
    ui::Label*& Label4 = m_page[0].freqLabel;
    ui::Edit*& Edit1 = m_page[0].freqEdit;
    ui::UpDown*& UpDown1 = m_page[0].freqUpDown;
    ui::Label*& Label1 = m_page[0].duraLabel;
    ui::Edit*& Edit2 = m_page[0].duraEdit;
    ui::UpDown*& UpDown2 = m_page[0].duraUpDown;
    ui::Label*& Label5 = m_page[0].dotsLabel;
    ui::Edit*& Edit3 = m_page[0].dotsEdit;
    ui::UpDown*& UpDown3 = m_page[0].dotsUpDown;
    ui::CheckBox*& CheckBox1 = m_page[0].enableTouch;
    ui::GroupBox*& GroupBox1 = m_page[0].modeGroup;
    ui::RadioButton*& RadioButton1 = m_page[0].modes[0];
    ui::RadioButton*& RadioButton2 = m_page[0].modes[1];
    ui::RadioButton*& RadioButton3 = m_page[0].modes[2];
    ui::CheckBox*& CheckBox17 = m_page[0].suspend;
    ui::GroupBox*& GroupBox2 = m_page[0].startupGroup;
    ui::UpDown*& UpDown10 = m_page[0].startupUpDown;
    ui::Edit*& Edit10 = m_page[0].startupEdit;
    ui::CheckBox*& CheckBox9 = m_page[0].edgeTop;
    ui::CheckBox*& CheckBox10 = m_page[0].edgeLeft;
    ui::CheckBox*& CheckBox11 = m_page[0].edgeBottom;
    ui::CheckBox*& CheckBox12 = m_page[0].edgeRight;
    ui::Button*& Button6 = m_page[0].edgeTool;
    ui::Button*& Button1 = m_page[0].calibrate;
    ui::Label*& Label12 = m_page[0].firmware;

    // Page "2nd Touch" (slot 1).
    ui::Panel*& Panel2 = m_page[1].menu;
    ui::BitBtn*& BitBtn11 = m_page[1].topicButtons[topicSound];
    ui::BitBtn*& BitBtn13 = m_page[1].topicButtons[topicCalibration];
    ui::BitBtn*& BitBtn15 = m_page[1].topicButtons[topicEdge];
    ui::BitBtn*& BitBtn12 = m_page[1].topicButtons[topicTouchMode];
    ui::BitBtn*& BitBtn14 = m_page[1].topicButtons[topicDoubleClick];
    ui::BitBtn*& BitBtn16 = m_page[1].topicButtons[topicInformation];
    ui::Panel*& Panel14 = m_page[1].topicPanels[topicSound];
    ui::Panel*& Panel13 = m_page[1].topicPanels[topicCalibration];
    ui::Panel*& Panel12 = m_page[1].topicPanels[topicEdge];
    ui::Panel*& Panel11 = m_page[1].topicPanels[topicTouchMode];
    ui::Panel*& Panel10 = m_page[1].topicPanels[topicDoubleClick];
    ui::Panel*& Panel9 = m_page[1].topicPanels[topicInformation];
    ui::Button*& Button14 = m_page[1].returnButtons[topicSound];
    ui::Button*& Button20 = m_page[1].returnButtons[topicCalibration];
    ui::Button*& Button21 = m_page[1].returnButtons[topicEdge];
    ui::Button*& Button22 = m_page[1].returnButtons[topicTouchMode];
    ui::Button*& Button23 = m_page[1].returnButtons[topicDoubleClick];
    ui::Button*& Button24 = m_page[1].returnButtons[topicInformation];
    ui::CheckBox*& CheckBox5 = m_page[1].beep;
    ui::Label*& Label6 = m_page[1].freqLabel;
    ui::Edit*& Edit6 = m_page[1].freqEdit;
    ui::UpDown*& UpDown4 = m_page[1].freqUpDown;
    ui::Label*& Label7 = m_page[1].duraLabel;
    ui::Edit*& Edit7 = m_page[1].duraEdit;
    ui::UpDown*& UpDown7 = m_page[1].duraUpDown;
    ui::Label*& Label10 = m_page[1].dotsLabel;
    ui::Edit*& Edit8 = m_page[1].dotsEdit;
    ui::UpDown*& UpDown8 = m_page[1].dotsUpDown;
    ui::CheckBox*& CheckBox7 = m_page[1].enableTouch;
    ui::GroupBox*& GroupBox4 = m_page[1].modeGroup;
    ui::RadioButton*& RadioButton4 = m_page[1].modes[0];
    ui::RadioButton*& RadioButton5 = m_page[1].modes[1];
    ui::RadioButton*& RadioButton6 = m_page[1].modes[2];
    ui::CheckBox*& CheckBox18 = m_page[1].suspend;
    ui::GroupBox*& GroupBox3 = m_page[1].startupGroup;
    ui::UpDown*& UpDown11 = m_page[1].startupUpDown;
    ui::Edit*& Edit11 = m_page[1].startupEdit;
    ui::CheckBox*& CheckBox13 = m_page[1].edgeTop;
    ui::CheckBox*& CheckBox14 = m_page[1].edgeLeft;
    ui::CheckBox*& CheckBox15 = m_page[1].edgeBottom;
    ui::CheckBox*& CheckBox16 = m_page[1].edgeRight;
    ui::Button*& Button9 = m_page[1].edgeTool;
    ui::Button*& Button10 = m_page[1].calibrate;
    ui::Label*& Label11 = m_page[1].firmware;

private:
    static ui::UpDown* ranged(ui::UpDown* u, int min, int max, int position);
    void designWindow();
    void designGeneralPage();
    void designTouchPage(int slot);
    void wireTouchPages();
    void wireLongPress();
    void wireTools();
    void checkCursor();
    void setCursorCaptions(const char* caption);
    void layoutWarning();
    void startTool(const char* handler, int slot, const char* program);
    void showWaitWindow();
    void loadDelays();
    void applyLongPress();
    // The shared rules of both slots' editors.
    void beepClick(int slot);
    void valueChange(ui::Edit* edit, std::int32_t& field, int fallback, int max,
                     ui::UpDown* upDown);
    void stepEdit(const char* logLine, ui::UpDown* upDown, ui::Edit* edit, int arrow);
    void setMode(int slot, int bit);
    void lockLongPress();
    void clearDelays();
    void delayEditChange(ui::Edit* edit, int& delay, int fallback, int min, int max);
    void surveyMonitors();
    int readControllers();  // the last read's result
    int takePage(long pid);  // getPage into the next slot, then shows it
    void showPage(const PageRead& page);
    PageWrite pageToWrite(int slot) const;
    void layOut();
    void setEdgeBoxes();
    void showSlot(int slot);

    TForm2* m_splash;
};

// Puts the caption file's line, when there is one, into the window's caption.
void loadCaption(ui::Form& window, const char* name);

}  // namespace touchman
