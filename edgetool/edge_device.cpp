// What the window learns while it is built: its caption from the caption file and the
// firmware version, and the edge settings of the first controller of the family.
#include <array>
#include <cstdio>
#include <string>

#include "common/cmdbuf.h"
#include "common/debug_log.h"
#include "edgetool/edge_form.h"
#include "edgetool/flags.h"
#include "platform/host.h"

namespace touchacc {

namespace {

// The two members of each family, first one first.
constexpr std::array<long, 2> primaryFamily{{0xA000, 0xA800}};
constexpr std::array<long, 2> secondaryFamily{{0xA200, 0xAA00}};

// The longest caption line taken, its terminator not counted.
constexpr int captionLength = 254;

}  // namespace

void TForm1::readCaptionFile()
{
    std::FILE* f = platform::host().openFile(captionFile, "r");
    if (!f)
        return;
    char line[captionLength + 1];
    if (std::fgets(line, sizeof line, f)) {
        std::string text;
        for (const char* c = line; *c >= 0x20 && *c <= 0x7E; ++c)
            text += *c;
        setCaption(text);
    }
    std::fclose(f);
}

bool TForm1::bindController()
{
    for (long pid : sal_f ? secondaryFamily : primaryFamily)
        if (openusb(m_pl, pid) == usbOpened)
            return true;
    return false;
}

void TForm1::readController()
{
    platform::Host& h = platform::host();
    h.beep(1000, 100);
    wrtp(m_pl, "D1_rfwver");
    const char version[] = {'.', static_cast<char>(cmdBuf[10] + 0x30),
                            static_cast<char>(cmdBuf[11] + 0x30),
                            static_cast<char>(cmdBuf[12] + 0x30), '\0'};
    setCaption(caption() + (isValidReply(cmdBuf) ? version : ".0??"));
    logf(" caption=%s \n", caption().c_str());

    h.beep(2000, 100);
    wrtp(m_pl, "D1_readedge");
    m_enabled = cmdBuf[9];
    m_margin = {cmdBuf[10], cmdBuf[11], cmdBuf[12], cmdBuf[13]};

    h.beep(3000, 100);
    wrtp(m_pl, "D1_readcav");
    m_comp = {cmdBuf[9], cmdBuf[10], cmdBuf[11], cmdBuf[12]};
}

}  // namespace touchacc
