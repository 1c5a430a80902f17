#pragma once
// Maps the Windows paths the programs use onto a private folder of the test machine:
// "c:\\dir\\f.txt" (any case) -> <root>/c/dir/f.txt, "\\f.log" -> the current drive's root,
// "f.ini" -> the current directory. Names are kept in lower case, so the mapping is as
// case-insensitive as Windows is.
#include <string>

namespace platform {

class FakePaths {
public:
    explicit FakePaths(std::string root);

    // The current directory in Windows form ("C:\\TOUCH"); its folder is created.
    const std::string& currentDirectory() const { return m_cwd; }
    void setCurrentDirectory(const std::string& windowsPath);

    // The full Windows form of a path, resolved against the current directory and drive:
    // "program.ini" -> "c:\\touch\\program.ini" (lower case).
    std::string windowsForm(const std::string& path) const;
    // The real path on the test machine.
    std::string real(const std::string& path) const;

private:
    std::string m_root;
    std::string m_cwd;
};

}  // namespace platform
