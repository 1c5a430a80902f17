// What the window learns while it is built: the firmware version for its caption and the
// edge settings of the first controller of the family.
#include <string>

#include "common/cmdbuf.h"
#include "common/debug_log.h"
#include "common/families.h"
#include "common/version_digits.h"
#include "edgetool/edge_form.h"
#include "edgetool/flags.h"
#include "platform/host.h"

namespace touchacc {

bool TForm1::bindController() {
    for (long pid : sal_f ? secondaryFamily : primaryFamily)
        if (openusb(m_pl, pid) == usbOpened)
            return true;
    return false;
}

void TForm1::readController() {
    platform::Host& h = platform::host();
    h.beep(1000, 100);
    wrtp(m_pl, "D1_rfwver");
    std::string suffix = ".0??";
    if (isValidReply(cmdBuf))
        suffix = '.' + versionDigits(cmdBuf);
    setCaption(caption() + suffix);
    logf(" caption=%s \n", caption().c_str());

    h.beep(2000, 100);
    const EdgeReading edge = readEdge(m_pl);
    m_enabled = edge.mask;
    m_margin = edge.margins;

    h.beep(3000, 100);
    m_comp = readComp(m_pl);
}

}  // namespace touchacc
