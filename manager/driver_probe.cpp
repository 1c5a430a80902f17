#include "manager/driver_probe.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "common/debug_log.h"

namespace touchman {

namespace {

using platform::RegRoot;

const char* const hidusbEnumKey = "SYSTEM\\CurrentControlSet\\Services\\hidusb\\Enum";
const char* const usbEnumKey = "SYSTEM\\CurrentControlSet\\Enum\\USB";
const char* const hidEnumKey = "SYSTEM\\CurrentControlSet\\Enum\\HID\\";
const char* const driverParamKey = "SYSTEM\\CurrentControlSet\\Services\\padfilt2\\Parameters";

// Registry texts are copied into 500-character buffers before they are searched.
constexpr std::size_t copyLimit = 500;
constexpr std::size_t queryLimit = 128;
constexpr long moreData = 234;  // the system's code for a value larger than the buffer

std::string upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

std::string hexPid(long pid) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%lx", pid);
    return digits;
}

void refused() { platform::host().beep(500, 500); }

// The data type codes of the log: 1 text, 2 expandable text, 3 integer, 4 binary.
int dataTypeCode(platform::RegType type) {
    switch (type) {
    case platform::RegType::String: return 1;
    case platform::RegType::ExpandString: return 2;
    case platform::RegType::Dword: return 3;
    case platform::RegType::Binary: return 4;
    default: return 0;
    }
}

bool logExists(platform::RegKey& key, const char* name) {
    const bool exists = key.valueExists(name);
    logf(" %s valueExists=%lu \n", name, exists ? 1ul : 0ul);
    return exists;
}

tchDrvState checkInstance(const std::string& usbKey, const std::string& hidKey) {
    platform::Host& h = platform::host();
    std::string prefix;
    {
        auto key = h.openKey(RegRoot::LocalMachine, usbKey, false);
        logf(" %s openKey=%lu \n", usbKey.c_str(), key ? 1ul : 0ul);
        if (!key)
            return drvNoUsbKey;
        if (!logExists(*key, "ParentIdPrefix"))
            return drvNoParentIdPrefix;
        if (!key->readString("ParentIdPrefix", prefix))
            return drvRegistryError;
        prefix = prefix.substr(0, copyLimit);
        logf(" ParentIdPrefix ReadString=%s| \n", prefix.c_str());
    }

    const std::string childKey = hidKey + "\\" + prefix + "&0000";
    auto key = h.openKey(RegRoot::LocalMachine, childKey, false);
    logf(" %s openKey=%lu \n", childKey.c_str(), key ? 1ul : 0ul);
    if (!key)
        return drvNoHidKey;
    if (!logExists(*key, "UpperFilters"))
        return drvNoUpperFilters;
    if (!logExists(*key, "DeviceDesc"))
        return drvNoDeviceDesc;
    std::string desc;
    if (!key->readString("DeviceDesc", desc))
        return drvRegistryError;
    desc = desc.substr(0, copyLimit);
    logf(" DeviceDesc ReadString=%s| \n", desc.c_str());
    return desc.find("Tormalin") != std::string::npos ? drvPresent : drvNotOurDevice;
}

}  // namespace

tchDrvState noTchDrv(const std::string& usbKey, const std::string& hidKey) {
    logf(" in noTchDrv, as1=%s, as2=%s \n", usbKey.c_str(), hidKey.c_str());
    const tchDrvState result = checkInstance(usbKey, hidKey);
    if (result == drvRegistryError)
        logf(" error in noTchDrv \n");
    logf(" out noTchDrv=%lu \n", static_cast<unsigned long>(result));
    return result;
}

