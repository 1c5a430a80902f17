// A click at a point of a form goes where the window system sends it: the topmost shown
// control there, else the form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/ui.h"

namespace {

struct TouchForm : ui::Form {
    std::vector<std::string> calls;
    ui::Image* Image1 = add<ui::Image>(this, "Image1", 100, 100, 64, 64);
    ui::Label* Label1 = add<ui::Label>(this, "Label1", 120, 150, 200, 30, "Over the image");
    ui::Label* Label2 = add<ui::Label>(this, "Label2", 400, 10, 80, 20, "No handler");
    ui::Panel* Panel1 = add<ui::Panel>(this, "Panel1", 10, 300, 100, 100);
    ui::Button* Button1 = add<ui::Button>(Panel1, "Button1", 10, 10, 50, 20, "In");

    TouchForm() : ui::Form("TTouchForm") {
        setBorderStyle(ui::BorderStyle::None);
        setBounds(0, 0, 640, 480);
        onClick = [this] { calls.push_back("form"); };
        Image1->onClick = [this] { calls.push_back("Image1"); };
        Label1->onClick = [this] { calls.push_back("Label1"); };
        Button1->onClick = [this] { calls.push_back("Button1"); };
        show();
    }
};

TEST(UiClickAt, GoesToTheTopmostShownControlAtThePointElseToTheForm) {
    struct Case {
        const char* what;
        void (*arrange)(TouchForm&);
        int x, y;
        bool taken;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"inside the image", [](TouchForm&) {}, 100, 100, true, {"Image1"}},
        {"last pixel of the image", [](TouchForm&) {}, 163, 149, true, {"Image1"}},
        {"just right of the image", [](TouchForm&) {}, 164, 120, true, {"form"}},
        {"just below the image", [](TouchForm&) {}, 110, 164, true, {"form"}},
        {"label over the image", [](TouchForm&) {}, 130, 155, true, {"Label1"}},
        {"label hidden: the image below", [](TouchForm& f) { f.Label1->hide(); }, 130, 155, true,
         {"Image1"}},
        {"image hidden: the form", [](TouchForm& f) { f.Image1->hide(); }, 110, 110, true,
         {"form"}},
        {"label without a handler takes it", [](TouchForm&) {}, 410, 15, true, {}},
        {"control inside a container", [](TouchForm&) {}, 25, 315, true, {"Button1"}},
        {"container hidden", [](TouchForm& f) { f.Panel1->hide(); }, 25, 315, true, {"form"}},
        {"disabled image takes nothing", [](TouchForm& f) { f.Image1->setEnabled(false); }, 110,
         110, false, {}},
        {"disabled form takes nothing", [](TouchForm& f) { f.setEnabled(false); }, 600, 400,
         false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TouchForm f;
        c.arrange(f);
        EXPECT_EQ(f.clickAt(c.x, c.y), c.taken);
        EXPECT_EQ(f.calls, c.calls);
    }
}

}  // namespace
