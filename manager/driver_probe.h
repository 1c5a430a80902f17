#pragma once
// Whether a controller has the maker's filter driver, read from the device registry, and
// the manager's small registry helpers.
#include <string>

#include "platform/host.h"

namespace touchman {

// Result of checking one enumerated instance.
enum tchDrvState : int {
    drvPresent = 0,
    drvNoUsbKey = 1,
    drvNoParentIdPrefix = 2,
    drvNoHidKey = 3,
    drvNoUpperFilters = 4,
    drvNoDeviceDesc = 5,
    drvNotOurDevice = 6,
    drvRegistryError = 9,
};

// 0 when no enumerated instance of pid lacks the driver, 1 when the HID enumeration cannot
// be read, 2 when an instance lacks it, 9 on a registry error.
int chkdrv(long pid);
tchDrvState noTchDrv(const std::string& usbKey, const std::string& hidKey);

// An integer value of the driver's parameter key, 0 when missing.
int getreg(const char* name);

void setRegKeySz(platform::RegRoot root, const std::string& key, const std::string& name,
                 const std::string& text);
void rmRegKeySz(platform::RegRoot root, const std::string& key, const std::string& name);
// 0 read, 1 the key cannot be opened, 2 the value cannot be read; out holds at most 127
// characters.
int qryRegKeySz(platform::RegRoot root, const std::string& key, const std::string& name,
                std::string& out);

}  // namespace touchman
