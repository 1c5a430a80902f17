// Forms: showing, placing, sizing, keys, closing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/testing/fake_host.h"
#include "ui/ui.h"

namespace {

struct KeysForm : ui::Form {
    std::vector<std::string> calls;
    ui::Button* Button2 = add<ui::Button>(this, "Button2", 10, 10, 75, 25, "Cancel");
    ui::Edit* Edit1 = add<ui::Edit>(this, "Edit1", 10, 40, 75, 21);

    KeysForm() : ui::Form("TKeysForm") {
        Button2->onClick = [this] { calls.push_back("Button2"); };
        onKeyPress = [this](char& key) {
            calls.push_back(std::string("key ") + std::to_string(key));
            if (key == 'x') key = 0;
        };
        show();
    }
};

TEST(UiForm, KeysReachTheHandlerAndEscPressesTheCancelButton) {
    struct Case {
        const char* what;
        bool preview, cancel, atControl;
        char key, passed;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"key to the form", false, false, false, 'a', 'a', {"key 97"}},
        {"key to a control without preview", false, false, true, 'a', 'a', {}},
        {"key to a control with preview", true, false, true, 'a', 'a', {"key 97"}},
        {"handler swallows the key", true, false, true, 'x', 0, {"key 120"}},
        {"Esc presses the cancel button", false, true, true, 27, 0, {"Button2"}},
        {"Esc with preview: handler, then cancel", true, true, true, 27, 0, {"key 27", "Button2"}},
        {"Esc without a cancel button passes on", false, false, false, 27, 27, {"key 27"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        KeysForm f;
        f.setKeyPreview(c.preview);
        if (c.cancel) f.setCancelButton(f.Button2);
        EXPECT_EQ(f.keyPress(c.key, c.atControl), c.passed);
        EXPECT_EQ(f.calls, c.calls);
    }
}

TEST(UiForm, DisabledFormTakesNoKeysAndNoCloseBox) {
    KeysForm f;
    f.setCancelButton(f.Button2);
    f.setEnabled(false);
    EXPECT_EQ(f.keyPress(27), 0);
    EXPECT_FALSE(f.closeBox());
    EXPECT_TRUE(f.visible());
    EXPECT_TRUE(f.calls.empty());
}

TEST(UiForm, ShowRunsTheShowHandlerEachTimeItAppears) {
    ui::Form f("TShown");
    int shows = 0;
    f.onShow = [&] {
        EXPECT_TRUE(f.visible());
        ++shows;
    };
    f.show();
    f.show();
    f.hide();
    f.show();
    EXPECT_EQ(shows, 2);
}

TEST(UiForm, ClientSizeStaysWhenTheBorderChanges) {
    ui::Form f("TSized");
    f.setClientSize(939, 589);
    f.setBorderStyle(ui::BorderStyle::None);
    EXPECT_EQ(f.clientWidth(), 939);
    EXPECT_EQ(f.width(), 939);
    f.setBorderStyle(ui::BorderStyle::Single);
    EXPECT_EQ(f.clientHeight(), 589);
    EXPECT_GT(f.height(), 589);
}

TEST(UiForm, CentredFormsSitInTheMiddleOfThePrimaryMonitor) {
    platform::FakeHost host;
    host.setMonitors({{0, 0, 800, 600, false, 1}, {800, 0, 1024, 768, true, 2}});
    ui::Form f("TCentred");
    f.setBorderStyle(ui::BorderStyle::None);
    f.setClientSize(516, 160);
    f.setCentered(true);
    f.show();
    EXPECT_EQ(f.left(), 800 + (1024 - 516) / 2);
    EXPECT_EQ(f.top(), (768 - 160) / 2);
}

TEST(UiForm, ScaleTurnsADesignForAnotherSettingIntoScreenPixels) {
    ui::Form f("TScaled");
    f.setBorderStyle(ui::BorderStyle::None);
    f.setClientSize(537, 348);
    auto* label = f.add<ui::Label>(&f, "Label1", 48, 64, 441, 41, "Calibration");
    label->setFontHeight(20);
    auto* button = f.add<ui::Button>(&f, "Button1", 153, 41, 232, 136, "Start");
    f.scale(96, 120);
    EXPECT_EQ(f.clientWidth(), 429);
    EXPECT_EQ(label->left(), 38);
    EXPECT_EQ(label->width(), 352);
    EXPECT_EQ(label->font().height, 16);
    EXPECT_EQ(button->top(), 32);
    EXPECT_EQ(button->font().height, 13);  // inherited from the form, not scaled twice
}

TEST(UiForm, AutoSizedLabelFollowsItsText) {
    ui::Form f("TLabels");
    auto* label = f.add<ui::Label>(&f, "Label4", 0, 0, 10, 10, "");
    label->setFontHeight(30);
    label->setAutoSize(true);
    label->setCaption("Do not touch the panel.");
    ui::Size text = ui::backend().textSize(label->font(), "Do not touch the panel.");
    EXPECT_EQ(label->width(), text.width);
    EXPECT_EQ(label->height(), text.height);
    label->setCaption("Not in the correct spot.  Process reinitiated!");
    EXPECT_GT(label->width(), text.width);
}

TEST(UiForm, FontsAndColoursComeFromTheParentUntilSetOwn) {
    ui::Form f("TFonts");
    f.setFontHeight(13);
    auto* panel = f.add<ui::Panel>(&f, "Panel1", 0, 0, 100, 100);
    auto* label = f.add<ui::Label>(panel, "Label1", 0, 0, 50, 13, "x");
    panel->setColor(ui::clWhite);
    f.setFontHeight(20);
    EXPECT_EQ(label->font().height, 20);
    EXPECT_EQ(label->color(), ui::clWhite);
    label->setFontColor(ui::clMaroon);
    f.setFontHeight(13);
    EXPECT_EQ(label->font().height, 20);
    EXPECT_EQ(label->font().color, ui::clMaroon);
}

TEST(UiForm, FindsItsControlsByName) {
    KeysForm f;
    EXPECT_EQ(f.find("Edit1"), f.Edit1);
    EXPECT_EQ(f.find("Edit9"), nullptr);
}

}  // namespace