int chkdrv(long pid) {
    const std::string digits = hexPid(pid);
    const std::string search = "Vid_7b94&Pid_" + digits;
    const std::string hidKey = hidEnumKey + search;
    logf(" in chkdrv, tt=%s, as=%s \n", search.c_str(), hidKey.c_str());

    int result = 0;
    auto key = platform::host().openKey(RegRoot::LocalMachine, hidusbEnumKey, false);
    logf(" openKey=%lu \n", key ? 1ul : 0ul);
    if (!key) {
        result = 1;
    } else {
        const std::vector<std::string> names = key->valueNames();
        logf(" values=%ld \n", static_cast<long>(names.size()));
        const std::string wanted = upper(search);
        for (std::size_t i = 0; i < names.size(); ++i) {
            logf(" i=%d, value=%s \n", static_cast<int>(i), names[i].c_str());
            const platform::RegType type = key->valueType(names[i]);
            logf(" data type=%d \n", dataTypeCode(type));
            if (type != platform::RegType::String)
                continue;
            std::string path;
            if (!key->readString(names[i], path)) {
                logf(" error in chkdrv( %lx ) \n", pid);
                result = 9;
                break;
            }
            logf(" ReadString=%s| \n", path.c_str());
            path = upper(path.substr(0, copyLimit));
            if (path.find(wanted) == std::string::npos)
                continue;
            const std::size_t slash = path.find('\\');
            const std::string usbKey =
                usbEnumKey + (slash == std::string::npos ? std::string() : path.substr(slash));
            logf(" as=%s \n", usbKey.c_str());
            if (noTchDrv(usbKey, hidKey) != drvPresent) {
                result = 2;
                break;
            }
        }
    }
    logf(" out chkdrv=%lu \n", static_cast<unsigned long>(result));
    return result;
}

int getreg(const char* name) {
    platform::Host& h = platform::host();
    logf(" in getreg(%s) at %ld \n", name, static_cast<long>(h.now()));
    std::int32_t value = 0;
    auto key = h.openKey(RegRoot::LocalMachine, driverParamKey, false);
    if (!key || key->valueType(name) != platform::RegType::Dword || !key->readInt(name, value)) {
        value = 0;
        logf(" error in getreg(%s) \n", name);
    }
    logf(" out getreg(%s)=%lx \n", name, static_cast<unsigned long>(value));
    return value;
}

void setRegKeySz(RegRoot root, const std::string& keyPath, const std::string& name,
                 const std::string& text) {
    platform::Host& h = platform::host();
    h.clearLastError();
    auto key = h.openKey(root, keyPath, true);
    logf(" createKey=%ld, key=%s, val=%s, data=%s, lerr=%lu \n", key ? 1l : 0l,
         keyPath.c_str(), name.c_str(), text.c_str(), static_cast<unsigned long>(h.lastError()));
    if (!key) {
        refused();
        return;
    }
    h.clearLastError();
    const bool written = key->writeString(name, text);
    logf(" setRegKeySz=%ld, lerr=%lu \n", written ? 0l : 1l,
         static_cast<unsigned long>(h.lastError()));
    if (!written)
        refused();
    key->flush();
    logFlush();
}

void rmRegKeySz(RegRoot root, const std::string& keyPath, const std::string& name) {
    platform::Host& h = platform::host();
    h.clearLastError();
    auto key = h.openKey(root, keyPath, true, false);
    if (!key) {
        refused();
        return;
    }
    h.clearLastError();
    const bool deleted = key->deleteValue(name);
    logf(" rmRegKeySz=%ld \n", deleted ? 0l : 1l);
    if (!deleted)
        refused();
    key->flush();
    logFlush();
}

int qryRegKeySz(RegRoot root, const std::string& keyPath, const std::string& name,
                std::string& out) {
    platform::Host& h = platform::host();
    out.clear();
    h.clearLastError();
    auto key = h.openKey(root, keyPath, false);
    const long opened = h.lastError();
    logf(" regOpenKey=%ld, %s, hk=%p, lerr=%lu \n", opened, keyPath.c_str(),
         static_cast<void*>(key.get()), static_cast<unsigned long>(h.lastError()));
    if (!key) {
        refused();
        return 1;
    }
    h.clearLastError();
    std::string text;
    long result = key->readString(name, text) ? 0 : h.lastError();
    // The value is read into 128 bytes, its terminator included; a longer one is not read.
    if (result == 0 && text.size() + 1 > queryLimit)
        result = moreData;
    if (result == 0)
        out = text;
    logf(" qryRegKeySz=%ld, %s, %s, %s, len=%ld, lerr=%lu \n", result, keyPath.c_str(),
         name.c_str(), out.c_str(), result == 0 ? static_cast<long>(out.size() + 1) : 0l,
         static_cast<unsigned long>(h.lastError()));
    return result == 0 ? 0 : 2;
}

}  // namespace touchman
