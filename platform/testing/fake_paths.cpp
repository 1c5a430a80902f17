#include "platform/testing/fake_paths.h"

#include <cctype>
#include <filesystem>
#include <vector>

namespace platform {

namespace {

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool hasDrive(const std::string& p) {
    return p.size() >= 2 && p[1] == ':' && std::isalpha(static_cast<unsigned char>(p[0]));
}

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// Splits the part after the drive into folder names, applying "." and "..".
void appendParts(std::vector<std::string>& parts, const std::string& path, std::size_t from) {
    std::string part;
    for (std::size_t i = from; i <= path.size(); ++i) {
        if (i == path.size() || isSeparator(path[i])) {
            if (part == "..") {
                if (!parts.empty()) parts.pop_back();
            } else if (!part.empty() && part != ".") {
                parts.push_back(part);
            }
            part.clear();
        } else {
            part += path[i];
        }
    }
}

}  // namespace

FakePaths::FakePaths(std::string root) : m_root(std::move(root)) {
    setCurrentDirectory("C:\\TOUCH");
}

void FakePaths::setCurrentDirectory(const std::string& windowsPath) {
    std::string full = windowsForm(windowsPath.empty() ? std::string("\\") : windowsPath);
    // Keep the caller's letter case for what the programs show ("Can't find C:\\POS...").
    std::string shown = hasDrive(windowsPath) ? windowsPath : full;
    while (shown.size() > 3 && isSeparator(shown.back())) shown.pop_back();
    if (shown.size() == 2) shown += '\\';
    for (char& c : shown)
        if (c == '/') c = '\\';
    m_cwd = shown;
    std::filesystem::create_directories(real(full));
}

std::string FakePaths::windowsForm(const std::string& path) const {
    char drive = m_cwd.empty() ? 'c' : static_cast<char>(std::tolower(m_cwd[0]));
    std::vector<std::string> parts;
    std::size_t from = 0;
    bool fromRoot = false;
    if (hasDrive(path)) {
        char d = static_cast<char>(std::tolower(static_cast<unsigned char>(path[0])));
        fromRoot = d != drive || (path.size() > 2 && isSeparator(path[2]));
        drive = d;
        from = 2;
    } else {
        fromRoot = !path.empty() && isSeparator(path[0]);
    }
    if (!fromRoot && !m_cwd.empty()) appendParts(parts, lower(m_cwd), 2);
    appendParts(parts, lower(path), from);
    std::string out{drive, ':', '\\'};
    for (std::size_t i = 0; i < parts.size(); ++i) out += (i ? "\\" : "") + parts[i];
    return out;
}

std::string FakePaths::real(const std::string& path) const {
    std::string full = windowsForm(path);
    std::string out = m_root + '/' + full[0];
    for (std::size_t i = 2; i < full.size(); ++i) out += full[i] == '\\' ? '/' : full[i];
    while (out.size() > m_root.size() + 2 && out.back() == '/') out.pop_back();
    return out;
}

}  // namespace platform
