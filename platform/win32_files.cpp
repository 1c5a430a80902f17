#include <windows.h>

#include <io.h>
#include <sys/stat.h>

#include "platform/win32_host.h"

namespace platform {

File Win32Host::openFile(const std::string& path, const char* mode) {
    return File(std::fopen(path.c_str(), mode));
}

bool Win32Host::fileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32Host::canReadWrite(const std::string& path) { return _access(path.c_str(), 6) == 0; }

bool Win32Host::renameFile(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool Win32Host::removeFile(const std::string& path) { return std::remove(path.c_str()) == 0; }

// Whatever its length: callers such as dirlines apply their own limits. The wide call
// because the ANSI one stops at MAX_PATH.
std::string Win32Host::currentDirectory() {
    const DWORD needed = GetCurrentDirectoryW(0, nullptr);
    if (needed == 0) return {};
    std::wstring wide(needed, L'\0');
    const DWORD n = GetCurrentDirectoryW(needed, wide.data());
    if (n == 0 || n >= needed) return {};
    const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(n), nullptr,
                                          0, nullptr, nullptr);
    std::string path(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(n), path.data(), bytes, nullptr,
                        nullptr);
    return path;
}

bool Win32Host::fileTime(const std::string& path, std::time_t& modified) {
    struct _stat info;
    if (_stat(path.c_str(), &info) != 0) return false;
    modified = info.st_mtime;
    return true;
}

std::string Win32Host::programPath() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(path, n) : std::string();
}

}  // namespace platform
