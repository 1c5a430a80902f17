#pragma once
// The demo form: each control's handler writes what happened into a report label.
#include <string>

#include "ui/ui.h"

class TDemoForm : public ui::Form {
public:
    TDemoForm();
    ~TDemoForm() override;

    ui::CheckBox* CheckBox1;
    ui::GroupBox* GroupBox1;
    ui::RadioButton* RadioButton1;
    ui::RadioButton* RadioButton2;
    ui::Edit* Edit1;
    ui::UpDown* UpDown1;
    ui::Button* Button1;
    ui::Button* Button2;
    ui::Button* Button3;
    ui::Label* Label1;
    ui::PageControl* PageControl1;
    ui::TabSheet* TabSheet1;
    ui::TabSheet* TabSheet2;
    ui::Label* Label2;
    ui::Button* Button4;
    ui::Image* Image1;
    ui::BitBtn* BitBtn1;
    ui::Timer* Timer1;
    ui::Label* CheckReport;
    ui::Label* RadioReport;
    ui::Label* EditReport;
    ui::Label* ButtonReport;
    ui::Label* ImageReport;
    ui::Label* TimerReport;

private:
    void CheckBox1Click();
    void RadioButtonClick(const std::string& name);
    void Edit1Change();
    void UpDown1Click(int arrow);
    void Button1Click();
    void Button3Click();
    void Button4Click();
    void Image1Click();
    void BitBtn1Click();
    void Timer1Timer();
    void FormShow();

    int m_checkClicks = 0;
    int m_radioClicks = 0;
    int m_editChanges = 0;
    int m_imageClicks = 0;
    int m_bitBtnClicks = 0;
    int m_shows = 0;
};
