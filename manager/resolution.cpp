// The desktop's layout for two touch panels on two monitors: the warning about a layout
// that touch may not follow, and "D1_bucvdi", which tells each controller the layout.
#include "common/cmdbuf.h"
#include "common/debug_log.h"
#include "manager/main_form.h"
#include "platform/host.h"
#include "ui/screen.h"

namespace touchman {

namespace {

const char* const layoutTitle = "Tormalin USB MSR Manager";
const char* const layoutText =
    "Attention please! \n\nTouch functions on the 2nd monitor might not work properly. \n"
    "The position of extended display can not higher than \nnor on the left of the main "
    "display. \nPlease leave this program and make adjustments \nin the Control Panel "
    "Display Settings page. ";

}  // namespace

void TForm1::layoutWarning() {
    if (m_tchCnt > 1 && ui::screen().monitorCount() >= 2 && (xleft < 0 || ytop < 0))
        platform::host().messageBox(layoutText, layoutTitle, platform::boxOk);
}

int TForm1::updres(int slot) {
    logf(" in updres(%d), tchCnt=%d, w0=%d, h0=%d, w1=%d, h1=%d, xleft=%d, ytop=%d \n", slot,
         m_tchCnt, w0, h0, w1, h1, xleft, ytop);
    if (m_tchCnt < 2 || ui::screen().monitorCount() < 2) {
        platform::host().beep(500, 500);
        return 1;
    }
    if (openusb(m_link, m_pid[slot]) != usbOpened)
        return 2;
    const struct {
        int code;
        int value;
        const char* logLine;
    } layout[] = {
        {0xB1, w0, nullptr},          {0xB2, h0, nullptr},
        {0xB3, w1, nullptr},          {0xB4, h1, nullptr},
        {0xB5, xleft, " bufx=%x,%x \n"}, {0xB6, ytop, " bufy=%x,%x \n"},
    };
    // One after the other without a wait; no reply is read. A negative place goes as its
    // low 16 bits.
    for (const auto& row : layout) {
        composeCommand("D1_bucvdi", {row.code, row.value >> 8, row.value}, padlink::blockSize);
        if (row.logLine)
            logf(row.logLine, cmdBuf[10], cmdBuf[11]);
        sendComposed(m_link);
    }
    closeusb(m_link);
    return 0;
}

}  // namespace touchman
