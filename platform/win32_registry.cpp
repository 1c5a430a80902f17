#include <windows.h>

#include <vector>

#include "platform/win32_host.h"

namespace platform {

namespace {

// Registry calls report by result code; it is kept as the thread's last error so the
// callers' logs show it.
bool done(LONG rc) {
    SetLastError(static_cast<DWORD>(rc));
    return rc == ERROR_SUCCESS;
}

RegType typeOf(DWORD type) {
    switch (type) {
    case REG_SZ: return RegType::String;
    case REG_EXPAND_SZ: return RegType::ExpandString;
    case REG_MULTI_SZ: return RegType::MultiString;
    case REG_DWORD: return RegType::Dword;
    case REG_BINARY: return RegType::Binary;
    default: return RegType::Other;
    }
}

class Win32RegKey final : public RegKey {
public:
    explicit Win32RegKey(HKEY key) : m_key(key) {}
    ~Win32RegKey() override { RegCloseKey(m_key); }
    Win32RegKey(const Win32RegKey&) = delete;
    Win32RegKey& operator=(const Win32RegKey&) = delete;

    std::vector<std::string> valueNames() override {
        std::vector<std::string> names;
        DWORD count = 0, longest = 0;
        if (!done(RegQueryInfoKeyA(m_key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                   &count, &longest, nullptr, nullptr, nullptr)))
            return names;
        std::vector<char> name(longest + 1);
        for (DWORD i = 0; i < count; ++i) {
            DWORD size = static_cast<DWORD>(name.size());
            if (done(RegEnumValueA(m_key, i, name.data(), &size, nullptr, nullptr, nullptr,
                                   nullptr)))
                names.emplace_back(name.data(), size);
        }
        return names;
    }

    bool valueExists(const std::string& name) override {
        return done(RegQueryValueExA(m_key, name.c_str(), nullptr, nullptr, nullptr, nullptr));
    }

    RegType valueType(const std::string& name) override {
        DWORD type = REG_NONE;
        if (!done(RegQueryValueExA(m_key, name.c_str(), nullptr, &type, nullptr, nullptr)))
            return RegType::None;
        return typeOf(type);
    }

    bool readString(const std::string& name, std::string& value) override {
        DWORD type = REG_NONE, size = 0;
        if (!done(RegQueryValueExA(m_key, name.c_str(), nullptr, &type, nullptr, &size)))
            return false;
        if (type != REG_SZ && type != REG_EXPAND_SZ) return done(ERROR_INVALID_DATA);
        std::vector<char> data(size + 1, '\0');
        if (!done(RegQueryValueExA(m_key, name.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(data.data()), &size)))
            return false;
        value.assign(data.data());  // up to the first zero, stored or not
        return true;
    }

    bool readInt(const std::string& name, std::int32_t& value) override {
        DWORD type = REG_NONE, data = 0, size = sizeof data;
        if (!done(RegQueryValueExA(m_key, name.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(&data), &size)))
            return false;
        if (type != REG_DWORD || size != sizeof data) return done(ERROR_INVALID_DATA);
        value = static_cast<std::int32_t>(data);
        return true;
    }

    bool writeString(const std::string& name, const std::string& value) override {
        // Stored without its terminating zero, as the kit's cursor setting always was.
        return done(RegSetValueExA(m_key, name.c_str(), 0, REG_SZ,
                                   reinterpret_cast<const BYTE*>(value.c_str()),
                                   static_cast<DWORD>(value.size())));
    }

    bool writeInt(const std::string& name, std::int32_t value) override {
        DWORD data = static_cast<DWORD>(value);
        return done(RegSetValueExA(m_key, name.c_str(), 0, REG_DWORD,
                                   reinterpret_cast<const BYTE*>(&data), sizeof data));
    }

    bool deleteValue(const std::string& name) override {
        return done(RegDeleteValueA(m_key, name.c_str()));
    }

    bool flush() override { return done(RegFlushKey(m_key)); }

private:
    HKEY m_key;
};

}  // namespace

std::unique_ptr<RegKey> Win32Host::openKey(RegRoot root, const std::string& path, bool write,
                                           bool create) {
    HKEY base = root == RegRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    HKEY key = nullptr;
    LONG rc;
    if (write && create)
        rc = RegCreateKeyExA(base, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                             KEY_ALL_ACCESS, nullptr, &key, nullptr);
    else
        rc = RegOpenKeyExA(base, path.c_str(), 0, write ? KEY_ALL_ACCESS : KEY_READ, &key);
    if (!done(rc)) return nullptr;
    return std::make_unique<Win32RegKey>(key);
}

long Win32Host::lastError() { return static_cast<long>(GetLastError()); }

void Win32Host::clearLastError() { SetLastError(0); }

}  // namespace platform
