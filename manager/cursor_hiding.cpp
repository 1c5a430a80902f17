// "Hide Cursor" and "Show Cursor": the system cursors replaced by an empty one, and the
// choice kept in the user's cursor scheme so that it holds after the next logon.
#include <cstdio>
#include <string>

#include "common/debug_log.h"
#include "manager/driver_probe.h"
#include "manager/main_form.h"
#include "platform/host.h"

namespace touchman {

namespace {

const char* const hiddenArrow = "%SYSTEMROOT%\\Cursors\\null.cur";
const char* const cursorsKey = "Control Panel\\Cursors";
const char* const savedArrowFile = "cursor.dat";
constexpr std::size_t arrowLimit = 128;  // as the registry value is read, terminator included

// Every system cursor the pointer can take, by its id.
constexpr unsigned systemCursors[] = {32512, 32513, 32514, 32515, 32516, 32640,
                                      32641, 32642, 32643, 32644, 32645, 32646,
                                      32647, 32648, 32649, 32650};

// The user's own value as the start-up check saved it: the whole text, blanks included,
// without a line end that an editor may have added.
std::string savedArrow(std::FILE* f) {
    char text[arrowLimit] = {};
    const std::size_t n = std::fread(text, 1, arrowLimit - 1, f);
    std::string value(text, n);
    while (!value.empty() && (value.back() == '\n' || value.back() == '\r'))
        value.pop_back();
    return value;
}

// The one cursor of the file for every system cursor, and for the window now.
platform::CursorRef replaceCursors(const std::string& path) {
    platform::Host& h = platform::host();
    const platform::CursorRef cursor = h.loadCursorFile(path);
    if (cursor) {
        for (unsigned id : systemCursors)
            h.setSystemCursor(cursor, id);
    }
    h.setCursor(cursor);
    return cursor;
}

}  // namespace

void TForm1::setCursorCaptions(const char* caption) {
    Button5->setCaption(caption);
    BitBtn1->setCaption(caption);
}

void TForm1::checkCursor() {
    qryRegKeySz(platform::RegRoot::CurrentUser, cursorsKey, "Arrow", crsfn);
    if (crsfn == hiddenArrow) {
        setCursorCaptions("Show Cursor");
        return;
    }
    setCursorCaptions("Hide Cursor");
    if (!crsfn.empty()) {
        if (platform::File f = platform::host().openFile(savedArrowFile, "w"))
            std::fputs(crsfn.c_str(), f.get());
    }
}

void TForm1::Button5Click() {
    platform::Host& h = platform::host();
    logf(" button5, crsfn=%s \n", crsfn.c_str());
    if (crsfn == hiddenArrow) {
        crsfn.clear();
        platform::File f = h.openFile(savedArrowFile, "r");
        if (f)
            crsfn = savedArrow(f.get());
        logf(" open cursor.dat=%p, crsfn=%s \n", static_cast<void*>(f.get()), crsfn.c_str());
        if (!crsfn.empty()) {
            setRegKeySz(platform::RegRoot::CurrentUser, cursorsKey, "Arrow", crsfn);
        } else {
            rmRegKeySz(platform::RegRoot::CurrentUser, cursorsKey, "Arrow");
            crsfn = "arrow_m.cur";
        }
        const std::string path = h.currentDirectory() + "\\arrow_m.cur";
        const platform::CursorRef cursor = replaceCursors(path);
        logf(" show -> hc=%p, crsfn=%s, ss=%s \n", reinterpret_cast<void*>(cursor), path.c_str(),
             crsfn.c_str());
        h.showCursor(true);
        setCursorCaptions("Hide Cursor");
    } else {
        crsfn = hiddenArrow;
        setRegKeySz(platform::RegRoot::CurrentUser, cursorsKey, "Arrow", crsfn);
        const std::string path = h.currentDirectory() + "\\null.cur";
        const platform::CursorRef cursor = replaceCursors(path);
        logf(" hide -> hc=%p, crsfn=%s, ss=%s \n", reinterpret_cast<void*>(cursor), path.c_str(),
             crsfn.c_str());
        h.showCursor(false);
        setCursorCaptions("Show Cursor");
    }
}

void TForm1::BitBtn1Click() { Button5Click(); }

}  // namespace touchman
